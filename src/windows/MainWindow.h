#pragma once

#include <QString>
#include <QWidget>

#include <functional>

class QAction;
class QLabel;
class QPushButton;
class QStatusBar;

namespace catalogue {
class Catalogue;
struct FilmRecord;
} // namespace catalogue

namespace ui {
class ReportList;
}

namespace windows {

class CassetteDialog;

// The main window: one row per cassette with its length, film count and remaining time, a status
// bar counting cassettes and films, and the buttons that create, open, edit and delete cassettes.
class MainWindow final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainWindow)

public:
    // Loads the archive at archivePath into catalogue and builds the rows.
    MainWindow(catalogue::Catalogue& catalogue, const QString& archivePath, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Windows opened from here; created after the main window, so handed in afterwards.
    void setCassetteDialog(CassetteDialog* dialog);
    void setAboutOpener(std::function<void()> open) { openAbout_ = std::move(open); }
    void setFilmOpener(std::function<void(catalogue::FilmRecord*)> open) { openFilm_ = std::move(open); }
    void setSearchOpener(std::function<void()> open) { openSearch_ = std::move(open); }

    QString archivePath() const { return archivePath_; }
    catalogue::Catalogue& catalogue() const { return catalogue_; }
    // One row per cassette: its name, then its length, film count and remaining time as numbers.
    ui::ReportList* cassetteList() const { return cassetteList_; }

    // Sets every caption in the current language; runs on every show and change of language.
    void retranslate();
    void updateStatusBar();
    void refreshCassetteRow(const catalogue::FilmRecord* r);
    // Sets the film count of the status bar; the film window does so when it adds a film.
    void setFilmCount(qint32 filmTotal);

    void createCassette();
    void openCassette();
    void editCassette();
    void deleteCassette();
    void searchFilms();
    // The whole catalogue to a CSV file chosen in a save dialog.
    void exportCsv();
    // Films and cassettes from a CSV file chosen in an open dialog, added once the summary is confirmed.
    void importCsv();
    // The selected cassette's sheet, and the list of every cassette: in a print preview, or as PDF.
    void printCassetteSheet();
    void printCatalogueList();
    void saveCassetteSheetAsPdf();
    void saveCatalogueListAsPdf();
    void showAbout();
    bool confirmExit();
    void saveAtExit();

    // False when the archive exists but could not be read: the program must end without saving.
    bool archiveReadable() const { return archiveReadable_; }
    // Saves without a question as the session ends (a signal, logout, a lost display), unless the
    // window has already closed. True when saved or nothing was left to save.
    bool saveForSessionEnd();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void loadArchive();
    void buildRows();
    void createControls();
    void addListActions();
    void fitColumns();
    void setRow(int row, const QString& caption, int length, int filmCount, int remaining);
    int selectedRowOrWarn(const QString& text);
    // The selected row's cassette; nothing, after a warning, when no row is selected.
    const catalogue::FilmRecord* selectedCassetteOrWarn(const QString& text);

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
    QAction* printSheetAction_;
    QAction* printListAction_;
    QAction* sheetPdfAction_;
    QAction* listPdfAction_;

    catalogue::Catalogue& catalogue_;
    QString archivePath_;
    CassetteDialog* cassetteDialog_ = nullptr;
    std::function<void()> openAbout_;
    std::function<void(catalogue::FilmRecord*)> openFilm_;
    std::function<void()> openSearch_;
    bool centred_ = false;
    bool closing_ = false;
    bool archiveReadable_ = true;
};

} // namespace windows
