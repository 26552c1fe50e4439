#pragma once

#include "storage/Generations.h"
#include "ui/ToolWindow.h"

#include <memory>
#include <vector>

class QFileSystemWatcher;
class QLabel;
class QPushButton;
class QTreeWidget;
class QUndoStack;

namespace catalogue {
class Cassette;
class Catalogue;
struct FilmRecord;
} // namespace catalogue

namespace windows {

// The generations the saves of the archive kept, newest first, and for the one chosen what restoring
// it would change in the catalogue now: tapes added, removed or changed, each with its films. Restore
// puts its records in place of the catalogue's as one step that an undo takes back; the archive itself
// is written by the next save, as after any change. Non-modal; it follows new saves and every change
// of the catalogue while open.
class BackupsWindow final : public ui::ToolWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BackupsWindow)

public:
    BackupsWindow(catalogue::Catalogue& catalogue, QUndoStack& undoStack, QWidget* parent = nullptr);
    ~BackupsWindow() override;

    // Reads the list of generations again, keeping the one chosen where it is still there.
    void refreshList();
    // Asks, then makes the catalogue hold the chosen generation's records; nothing without one.
    void restoreChosen();
    // Asks for the film window on the film of the current difference row, where it exists now.
    void openFilm();

    QTreeWidget* generationList() const { return generationList_; }
    QTreeWidget* differenceTree() const { return differenceTree_; }
    QPushButton* restoreButton() const { return restoreButton_; }
    // The film of the current difference row as the catalogue holds it now; null when none.
    const catalogue::FilmRecord* currentFilm() const;

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
    // The rows anew, the generation of that name chosen again, else the newest.
    void fillList(const QString& chosenName);
    void watchFolders();
    // The generation chosen in the list; null when none.
    const catalogue::Generation* chosen() const;
    // Reads the chosen generation when it is another than the one read, then compares.
    void chooseGeneration();
    // Compares the generation read with the catalogue now, at the next turn of the event loop.
    void scheduleComparison();
    void compare();
    void showSummary(int tapes, int films);
    void updateButtons();
    QString savedText(const catalogue::Generation& generation) const;
    void clearDifferences();

    catalogue::Catalogue& catalogue_;
    QUndoStack& undoStack_;
    std::vector<catalogue::Generation> generations_;
    // The chosen generation as read, compared with the catalogue; null when it could not be read.
    std::unique_ptr<catalogue::Catalogue> loaded_;
    QString loadedName_;
    QString loadProblem_;
    bool comparisonScheduled_ = false;
    // The films of the difference rows as the catalogue holds them now, by the index a row keeps.
    std::vector<const catalogue::FilmRecord*> nowFilms_;
    QFileSystemWatcher* watcher_;
    QLabel* listLabel_;
    QTreeWidget* generationList_;
    QLabel* summaryLabel_;
    QTreeWidget* differenceTree_;
    QPushButton* openButton_;
    QPushButton* restoreButton_;
    QPushButton* closeButton_;
    int summaryTapes_ = -1;
    int summaryFilms_ = 0;
};

} // namespace windows
