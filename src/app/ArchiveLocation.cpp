#include "app/ArchiveLocation.h"

#include "catalogue/Archive.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace app {
namespace {

bool isInstalledCopy(const QString& programDir)
{
    return QFileInfo::exists(programDir + QStringLiteral(RM_DESKTOP_ENTRY));
}

} // namespace

QString chooseArchivePath(const QString& programDir, const QString& userDataDir)
{
    if (!isInstalledCopy(programDir)) {
        const QString beside = catalogue::archivePath(programDir);
        const QFileInfo archive(beside);
        // QFileInfo asks the system (access()), so a read-only mount counts as not writable.
        if (QFileInfo(programDir).isWritable() || (archive.isFile() && archive.isWritable()))
            return beside;
    }
    return catalogue::archivePath(userDataDir);
}

QString defaultArchivePath()
{
    const QString programDir = QCoreApplication::applicationDirPath() + u'/';
    const QString userDataDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u'/';
    const QString path = chooseArchivePath(programDir, userDataDir);
    // A folder that cannot be made shows as a write-protected archive at start and as a failed save.
    if (path.startsWith(userDataDir))
        QDir().mkpath(userDataDir);
    return path;
}

} // namespace app
