#include "storage/ArchiveClaims.h"

#include "storage/Archive.h"
#include "storage/ArchiveLock.h"
#include "storage/FileSystem.h"
#include "storage/Generations.h"
#include "storage/InPlaceCopy.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <optional>
#include <sys/stat.h>
#include <utility>

namespace catalogue {

namespace {

enum class Kind
{
    Archive,
    Backup,
    LockFile,
    InPlaceCopy
};

QString claimText(Kind kind)
{
    switch (kind) {
    case Kind::Archive:
        return QCoreApplication::translate("catalogue::ArchiveFiles",
                                           "The file is the archive of reelMINDER/32");
    case Kind::Backup:
        return QCoreApplication::translate("catalogue::ArchiveFiles",
                                           "The file is the backup of the archive of reelMINDER/32");
    case Kind::LockFile:
        return QCoreApplication::translate("catalogue::ArchiveFiles",
                                           "The file is the lock file of the archive of reelMINDER/32");
    case Kind::InPlaceCopy:
        break;
    }
    return QCoreApplication::translate("catalogue::ArchiveFiles",
                                       "The file is a copy of an archive that reelMINDER/32 keeps");
}

std::optional<struct stat> statOf(const QString& path, bool followLinks = true)
{
    struct stat info = {};
    const QByteArray name = nativePath(path);
    if ((followLinks ? ::stat(name.constData(), &info) : ::lstat(name.constData(), &info)) != 0)
        return std::nullopt;
    return info;
}

bool sameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

bool liesIn(const QString& path, const QString& folder)
{
    const auto parent = statOf(QFileInfo(path).absolutePath());
    const auto wanted = statOf(folder);
    return parent && wanted && sameFile(*parent, *wanted);
}

// Two names of one entry: the same name in the same folder, however the folder was reached.
bool sameEntry(const QString& a, const QString& b)
{
    return QFileInfo(a).fileName() == QFileInfo(b).fileName() && liesIn(a, QFileInfo(b).absolutePath());
}

} // namespace

std::optional<QString> claimedTarget(const ArchiveFiles& archive, const QString& target)
{
    if (archive.archive().isEmpty())
        return std::nullopt;
    // The backup lies beside the real file, as the save keeps it; the lock file is named by the lock.
    const QString real = realFilePath(archive.archive());
    const std::pair<QString, Kind> named[] = {
        {real, Kind::Archive},
        {real + QString::fromUtf16(kBackupSuffix), Kind::Backup},
        {ArchiveLock(archive.archive()).lockFilePath(), Kind::LockFile}};
    // Every file there, whatever its name: the copies are named by whoever keeps them.
    const QString copies = InPlaceCopy::defaultFolder();
    // The generations lie one folder down, in a folder of each archive.
    const auto isGeneration = [](const QString& file) {
        return liesIn(QFileInfo(file).absolutePath(), Generations::defaultRoot());
    };

    if (const std::optional<struct stat> existing = statOf(target)) {
        for (const auto& [name, kind] : named) {
            if (const auto file = statOf(name); file && sameFile(*file, *existing))
                return claimText(kind);
        }
        const QDir folder(copies);
        for (const QString& entry : folder.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
            const auto file = statOf(folder.filePath(entry), false);
            if (file && S_ISREG(file->st_mode) && sameFile(*file, *existing))
                return claimText(Kind::InPlaceCopy);
        }
        if (isGeneration(realFilePath(target)))
            return claimText(Kind::InPlaceCopy);
        return std::nullopt;
    }
    // Not there yet, the archive perhaps neither: the name the file would be created under.
    const QString created = realFilePath(target);
    for (const auto& [name, kind] : named) {
        if (sameEntry(created, name))
            return claimText(kind);
    }
    if (liesIn(created, copies) || isGeneration(created))
        return claimText(Kind::InPlaceCopy);
    return std::nullopt;
}

} // namespace catalogue
