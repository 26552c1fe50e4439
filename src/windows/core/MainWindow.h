#pragma once

#include <QString>
#include <QWidget>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QStatusBar;
class QUndoStack;

namespace catalogue {
class Cassette;
class Catalogue;
struct FilmRecord;
} // namespace catalogue

namespace ui {
class ReportList;
}

namespace windows {

class ArchiveSaver;
class CassetteDialog;
class CassetteListModel;
class UndoActions;

// The main window: one row per cassette with its length, film count and remaining time, a status
// bar counting cassettes and films, and the buttons that create, open, edit and delete cassettes.
// The rows are a model over the catalogue and follow its signals. Its changes go on the run's undo
// stack, which the cassette list's context menu and Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y step through.
class MainWindow final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainWindow)

public:
    MainWindow(catalogue::Catalogue& catalogue, QUndoStack& undoStack, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Created after the main window, so handed in afterwards.
    void setCassetteDialog(CassetteDialog* dialog);
    // Who saves the archive when the window closes; without one nothing is saved.
    void setArchiveSaver(ArchiveSaver* saver) { saver_ = saver; }

    catalogue::Catalogue& catalogue() const { return catalogue_; }
    QUndoStack& undoStack() const { return undoStack_; }
    UndoActions* undoActions() const { return undoActions_; }
    ui::ReportList* cassetteList() const { return cassetteList_; }
    CassetteListModel* cassetteModel() const { return cassetteModel_; }
    // The cassette of the selected row; null when no row is selected.
    const catalogue::Cassette* selectedCassette() const;

    // Sets every caption in the current language; runs on every show and change of language.
    void retranslate();
    void updateStatusBar();

    // Creates a cassette from the cassette dialog; the new cassette's row is selected.
    void createCassette();
    void openCassette();
    void editCassette();
    void deleteCassette();
    void searchFilms();
    // The whole catalogue to a CSV file chosen in a save dialog; the status bar names the file written.
    void exportCsv();
    // Films and cassettes from a CSV file chosen in an open dialog, added once the summary is confirmed;
    // the first cassette the import added to is selected.
    void importCsv();
    // The whole catalogue as one web page to a file chosen in a save dialog; the status bar names it.
    void saveWebPage();
    // The same with a Tellico file.
    void exportTellico();
    void importTellico();
    // The selected cassette's sheet, and the list of every cassette: in a print preview, or as PDF.
    void printCassetteSheet();
    void printCatalogueList();
    void saveCassetteSheetAsPdf();
    void saveCatalogueListAsPdf();
    void showAbout();
    bool confirmExit();
    // The tape tools, each a window of its own beside this one.
    void findSpace();
    void showTapeMap();
    void findDuplicates();
    // The collection in figures and charts, a window of its own; labels for the selected tape or all.
    void showStatistics();
    void printLabels();
    // The generations of the archive that the saves kept, a window of its own.
    void showBackups();
    // The cassette list's context menu, at pos in the list's viewport (Shift+F10 and the Menu key: at
    // the selected row).
    void showListMenu(const QPoint& pos);
    QMenu* listMenu() const { return listMenu_; }
    // A short note in the status bar for a few seconds, in place of the counts.
    void showNote(const QString& text);

Q_SIGNALS:
    // The film window, on a cassette and, when one is given, on one of its films.
    void filmWindowRequested(const catalogue::Cassette* cassette, const catalogue::FilmRecord* film);
    void searchRequested();
    void aboutRequested();
    void findSpaceRequested();
    void tapeMapRequested();
    void duplicatesRequested();
    void statisticsRequested();
    // The label dialog, with the selected tape (null when none) ticked.
    void labelsRequested(const catalogue::Cassette* selected);
    void backupsRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void addListActions();
    void fitColumns();
    void showCounts(int tapes, qint32 films, bool any);
    // Selects the row of cassette and scrolls it into view.
    void selectCassette(const catalogue::Cassette* cassette);
    void noteWritten(const QString& text, const QString& path);
    // The selected row's cassette; null, after a warning, when no row is selected.
    const catalogue::Cassette* selectedCassetteOrWarn(const QString& text);

    catalogue::Catalogue& catalogue_;
    QUndoStack& undoStack_;
    CassetteListModel* cassetteModel_;
    ui::ReportList* cassetteList_;
    QLabel* cassettesLabel_;
    QPushButton* newButton_;
    QPushButton* openButton_;
    QPushButton* editButton_;
    QPushButton* deleteButton_;
    QPushButton* searchButton_;
    QPushButton* exitButton_;
    QPushButton* aboutButton_;
    QStatusBar* statusBar_;
    QLabel* cassetteCountLabel_;
    QLabel* filmCountLabel_;
    QAction* exportAction_;
    QAction* importAction_;
    QAction* webPageAction_;
    QAction* exportTellicoAction_;
    QAction* importTellicoAction_;
    QAction* printSheetAction_;
    QAction* printListAction_;
    QAction* sheetPdfAction_;
    QAction* listPdfAction_;
    UndoActions* undoActions_ = nullptr;
    bool stepping_ = false;                         // an undo or redo is under way
    const catalogue::Cassette* returned_ = nullptr; // the first cassette it brought back
    QAction* findSpaceAction_;
    QAction* tapeMapAction_;
    QAction* duplicatesAction_;
    QAction* statisticsAction_;
    QAction* labelsAction_;
    QAction* backupsAction_;
    QMenu* listMenu_;

    CassetteDialog* cassetteDialog_ = nullptr;
    ArchiveSaver* saver_ = nullptr;
    bool centred_ = false;
    bool closing_ = false;
    // While the about box is open the window keeps the language it shows; it takes the one chosen
    // there when the box closes.
    bool languageHeld_ = false;
};

} // namespace windows
