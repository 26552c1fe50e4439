#pragma once

#include <QString>
#include <QWidget>

#include <functional>

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

class Tcasprop;

// The main window: one row per cassette with its length, film count and remaining time, a status
// bar counting cassettes and films, and the buttons that create, open, edit and delete cassettes.
class Tmainwin final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Tmainwin)

public:
    // Loads the archive from programDir (ending in a separator) into catalogue and builds the rows.
    Tmainwin(catalogue::Catalogue& catalogue, const QString& programDir, QWidget* parent = nullptr);
    ~Tmainwin() override;

    // Windows opened from here; created after the main window, so handed in afterwards.
    void setCassetteDialog(Tcasprop* casprop) { casprop_ = casprop; }
    void setInfoOpener(std::function<void()> open) { openInfo_ = std::move(open); }
    void setFilmOpener(std::function<void(catalogue::FilmRecord*)> open) { openFilm_ = std::move(open); }
    void setSearchOpener(std::function<void()> open) { openSearch_ = std::move(open); }

    QString archivePath() const { return archivePath_; }
    catalogue::Catalogue& catalogue() const { return catalogue_; }

    void FormShow();
    void UpdateStatus();
    void RefreshCassetteRow(const catalogue::FilmRecord* r);
    // Sets the film panel of the status bar; the film window does so when it adds a film.
    void setFilmPanel(qint32 filmTotal);

    void newClick();
    void openClick();
    void editClick();
    void deleteClick();
    void seekClick();
    void infoClick();
    void quitClick();
    bool FormCloseQuery();
    void FormClose();

    // False when the archive exists but could not be read: the program must end without saving.
    bool archiveReadable() const { return archiveReadable_; }
    // Saves without a question as the session ends (a signal, logout, a lost display), unless the
    // window has already closed. True when saved or nothing was left to save.
    bool saveForSessionEnd();

    ui::ReportList* cassettes;
    QLabel* Label1;
    QPushButton* new_; // "new" and "delete" are C++ keywords
    QPushButton* open;
    QPushButton* edit;
    QPushButton* delete_;
    QPushButton* seek;
    QPushButton* quit;
    QPushButton* info;
    QStatusBar* StatusBar;
    QLabel* tapesPanel;
    QLabel* filmsPanel;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate(const QString& programDir);
    void buildRows();
    void createControls();
    void fitColumns();
    void setRow(int row, const QString& caption, int length, int filmCount, int remaining);
    int selectedRowOrWarn(const QString& english, const QString& german);

    catalogue::Catalogue& catalogue_;
    QString archivePath_;
    Tcasprop* casprop_ = nullptr;
    std::function<void()> openInfo_;
    std::function<void(catalogue::FilmRecord*)> openFilm_;
    std::function<void()> openSearch_;
    bool centred_ = false;
    bool closing_ = false;
    bool archiveReadable_ = true;
};

} // namespace windows
