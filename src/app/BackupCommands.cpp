#include "app/BackupCommands.h"

#include "app/ArchiveSession.h"
#include "catalogue/Catalogue.h"
#include "storage/Generations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace app {

namespace {

class BackupCommand final
{
    Q_DECLARE_TR_FUNCTIONS(app::BackupCommand)

public:
    static int list(const QString& archivePath);
    static int restore(const QString& archivePath, int number);
};

void printError(const QString& text)
{
    std::fputs(qPrintable(text + u'\n'), stderr);
}

void printLine(const QString& text)
{
    std::fputs(qPrintable(text + u'\n'), stdout);
}

// ISO 8601 in local time with its offset from UTC, "+00:00" included, to the second.
QString localTimeText(const QDateTime& saved)
{
    const QDateTime local = saved.toLocalTime();
    const int offset = local.offsetFromUtc();
    const int minutes = std::abs(offset) / 60;
    return local.toString(u"yyyy-MM-ddTHH:mm:ss"_s) + (offset < 0 ? u'-' : u'+') +
           u"%1:%2"_s.arg(minutes / 60, 2, 10, QChar(u'0')).arg(minutes % 60, 2, 10, QChar(u'0'));
}

int BackupCommand::list(const QString& archivePath)
{
    const catalogue::Generations generations(archivePath);
    const QString shownArchive = QDir::toNativeSeparators(generations.archive());
    if (!generations.folder().isEmpty() && !QFileInfo(generations.folder()).isReadable()) {
        printError(tr("The backups of the archive \"%1\" in %2 cannot be read.")
                       .arg(shownArchive, QDir::toNativeSeparators(generations.folder())));
        return 1;
    }
    const std::vector<catalogue::Generation> kept = generations.list();
    if (kept.empty()) {
        printError(tr("No backups of the archive \"%1\" are kept.").arg(shownArchive));
        return 0;
    }
    for (const catalogue::Generation& g : kept) {
        QString line = u"%1  %2  %3  %4"_s.arg(g.number, 3)
                           .arg(localTimeText(g.saved), tr("%n cassette(s)", nullptr, g.tapes),
                                tr("%n film(s)", nullptr, g.films));
        if (g.damaged)
            line += u"  "_s + tr("damaged (%1)").arg(g.problem);
        printLine(line);
    }
    return 0;
}

int BackupCommand::restore(const QString& archivePath, int number)
{
    catalogue::Catalogue unused;
    ArchiveSession session(unused, archivePath);
    const QString shownArchive = QDir::toNativeSeparators(archivePath);
    // The same lock as the windowed program's: the other copy would save its own catalogue over this.
    if (session.lock() == catalogue::ArchiveLock::InUse) {
        printError(
            tr("The archive \"%1\" is open in reelMINDER/32; nothing was restored.").arg(shownArchive));
        return 1;
    }
    if (session.archiveLock().state() == catalogue::ArchiveLock::Unavailable) {
        printError(tr("The archive \"%1\" cannot be locked. A second reelMINDER/32 on the same archive could "
                      "overwrite the restored backup.")
                       .arg(shownArchive));
    }
    if (session.archiveLock().state() == catalogue::ArchiveLock::Held && session.hasInterruptedSave()) {
        printError(
            tr("The last save of the archive \"%1\" was interrupted; start reelMINDER/32 to restore the "
               "copy kept from before it. Nothing was restored.")
                .arg(shownArchive));
        return 1;
    }
    session.removeLeftovers();

    catalogue::Generations generations(archivePath);
    const std::vector<catalogue::Generation> kept = generations.list();
    if (number > int(kept.size())) {
        printError(tr("The archive \"%1\" has no backup %2; --list-backups lists those kept.")
                       .arg(shownArchive)
                       .arg(number));
        return 1;
    }
    const catalogue::Generation& chosen = kept[std::size_t(number - 1)];
    const catalogue::SaveResult restored = generations.restore(chosen);
    if (!restored.saved) {
        printError(restored.reason);
        printError(tr("The backup %1 was not restored; the archive \"%2\" is unchanged.")
                       .arg(QString::number(number), shownArchive));
        return 1;
    }
    printLine(tr("The archive \"%1\" now holds the backup of %2; the archive as it stood was kept as a new "
                 "backup.")
                  .arg(shownArchive, localTimeText(chosen.saved)));
    if (!restored.generationNote.isEmpty())
        printError(restored.generationNote);
    return 0;
}

} // namespace

int listBackups(const QString& archivePath)
{
    return BackupCommand::list(archivePath);
}

int restoreBackup(const QString& archivePath, int number)
{
    return BackupCommand::restore(archivePath, number);
}

} // namespace app
