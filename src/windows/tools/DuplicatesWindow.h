#pragma once

#include "ui/ToolWindow.h"

class QLabel;
class QModelIndex;
class QPushButton;
class QTreeView;

namespace catalogue {
class Cassette;
class Catalogue;
struct FilmRecord;
} // namespace catalogue

namespace windows {

class DuplicatesModel;

// Films recorded more than once: their groups with the number of them above, each film with its
// cassette and place on the tape. Enter, Open or a double click asks for the film window on the
// selected film (on a group's row, its first film). Non-modal; it follows the catalogue and never
// changes a record.
class DuplicatesWindow final : public ui::ToolWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DuplicatesWindow)

public:
    explicit DuplicatesWindow(catalogue::Catalogue& catalogue, QWidget* parent = nullptr);
    ~DuplicatesWindow() override;

    // Asks for the film window on the selected film; nothing without a selection.
    void openFilm();

    DuplicatesModel* model() const { return model_; }
    QTreeView* groupView() const { return groupView_; }
    const catalogue::FilmRecord* selectedFilm() const;

Q_SIGNALS:
    // The film window, on a cassette and the film it opens on.
    void filmWindowRequested(const catalogue::Cassette* cassette, const catalogue::FilmRecord* film);

protected:
    QSize preferredSize() override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void createControls();
    void retranslate();
    void showCount();
    // The title column as wide as the longest title, within reason.
    void fitTitleColumn();

    catalogue::Catalogue& catalogue_;
    DuplicatesModel* model_;
    QLabel* countLabel_;
    QTreeView* groupView_;
    QPushButton* openButton_;
    QPushButton* closeButton_;
    // The film selected while the groups are made anew, to be selected again.
    const catalogue::FilmRecord* keptSelection_ = nullptr;
    // The title column's width for its caption: it is never narrower.
    int titleColumnLeast_ = 0;
};

} // namespace windows
