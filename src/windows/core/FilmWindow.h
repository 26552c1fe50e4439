#pragma once

#include <QDialog>

#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QUndoStack;

namespace catalogue {
class Cassette;
class Catalogue;
struct Film;
struct FilmRecord;
} // namespace catalogue
namespace controls {
class FilmFields;
class NavigationBar;
} // namespace controls

namespace windows {

class UndoActions;

// The films of one cassette, one at a time in tape order, with their places on the tape. Browsing
// shows a film read-only, and Page Up, Page Down, Ctrl+Home and Ctrl+End step through the films as
// the arrow buttons do; editing (a new film or a change) makes the fields writable. Every handler
// ends in showFilm(), which takes the shown film, fills the fields and sets the look. Changes go
// through the catalogue's operations, as steps of the run's undo stack, which Ctrl+Z, Ctrl+Shift+Z and
// Ctrl+Y step through while the window browses; the window follows the catalogue's signals, its own
// changes and those made elsewhere alike.
class FilmWindow final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FilmWindow)

public:
    FilmWindow(catalogue::Catalogue& catalogue, QUndoStack& undoStack, QWidget* parent = nullptr);
    ~FilmWindow() override;

    // The cassette to show, and the film to open on (its first film when none is given). Set before
    // every showing.
    void setCassette(const catalogue::Cassette* cassette, const catalogue::FilmRecord* film = nullptr);
    const catalogue::Cassette* cassette() const { return cassette_; }
    // The film shown; null while none is (an empty cassette, a new film being entered).
    const catalogue::FilmRecord* shownFilm() const { return shown_; }

    // Shows the index-th record of the cassette (1-based; 0 shows no film: an empty cassette, or
    // a new film being entered), browsing or editing.
    void showFilm(int index, bool editing);

    // New (Insert while Shift is held): empty fields for a new film.
    void newFilm();
    // Edit while browsing, Save while editing.
    void editOrSave();
    // Delete while browsing, Discard while editing.
    void deleteOrDiscard();

    void showFirstFilm();
    void showPreviousFilm();
    void showNextFilm();
    void showLastFilm();

    // As the session ends: stores a film being entered or edited when Save would take it, without
    // asking anything. True when a film was stored.
    bool saveForSessionEnd();

    int filmCount() const;
    int filmIndex() const { return filmIndex_; }
    bool isEditing() const { return editing_; }
    QComboBox* genreCombo() const;
    UndoActions* undoActions() const { return undoActions_; }

public Q_SLOTS:
    // A change under way keeps the window open: Escape and the close box do nothing then.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void retranslate();
    void setNewButtonForShift(bool shiftHeld);
    void followCassette(const catalogue::Cassette* cassette);
    void forgetFilm(const catalogue::FilmRecord* film);
    void forgetCassette(const catalogue::Cassette* cassette);
    void showReturnedFilm();
    struct InputProblem
    {
        QWidget* field;
        QString caption;
        QString text;
    };
    std::optional<InputProblem> inputProblem() const;
    bool saveFilm();
    void storeEditedFilm();
    void deleteFilm();
    bool checkInput();
    void showError(QWidget* field, const QString& caption, const QString& text);

    catalogue::Catalogue& catalogue_;
    QUndoStack& undoStack_;
    const catalogue::Cassette* cassette_ = nullptr;
    const catalogue::FilmRecord* openingFilm_ = nullptr;
    const catalogue::FilmRecord* shown_ = nullptr;
    int filmIndex_ = 0;
    bool editing_ = false;
    bool newMode_ = false;
    bool insertMode_ = false;
    const catalogue::FilmRecord* edited_ = nullptr;        // the film an Edit changes
    std::vector<const catalogue::FilmRecord*> beforeStep_; // the cassette's films before an undo or redo

    controls::FilmFields* fields_;
    QLineEdit* counterRangeEdit_;
    QLabel* counterRangeLabel_;
    QPushButton* newButton_;
    QPushButton* editButton_;
    QPushButton* deleteButton_;
    QPushButton* closeButton_;
    controls::NavigationBar* navigation_;
    UndoActions* undoActions_;
};

} // namespace windows
