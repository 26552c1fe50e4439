#include "app/Startup.h"

#include "app/AboutDialog.h"
#include "app/LanguageDialog.h"
#include "app/SessionEnd.h"
#include "catalogue/Archive.h"
#include "catalogue/ArchiveLock.h"
#include "catalogue/Catalogue.h"
#include "catalogue/InPlaceCopy.h"
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
    if (lock_->state() == catalogue::ArchiveLock::Held) {
        offerInterruptedSave(archivePath);
        catalogue::removeSaveLeftovers(archivePath);
    }
    auto mainWindow = std::make_unique<windows::MainWindow>(catalogue::Catalogue::instance(), archivePath);
    if (!mainWindow->archiveReadable())
        return;
    mainWindow_ = std::move(mainWindow);
    if (lock_->state() != catalogue::ArchiveLock::Held && !catalogue::archiveWriteProblem(archivePath))
        warnUnlocked(archivePath);
    sessionEnd_ = new SessionEnd(
        [this] {
            // A film being typed is part of the session's work.
            filmWindow_->saveForSessionEnd();
            return mainWindow_->saveForSessionEnd();
        },
        mainWindow_.get());
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
    // The holder is known from its lock file, unless it opened the archive by another name.
    const QString path = QDir::toNativeSeparators(archive);
    const QString text =
        lock_->ownerPid() > 0
            ? u"Das Archiv \"%1\" ist bereits in reelMINDER/32 geöffnet (Prozess %2 auf %3).\r\r"
              u"The archive \"%1\" is already open in reelMINDER/32 (process %2 on %3)."_s.arg(
                  path, QString::number(lock_->ownerPid()), lock_->ownerHost())
            : u"Das Archiv \"%1\" ist bereits in reelMINDER/32 geöffnet.\r\r"
              u"The archive \"%1\" is already open in reelMINDER/32."_s.arg(path);
    ui::messageBox(nullptr, text, u"Archiv in Benutzung/Archive in use"_s, ui::Icon::Error);
    return false;
}

// Where no lock can be had (a folder that takes no lock file, a file system without locks), the
// program still runs, but the user is told what that risks.
void Startup::warnUnlocked(const QString& archive)
{
    ui::messageBox(
        nullptr,
        u"Das Archiv \"%1\" kann nicht gesperrt werden. Ein zweites reelMINDER/32 auf demselben Archiv "
        u"könnte die Änderungen dieses Programms überschreiben.\r\rThe archive \"%1\" cannot be locked. A "
        u"second reelMINDER/32 on the same archive could overwrite the changes made in this one."_s.arg(
            QDir::toNativeSeparators(archive)),
        u"Archiv nicht gesperrt/Archive not locked"_s, ui::Icon::Warning);
}

// A save in place that never ended (the program was killed) may have left the archive half written;
// the copy kept from before it is offered back.
void Startup::offerInterruptedSave(const QString& archive)
{
    catalogue::InPlaceCopy copy(catalogue::realArchivePath(archive), catalogue::InPlaceCopy::defaultFolder());
    if (!copy.interrupted())
        return;
    const QString shown = QDir::toNativeSeparators(archive);
    const ui::Button answer = ui::messageBox(
        nullptr,
        u"Das letzte Speichern des Archivs \"%1\" wurde unterbrochen; das Archiv kann unvollständig sein. "
        u"Eine Kopie des Archivs von vor diesem Speichern ist erhalten (%2). Soll sie wiederhergestellt "
        u"werden?\r\rThe last save of the archive \"%1\" was interrupted; the archive may be incomplete. A "
        u"copy of the archive from before that save was kept (%2). Do you want to restore it?"_s.arg(
            shown, QDir::toNativeSeparators(copy.copyPath())),
        u"Speichern unterbrochen/Save interrupted"_s, ui::Icon::Question, ui::kYesNo);
    if (answer != QMessageBox::Yes) {
        copy.forget();
        return;
    }
    if (const std::optional<QString> problem = copy.restore()) {
        ui::messageBox(nullptr,
                       u"Die Kopie konnte nicht wiederhergestellt werden (%1); sie bleibt unter \"%2\" "
                       u"erhalten.\r\rThe copy could not be restored (%1); it stays at \"%2\"."_s.arg(
                           *problem, QDir::toNativeSeparators(copy.copyPath())),
                       u"Speichern unterbrochen/Save interrupted"_s, ui::Icon::Error);
    }
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
