#include "app/Startup.h"

#include "app/AboutDialog.h"
#include "app/LanguageDialog.h"
#include "app/SessionEnd.h"
#include "catalogue/Archive.h"
#include "catalogue/ArchiveLock.h"
#include "catalogue/Catalogue.h"
#include "ui/Help.h"
#include "ui/Language.h"
#include "ui/MessageBox.h"
#include "ui/Modal.h"
#include "ui/SettingsStore.h"
#include "windows/CassetteDialog.h"
#include "windows/FilmWindow.h"
#include "windows/GenreLists.h"
#include "windows/MainWindow.h"
#include "windows/SearchDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>

using namespace Qt::StringLiterals;

namespace app {

Startup::Startup(const QString& archivePath, std::optional<quint8> language)
{
    // The settings are opened first, then the main window loads the archive: its messages come
    // before any window and before the language is known.
    settings_ = std::make_unique<ui::SettingsStore>();
    if (!lockArchive(archivePath))
        return;
    auto mainWindow = std::make_unique<windows::MainWindow>(catalogue::Catalogue::instance(), archivePath);
    if (!mainWindow->archiveReadable())
        return;
    mainWindow_ = std::move(mainWindow);
    sessionEnd_ = new SessionEnd([this] { return mainWindow_->saveForSessionEnd(); }, mainWindow_.get());
    filmWindow_ = new windows::FilmWindow(catalogue::Catalogue::instance(), mainWindow_.get());
    cassetteDialog_ = new windows::CassetteDialog(mainWindow_.get());
    searchDialog_ = new windows::SearchDialog(catalogue::Catalogue::instance(), mainWindow_.get());
    aboutDialog_ = new AboutDialog(mainWindow_.get());
    aboutDialog_->setArchivePath(mainWindow_->archivePath());
    languageDialog_ = new LanguageDialog(*settings_, genreCombos(), mainWindow_.get());

    mainWindow_->setCassetteDialog(cassetteDialog_);
    mainWindow_->setAboutOpener([this] { ui::execModal(aboutDialog_); });
    filmWindow_->setObservers({
        .cassetteChanged = [this](const catalogue::FilmRecord& r) { mainWindow_->refreshCassetteRow(&r); },
        .filmTotalChanged = [this](qint32 total) { mainWindow_->setFilmCount(total); },
        .filmEdited = [this](const catalogue::FilmRecord& r) { searchDialog_->refreshFilm(&r); },
        .filmDeleted = [this](const catalogue::FilmRecord& r) { searchDialog_->removeFilm(&r); },
    });
    const auto openFilm = [this](catalogue::FilmRecord* anchor) {
        filmWindow_->setAnchor(anchor);
        ui::execModal(filmWindow_);
    };
    mainWindow_->setFilmOpener(openFilm);
    searchDialog_->setFilmOpener(openFilm);
    mainWindow_->setSearchOpener([this] { ui::execModal(searchDialog_); });
    aboutDialog_->setLanguageDialog(languageDialog_);

    readLanguage(language);
    windows::fillGenreLists(ui::language(), genreCombos());
    ui::setHelpFile(ui::helpFileOf(ui::language()));
}

windows::GenreCombos Startup::genreCombos() const
{
    return {searchDialog_->genreCombo(), filmWindow_->genreCombo()};
}

Startup::~Startup()
{
    mainWindow_.reset();
    lock_.reset();
    settings_.reset();
}

// One copy of the program per archive: a second one would overwrite the first one's work at its
// exit. Where no lock can be made at all the program runs without one.
bool Startup::lockArchive(const QString& archive)
{
    lock_ = std::make_unique<catalogue::ArchiveLock>(archive);
    if (lock_->acquire() != catalogue::ArchiveLock::InUse)
        return true;
    ui::messageBox(
        nullptr,
        u"Das Archiv \"%1\" ist bereits in reelMINDER/32 geöffnet (Prozess %2 auf %3).\r\r"
        u"The archive \"%1\" is already open in reelMINDER/32 (process %2 on %3)."_s.arg(
            QDir::toNativeSeparators(archive), QString::number(lock_->ownerPid()), lock_->ownerHost()),
        u"Archiv in Benutzung/Archive in use"_s, ui::MB_ICONERROR);
    return false;
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
