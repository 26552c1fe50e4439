#include "Archive.h"

#include "catalogue/Catalogue.h"
#include "catalogue/SaveTarget.h"

#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>

#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <system_error>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <unistd.h>
#endif

namespace catalogue {

namespace {

// Reads and writes go through about 1 MB of whole records: bounded memory, few system calls.
constexpr qint64 kRecordBytes = static_cast<qint64>(kRecordSize);
constexpr qint64 kChunkBytes = (qint64{1} << 20) / kRecordBytes * kRecordBytes;

std::filesystem::path fsPath(const QString& path)
{
#ifdef Q_OS_WIN
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

// Makes a rename durable. Best effort: some file systems cannot sync a folder, and the archive
// is already complete in its place by then.
void syncFolder([[maybe_unused]] const QString& folder)
{
#ifndef Q_OS_WIN
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        static_cast<void>(::fsync(fd));
        ::close(fd);
    }
#endif
}

// Writes every record image, with zero link fields, through one bounded buffer.
bool writeRecords(const Catalogue& catalogue, QFile& file, SaveTarget& target)
{
    const auto buffer = std::make_unique_for_overwrite<char[]>(kChunkBytes);
    qint64 held = 0;
    for (const FilmRecord* r = catalogue.head(); r; r = r->next) {
        char* const image = buffer.get() + held;
        std::memcpy(image, r, kRecordSize);
        std::memset(image + offsetof(FilmRecord, diskPrev), 0, 2 * sizeof(quint32));
        held += kRecordBytes;
        if (held == kChunkBytes) {
            if (!target.write(file, buffer.get(), held))
                return false;
            held = 0;
        }
    }
    return held == 0 || target.write(file, buffer.get(), held);
}

// One complete attempt: a new file beside the archive, filled, synced and renamed over it.
// On failure the new file is removed and the archive has not been touched.
bool saveOnce(const Catalogue& catalogue, const QString& path, SaveTarget& target)
{
    // Through a link the target is saved, so the link stays a link.
    const QFileInfo link(path);
    const QFileInfo info(link.isSymLink() ? link.symLinkTarget() : path);
    const QString archive = info.absoluteFilePath();

    std::optional<QFileDevice::Permissions> permissions;
    if (info.exists()) {
        // A write-protected archive counts as failure even though its folder would allow the rename.
        if (!info.isFile() || !info.isWritable())
            return false;
        permissions = info.permissions();
    }

    // A leftover of an interrupted save goes first; NewOnly then never writes through a stray link.
    const QString temp = archive + QStringLiteral(".tmp");
    if (QFileInfo::exists(temp) || QFileInfo(temp).isSymLink())
        QFile::remove(temp);
    QFile file(temp);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        return false;
    auto discard = qScopeGuard([&file, &temp] {
        file.close();
        QFile::remove(temp);
    });

    if (!writeRecords(catalogue, file, target) || !target.sync(file))
        return false;
    file.close();
    if (file.error() != QFileDevice::NoError)
        return false;
    if (permissions)
        file.setPermissions(*permissions); // best effort: some file systems keep no permissions

    std::error_code error;
    std::filesystem::rename(fsPath(temp), fsPath(archive), error);
    if (error)
        return false;
    discard.dismiss();
    syncFolder(info.absolutePath());
    return true;
}

} // namespace

QString ArchivePath(const QString& programDir)
{
    return programDir + QString::fromUtf16(kArchiveFileName);
}

LoadResult LoadArchive(Catalogue& catalogue, const QString& path)
{
    LoadResult result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::ExistingOnly | QIODevice::Unbuffered))
        return result;
    result.opened = true;

    // Whole records go from the buffer into their own allocations; a part record waits at the
    // front of the buffer for the rest of its bytes.
    const auto buffer = std::make_unique_for_overwrite<char[]>(kChunkBytes);
    qint64 held = 0;
    bool readFailed = false;
    for (;;) {
        const qint64 got = file.read(buffer.get() + held, kChunkBytes - held);
        if (got <= 0) {
            readFailed = got < 0;
            break;
        }
        held += got;
        const qint64 whole = held / kRecordBytes * kRecordBytes;
        for (qint64 offset = 0; offset < whole; offset += kRecordBytes) {
            // Every byte of the image is overwritten at once, so the record needs no clearing.
            auto record = std::make_unique_for_overwrite<FilmRecord>();
            std::memcpy(record.get(), buffer.get() + offset, kRecordSize);
            // The links on disk are meaningless; the list is rebuilt in file order.
            record->diskPrev = 0;
            record->diskNext = 0;
            catalogue.AppendRecord(std::move(record));
        }
        held -= whole;
        std::memmove(buffer.get(), buffer.get() + whole, static_cast<std::size_t>(held));
    }
    result.sizeOk = !readFailed && held == 0;
    return result;
}

bool SaveArchive(Catalogue& catalogue, const QString& path, const RetryQuestion& askRetry)
{
    SaveTarget target;
    return SaveArchive(catalogue, path, askRetry, target);
}

bool SaveArchive(Catalogue& catalogue, const QString& path, const RetryQuestion& askRetry, SaveTarget& target)
{
    const auto release = qScopeGuard([&catalogue] { catalogue.ReleaseAll(); });
    for (;;) {
        if (saveOnce(catalogue, path, target))
            return true;
        if (!askRetry || !askRetry())
            return false;
    }
}

} // namespace catalogue
