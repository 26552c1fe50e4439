#pragma once

#include <QListView>
#include <QString>

#include <optional>

namespace catalogue {
class Cassette;
class Catalogue;
struct FilmRecord;
} // namespace catalogue

namespace windows {

class TapeMapDelegate;
class TapeMapModel;

// Every cassette as one bar as long as its tape, all to one scale (TapeMapModel's rows, painted by
// TapeMapDelegate). A tooltip tells a film's title, counter range, length and mode; a click, or Enter
// on the keyboard cursor, asks for the film window on that film, or on the cassette's last film where
// the free rest or the name was chosen. The arrow keys move the cursor from row to row and from film to
// film. It follows the catalogue and never changes a record; hidden, it keeps nothing and does nothing.
class TapeMapView final : public QListView
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TapeMapView)

public:
    // What lies at a place of the map: a cassette, and the film whose segment it is (null for the
    // name and the free rest).
    struct Spot
    {
        const catalogue::Cassette* cassette = nullptr;
        const catalogue::FilmRecord* film = nullptr;
    };

    explicit TapeMapView(catalogue::Catalogue& catalogue, QWidget* parent = nullptr);
    ~TapeMapView() override;

    TapeMapModel* tapes() const { return model_; }
    // Shows only the cassettes whose names contain text, letter case ignored; every one for "".
    void setFilter(const QString& text);
    int rowCount() const;
    const catalogue::Cassette* cassetteAt(int row) const;
    // The row of a cassette; -1 when it is not shown.
    int rowOf(const catalogue::Cassette* cassette) const;
    int rowHeight() const;
    // The width of the names, as drawn now; the user widens it by dragging the border beside them.
    int nameWidth() const;
    // 0: a width that suits the font.
    void setNameWidth(int width);
    // The width chosen by the user; 0 when none was.
    int chosenNameWidth() const;
    // Where the border between the names and the bars lies, in the viewport's coordinates.
    int nameBorder() const;

    // In the viewport's coordinates.
    Spot spotAt(QPoint point) const;
    // The segment of a film on a row, as drawn; empty when the row shows no such film.
    QRect segmentRect(int row, const catalogue::FilmRecord* film) const;
    QString toolTipAt(QPoint point) const;

    // The keyboard cursor: a row, and there the film (null: the free rest).
    Spot current() const;

Q_SIGNALS:
    // The film window, on a cassette and the film it opens on.
    void filmWindowRequested(const catalogue::Cassette* cassette, const catalogue::FilmRecord* film);
    // The rows shown changed: another filter, or cassettes came or went.
    void rowsChanged();

protected:
    bool viewportEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void updateGeometries() override;

private:
    void open(const Spot& spot);
    void placeCursor(int row, int segment);
    void restoreCursor();
    int segmentCount(int row) const;
    bool onNameBorder(QPoint point) const;

    TapeMapModel* model_;
    TapeMapDelegate* delegate_;
    // The keyboard cursor: a cassette, and a film's place on it (its film count: the free rest). Kept
    // by cassette, so that it stays where it was when the rows are made anew.
    const catalogue::Cassette* cursorCassette_ = nullptr;
    Spot pressed_;
    // While the border beside the names is dragged: how far right of it the press was.
    std::optional<int> dragOffset_;
};

} // namespace windows
