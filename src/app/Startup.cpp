#include "app/Startup.h"

#include "app/AboutDialog.h"
#include "app/ArchiveSession.h"
#include "app/LanguageDialog.h"
#include "app/SessionEnd.h"
#include "catalogue/Catalogue.h"
#include "ui/Language.h"
#include "ui/Modal.h"
#include "ui/SettingsStore.h"
#include "windows/core/CassetteDialog.h"
#include "windows/core/FilmWindow.h"
#include "windows/core/GenreLists.h"
#include "windows/core/MainWindow.h"
#include "windows/core/SearchDialog.h"
#include "windows/labels/LabelDialog.h"
#include "windows/statistics/StatisticsWindow.h"
#include "windows/tools/BackupsWindow.h"
#include "windows/tools/DuplicatesWindow.h"
#include "windows/tools/FindSpaceWindow.h"
#include "windows/tools/TapeMapWindow.h"
#include "windows/undo/CatalogueCommands.h"

#include <QApplication>
#include <QComboBox>
#include <QUndoStack>

#include <array>

using namespace Qt::StringLiterals;

namespace app {

Startup::Startup(const QString& archivePath, std::optional<quint8> language)
{
    catalogue::Catalogue& catalogue = catalogue::Catalogue::instance();
    // The settings are opened first, then the archive: its messages come before any window and
    // before the language is known.
    settings_ = std::make_unique<ui::SettingsStore>();
    session_ = std::make_unique<ArchiveSession>(catalogue, archivePath);
    if (!session_->open())
        return;
    undoStack_ = std::make_unique<QUndoStack>();
    windows::followHistory(*undoStack_, catalogue);
    mainWindow_ = std::make_unique<windows::MainWindow>(catalogue, *undoStack_);
    mainWindow_->setArchiveSaver(session_.get());
    sessionEnd_ = new SessionEnd(
        [this] {
            // A film being typed is part of the session's work.
            filmWindow_->saveForSessionEnd();
            return session_->saveForSessionEnd();
        },
        mainWindow_.get());
    filmWindow_ = new windows::FilmWindow(catalogue, *undoStack_, mainWindow_.get());
    cassetteDialog_ = new windows::CassetteDialog(mainWindow_.get());
    searchDialog_ = new windows::SearchDialog(catalogue, mainWindow_.get());
    aboutDialog_ = new AboutDialog(mainWindow_.get());
    aboutDialog_->setArchivePath(archivePath);
    languageDialog_ = new LanguageDialog(*settings_, genreCombos(), mainWindow_.get());

    mainWindow_->setCassetteDialog(cassetteDialog_);
    aboutDialog_->setLanguageDialog(languageDialog_);
    QObject::connect(mainWindow_.get(), &windows::MainWindow::aboutRequested, aboutDialog_,
                     [this] { ui::execModal(aboutDialog_); });
    QObject::connect(mainWindow_.get(), &windows::MainWindow::searchRequested, searchDialog_,
                     [this] { ui::execModal(searchDialog_); });
    QObject::connect(mainWindow_.get(), &windows::MainWindow::filmWindowRequested, filmWindow_,
                     [this](const catalogue::Cassette* cassette, const catalogue::FilmRecord* film) {
                         openFilmWindow(cassette, film);
                     });
    QObject::connect(searchDialog_, &windows::SearchDialog::filmRequested, filmWindow_,
                     [this, &catalogue](const catalogue::FilmRecord* film) {
                         openFilmWindow(catalogue.cassetteOf(*film), film);
                     });

    createTools();

    readLanguage(language);
    windows::fillGenreLists(ui::language(), genreCombos());
}

// The tools stay open beside the main window: asked for again, a tool comes to the front.
void Startup::createTools()
{
    catalogue::Catalogue& catalogue = catalogue::Catalogue::instance();
    windows::MainWindow* main = mainWindow_.get();
    findSpaceWindow_ = std::make_unique<windows::FindSpaceWindow>(catalogue);
    tapeMapWindow_ = std::make_unique<windows::TapeMapWindow>(catalogue);
    duplicatesWindow_ = std::make_unique<windows::DuplicatesWindow>(catalogue);
    statisticsWindow_ = std::make_unique<windows::StatisticsWindow>(catalogue);
    labelDialog_ = std::make_unique<windows::LabelDialog>(catalogue, *settings_);
    backupsWindow_ = std::make_unique<windows::BackupsWindow>(catalogue, *undoStack_);
    for (ui::ToolWindow* tool : tools()) {
        tool->setCompanion(main);
        tool->setSettings(settings_.get());
    }
    QObject::connect(main, &windows::MainWindow::findSpaceRequested, findSpaceWindow_.get(),
                     &ui::ToolWindow::present);
    QObject::connect(main, &windows::MainWindow::tapeMapRequested, tapeMapWindow_.get(),
                     &ui::ToolWindow::present);
    QObject::connect(main, &windows::MainWindow::duplicatesRequested, duplicatesWindow_.get(),
                     &ui::ToolWindow::present);
    QObject::connect(main, &windows::MainWindow::statisticsRequested, statisticsWindow_.get(),
                     &ui::ToolWindow::present);
    // Asked for again while open, the labels start anew from the tape selected now.
    QObject::connect(main, &windows::MainWindow::labelsRequested, labelDialog_.get(),
                     [this](const catalogue::Cassette* selected) {
                         labelDialog_->prepare(selected);
                         labelDialog_->present();
                     });
    const auto open = [this](const catalogue::Cassette* cassette, const catalogue::FilmRecord* film) {
        openFilmWindow(cassette, film);
    };
    QObject::connect(findSpaceWindow_.get(), &windows::FindSpaceWindow::filmWindowRequested, filmWindow_,
                     open);
    QObject::connect(tapeMapWindow_.get(), &windows::TapeMapWindow::filmWindowRequested, filmWindow_, open);
    QObject::connect(duplicatesWindow_.get(), &windows::DuplicatesWindow::filmWindowRequested, filmWindow_,
                     open);
    QObject::connect(main, &windows::MainWindow::backupsRequested, backupsWindow_.get(),
                     &ui::ToolWindow::present);
    QObject::connect(backupsWindow_.get(), &windows::BackupsWindow::filmWindowRequested, filmWindow_, open);
}

std::array<ui::ToolWindow*, 6> Startup::tools() const
{
    return {findSpaceWindow_.get(),  tapeMapWindow_.get(), duplicatesWindow_.get(),
            statisticsWindow_.get(), labelDialog_.get(),   backupsWindow_.get()};
}

// Those still open at the end keep their places for the next run, as if closed by hand.
void Startup::closeTools()
{
    for (ui::ToolWindow* tool : tools()) {
        if (tool && tool->isVisible())
            tool->rememberPlace();
    }
    backupsWindow_.reset();
    labelDialog_.reset();
    statisticsWindow_.reset();
    duplicatesWindow_.reset();
    tapeMapWindow_.reset();
    findSpaceWindow_.reset();
}

void Startup::openFilmWindow(const catalogue::Cassette* cassette, const catalogue::FilmRecord* film)
{
    // A cassette that has gone meanwhile has nothing to show.
    if (!cassette)
        return;
    filmWindow_->setCassette(cassette, film);
    ui::execModal(filmWindow_);
}

windows::GenreCombos Startup::genreCombos() const
{
    return {searchDialog_->genreCombo(), filmWindow_->genreCombo()};
}

Startup::~Startup()
{
    closeTools();
    mainWindow_.reset();
    undoStack_.reset();
    session_.reset();
    settings_.reset();
}

// A language from the command line holds for this run. Otherwise a stored 0 or 1 is the language;
// anything else counts as no choice yet, and the user is asked.
void Startup::readLanguage(std::optional<quint8> language)
{
    if (!language)
        language = ui::readLanguage(*settings_);
    if (language) {
        ui::setLanguage(*language);
        return;
    }
    languageDialog_->setPreselection(-1);
    ui::execModal(languageDialog_);
    ui::setLanguage(languageDialog_->chosenLanguage());
}

int Startup::run()
{
    if (!ready())
        return 1;
    mainWindow_->show();
    return QApplication::exec();
}

} // namespace app
