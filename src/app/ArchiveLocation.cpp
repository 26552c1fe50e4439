#include "app/ArchiveLocation.h"

#include "storage/Archive.h"
#include "storage/FileSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

namespace app {
namespace {

bool isInstalledCopy(const QString& programDir)
{
    return QFileInfo::exists(programDir + QStringLiteral(RM_DESKTOP_ENTRY));
}

// False when the program's own path holds bytes that are no valid text: its folder's name as a
// QString would name another folder, and the archive there would be another file.
bool programFolderRepresentable()
{
    char path[4096];
    const ssize_t size = ::readlink("/proc/self/exe", path, sizeof path);
    return size <= 0 ||
           (size < ssize_t(sizeof path) && catalogue::isRepresentablePath(QByteArray(path, size)));
}

} // namespace

QString chooseArchivePath(const QString& programDir, const QString& userDataDir)
{
    if (!isInstalledCopy(programDir)) {
        const QString beside = catalogue::archivePath(programDir);
        const QFileInfo archive(beside);
        // QFileInfo asks the system (access()), so a read-only mount counts as not writable. An
        // archive lying there is the user's catalogue even where it cannot be saved: it opens with
        // the write-protection warning rather than an empty catalogue somewhere else.
        if (QFileInfo(programDir).isWritable() || archive.exists())
            return beside;
    }
    return catalogue::archivePath(userDataDir);
}

QString defaultArchivePath()
{
    const QString programDir = QCoreApplication::applicationDirPath() + u'/';
    const QString userDataDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u'/';
    const QString path = programFolderRepresentable() ? chooseArchivePath(programDir, userDataDir)
                                                      : catalogue::archivePath(userDataDir);
    // A folder that cannot be made shows as a write-protected archive at start and as a failed save.
    if (path.startsWith(userDataDir))
        QDir().mkpath(userDataDir);
    return path;
}

} // namespace app
