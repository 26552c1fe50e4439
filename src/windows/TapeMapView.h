#pragma once

#include <QAbstractScrollArea>
#include <QString>

#include <vector>

namespace catalogue {
class Cassette;
class Catalogue;
struct FilmRecord;
} // namespace catalogue

namespace windows {

// Every cassette as one bar as long as its tape, all to one scale: each film a segment as long as the
// tape it takes (long-play hatched), the free rest plain, and what an over-full cassette holds beyond
// its end marked in red. Only the rows in view are drawn, so that it scrolls through any number of
// cassettes. A tooltip tells a film's title, counter range, length and mode; a click, or Enter on the
// keyboard cursor, asks for the film window on that film, or on the cassette's last film where the
// free rest or the name was chosen. It follows the catalogue and never changes a record; hidden, it
// keeps nothing and does nothing.
class TapeMapView final : public QAbstractScrollArea
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TapeMapView)

public:
    // What a swatch of the legend shows.
    enum class Kind
    {
        Film,
        LongplayFilm,
        Free,
        OverFull
    };

    // What lies at a place of the map: a cassette, and the film whose segment it is (null for the
    // name and the free rest).
    struct Spot
    {
        const catalogue::Cassette* cassette = nullptr;
        const catalogue::FilmRecord* film = nullptr;
    };

    explicit TapeMapView(catalogue::Catalogue& catalogue, QWidget* parent = nullptr);
    ~TapeMapView() override;

    // Shows only the cassettes whose names contain text, letter case ignored; every one for "".
    void setFilter(const QString& text);
    int rowCount() const { return int(shown_.size()); }
    const catalogue::Cassette* cassetteAt(int row) const;
    // The row of a cassette; -1 when it is not shown.
    int rowOf(const catalogue::Cassette* cassette) const;
    int rowHeight() const;

    // In the viewport's coordinates.
    Spot spotAt(QPoint point) const;
    // The segment of a film on a row, as drawn; empty when the row shows no such film.
    QRect segmentRect(int row, const catalogue::FilmRecord* film) const;
    QString toolTipAt(QPoint point) const;

    // The keyboard cursor: a row, and there the film (null: the free rest).
    Spot current() const;

    // Paints one swatch of the legend, as the map paints that kind of tape.
    static void paintSwatch(QPainter& painter, const QRect& rect, Kind kind);

Q_SIGNALS:
    // The film window, on a cassette and the film it opens on.
    void filmWindowRequested(const catalogue::Cassette* cassette, const catalogue::FilmRecord* film);
    // The rows shown changed: another filter, or cassettes came or went.
    void rowsChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool viewportEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    struct Row
    {
        const catalogue::Cassette* cassette;
        QString name;
    };
    struct Geometry
    {
        int nameLeft;
        int nameWidth;
        int barLeft;
        double perHalfMinute; // pixels
    };

    void rebuild();
    void applyFilter();
    void forgetCassette(const catalogue::Cassette* cassette);
    void forgetAll();
    void updateScrollBar();
    Geometry geometry() const;
    QRect rowRect(int row) const;
    QRect barRect(const QRect& row) const;
    int rowAt(int y) const;
    void paintRow(QPainter& painter, int row, const Geometry& g) const;
    void open(const Spot& spot);
    void moveCursor(int row, int segment);
    int segmentCount(int row) const;

    catalogue::Catalogue& catalogue_;
    // A change was told that the rows do not show yet.
    bool stale_ = false;
    std::vector<Row> all_;           // every cassette, in catalogue order
    std::vector<std::size_t> shown_; // those that pass the filter, as places in all_
    QString filter_;
    qint64 longestHalfMinutes_ = 1;
    // The keyboard cursor: a cassette, and a film's place on it (its film count: the free rest).
    const catalogue::Cassette* cursorCassette_ = nullptr;
    int cursorSegment_ = 0;
    Spot pressed_;
    bool active_ = false;
};

} // namespace windows
