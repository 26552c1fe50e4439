#include "app/ArchiveSession.h"

#include "catalogue/Catalogue.h"
#include "storage/InPlaceCopy.h"
#include "storage/SaveTarget.h"
#include "ui/MessageBox.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace app {

namespace {

catalogue::InPlaceCopy inPlaceCopyOf(const QString& archive)
{
    return catalogue::InPlaceCopy(catalogue::realArchivePath(archive),
                                  catalogue::InPlaceCopy::defaultFolder());
}

} // namespace

ArchiveSession::ArchiveSession(catalogue::Catalogue& catalogue, const QString& archivePath)
    : catalogue_(catalogue), archivePath_(archivePath), lock_(archivePath)
{}

ArchiveSession::~ArchiveSession() = default;

catalogue::ArchiveLock::State ArchiveSession::lock()
{
    return lock_.acquire();
}

bool ArchiveSession::hasInterruptedSave() const
{
    return inPlaceCopyOf(archivePath_).interrupted();
}

std::optional<QString> ArchiveSession::restoreInterruptedSave()
{
    return inPlaceCopyOf(archivePath_).restore();
}

std::optional<QString> ArchiveSession::setInterruptedCopyAside()
{
    return inPlaceCopyOf(archivePath_).setAside();
}

void ArchiveSession::removeLeftovers()
{
    if (lock_.state() != catalogue::ArchiveLock::Held)
        return;
    catalogue::removeSaveLeftovers(archivePath_);
    inPlaceCopyOf(archivePath_).removeLeftovers();
}

catalogue::LoadResult ArchiveSession::load()
{
    const catalogue::LoadResult loaded = catalogue::loadArchive(catalogue_, archivePath_);
    loaded_ = loaded.readable();
    return loaded;
}

bool ArchiveSession::open()
{
    const QString path = QDir::toNativeSeparators(archivePath_);
    // One copy of the program per archive: a second one would overwrite the first one's work at its
    // exit.
    if (lock() == catalogue::ArchiveLock::InUse) {
        // The holder is known from its lock file, unless it opened the archive by another name.
        const QString text =
            lock_.ownerPid() > 0
                ? u"Das Archiv „%1“ ist bereits in reelMINDER/32 geöffnet (Prozess %2 auf %3).\r\r"
                  u"The archive \"%1\" is already open in reelMINDER/32 (process %2 on %3)."_s.arg(
                      path, QString::number(lock_.ownerPid()), lock_.ownerHost())
                : u"Das Archiv „%1“ ist bereits in reelMINDER/32 geöffnet.\r\r"
                  u"The archive \"%1\" is already open in reelMINDER/32."_s.arg(path);
        ui::messageBox(nullptr, text, u"Archiv in Benutzung/Archive in use"_s, ui::Icon::Error);
        return false;
    }
    if (lock_.state() == catalogue::ArchiveLock::Held && hasInterruptedSave()) {
        // A save in place that never ended may have left the archive half written.
        const catalogue::InPlaceCopy inPlaceCopy = inPlaceCopyOf(archivePath_);
        const QString copy = QDir::toNativeSeparators(inPlaceCopy.copyPath());
        const ui::Button answer = ui::messageBox(
            nullptr,
            u"Das letzte Speichern des Archivs „%1“ wurde unterbrochen; das Archiv kann unvollständig "
            u"sein. Eine Kopie des Archivs von vor diesem Speichern ist erhalten (%2). Soll sie "
            u"wiederhergestellt werden? Ja schreibt die Kopie über das Archiv. Nein lässt das Archiv, wie es "
            u"ist; die Kopie bleibt dann als „%3“ erhalten, bis Sie sie löschen.\r\rThe last save of the "
            u"archive \"%1\" was interrupted; the archive may be incomplete. A copy of the archive from "
            u"before that save was kept (%2). Do you want to restore it? Yes writes the copy over the "
            u"archive. No leaves the archive as it is; the copy then stays as \"%3\" until you remove "
            u"it."_s.arg(path, copy, QDir::toNativeSeparators(inPlaceCopy.asidePath())),
            u"Speichern unterbrochen/Save interrupted"_s, ui::Icon::Question, ui::kYesNo);
        if (answer != QMessageBox::Yes) {
            // Should the copy not move, the marker stays, and no save replaces the copy.
            static_cast<void>(setInterruptedCopyAside());
        } else if (const std::optional<QString> problem = restoreInterruptedSave()) {
            // Going on would run on, and at the exit save, an archive that may be a part of the copy.
            ui::messageBox(
                nullptr,
                u"Die Kopie konnte nicht wiederhergestellt werden (%1); sie bleibt unter „%2“ "
                u"erhalten. reelMINDER/32 wird beendet, ohne das Archiv zu laden, das unvollständig "
                u"sein kann.\r\rThe copy could not be restored (%1); it stays at \"%2\". "
                u"reelMINDER/32 ends without loading the archive, which may be incomplete."_s.arg(*problem,
                                                                                                  copy),
                u"Speichern unterbrochen/Save interrupted"_s, ui::Icon::Error);
            return false;
        }
    }
    removeLeftovers();

    const catalogue::LoadResult loaded = load();
    if (!loaded.readable()) {
        // Going on would write an empty catalogue over an archive that is only out of reach.
        ui::messageBox(nullptr,
                       u"Das Archiv „%1“ kann nicht gelesen werden (%2). reelMINDER/32 wird beendet, ohne es "
                       u"zu verändern.\r\rThe archive \"%1\" cannot be read (%2). reelMINDER/32 ends without "
                       u"changing it."_s.arg(path, loaded.reason),
                       u"Archiv nicht lesbar/Archive not readable"_s, ui::Icon::Error);
        return false;
    }
    if (!loaded.sizeOk) {
        ui::messageBox(nullptr,
                       u"Die Größe der Archivdatei stimmt nicht. Deswegen könnte ein Filme fehlen.\r\r"
                       u"The size of the Archivefile is not correct. Therefore a film could be missed."_s,
                       u"Archiv defekt/Archive defect"_s, ui::Icon::Warning);
    }
    // Said now, before the user does the work that could not be kept.
    if (const std::optional<QString> problem = catalogue::archiveWriteProblem(archivePath_)) {
        ui::messageBox(
            nullptr,
            u"Änderungen können nicht gespeichert werden: %1.\r\rChanges cannot be saved: %1."_s.arg(
                *problem),
            u"Archiv schreibgeschützt/Archive write-protected"_s, ui::Icon::Warning);
    } else if (lock_.state() != catalogue::ArchiveLock::Held) {
        // Where no lock can be had (a folder that takes no lock file, a file system without locks),
        // the program still runs, but the user is told what that risks.
        ui::messageBox(
            nullptr,
            u"Das Archiv „%1“ kann nicht gesperrt werden. Ein zweites reelMINDER/32 auf demselben Archiv "
            u"könnte die Änderungen dieses Programms überschreiben.\r\rThe archive \"%1\" cannot be locked. "
            u"A "
            u"second reelMINDER/32 on the same archive could overwrite the changes made in this one."_s.arg(
                path),
            u"Archiv nicht gesperrt/Archive not locked"_s, ui::Icon::Warning);
    }
    return true;
}

void ArchiveSession::saveAtExit(QWidget* owner)
{
    if (finished_ || !loaded_)
        return;
    // A declined retry ends the program all the same; only a successful save releases the records,
    // so whatever happens in between, no later save can write a catalogue that lost them.
    catalogue::SaveTarget target;
    const catalogue::SaveResult saved = catalogue::saveArchiveWithRetry(
        catalogue_, archivePath_,
        [owner](const QString& reason) {
            const ui::Button answer = ui::messageBox(
                owner,
                tr("The Archive could not be saved. The Archivefile (ReelMinder-Archiv.RMA) or the volume is "
                   "probably write-protected.\r\rDo you want to try to save it again?\r\r") +
                    reason,
                tr("Saving of Archive failed"), ui::Icon::Error, ui::kYesNo, QMessageBox::Yes);
            return answer == QMessageBox::Yes;
        },
        target);
    finished_ = true;
    // Told once, now: the work is safe, only its backup is missing.
    if (saved.saved && !saved.generationNote.isEmpty())
        ui::messageBox(owner, saved.generationNote, tr("No backup kept"), ui::Icon::Warning);
}

bool ArchiveSession::saveForSessionEnd()
{
    if (finished_ || !loaded_)
        return true;
    // The session is ending: no question can be answered any more, and the records stay where
    // they are in case the save fails.
    finished_ = true;
    return save().saved;
}

catalogue::SaveResult ArchiveSession::save()
{
    return catalogue::writeArchive(catalogue_, archivePath_);
}

} // namespace app
