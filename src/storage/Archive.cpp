#include "Archive.h"

#include "catalogue/Catalogue.h"
#include "storage/FileHandle.h"
#include "storage/FileSystem.h"
#include "storage/Generations.h"
#include "storage/InPlaceCopy.h"
#include "storage/RecordStream.h"
#include "storage/SaveTarget.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace catalogue {

namespace {

// Reads and writes go through about 1 MB of whole records: bounded memory, few system calls.
constexpr qint64 kRecordBytes = static_cast<qint64>(kRecordSize);
constexpr qint64 kChunkBytes = (qint64{1} << 20) / kRecordBytes * kRecordBytes;

SaveResult failure(const QString& reason)
{
    return {false, reason, {}};
}

// Writes every record image, with zero link fields, through one bounded buffer; crc, where given,
// receives the CRC-32 of the images, which a generation of the save keeps.
bool writeRecords(const Catalogue& catalogue, QFile& file, SaveTarget& target, quint32* crc)
{
    if (crc)
        *crc = recordsChecksum(0, nullptr, 0);
    return forEachRecordChunk(catalogue, [&](const char* bytes, qint64 size) {
        if (crc)
            *crc = recordsChecksum(*crc, bytes, size);
        return target.write(file, bytes, size);
    });
}

// The reason of the failed step: QFile's own text where it has one, else the system's last error.
QString writeFailure(const QFile& file, int error)
{
    if (file.error() != QFileDevice::NoError)
        return file.errorString();
    return systemErrorText(error != 0 ? error : EIO);
}

// Fills fd with the records and pushes them onto the disk. Afterwards the file is closed.
SaveResult fill(const Catalogue& catalogue, FileHandle fd, SaveTarget& target, bool truncate, quint32* crc)
{
    QFile file;
    if (!file.open(fd.release(), QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle))
        return failure(file.errorString());
    errno = 0;
    if (!writeRecords(catalogue, file, target, crc))
        return failure(writeFailure(file, errno));
    // In place, the old archive may have been longer.
    if (truncate && ::ftruncate(file.handle(), file.pos()) != 0)
        return failure(systemErrorText(errno));
    errno = 0;
    if (!target.sync(file))
        return failure(writeFailure(file, errno));
    file.close();
    if (file.error() != QFileDevice::NoError)
        return failure(file.errorString());
    return {true, {}, {}};
}

// Keeps the archive as it is under a new name, as a hard link or else a copy. Empty when that
// could not be done: a missing backup never stops a save.
QString holdPrevious(const QString& archive)
{
    QString held;
    {
        const FileHandle probe = createUnique(archive, QStringLiteral(".bak-"), held);
        if (!probe.valid())
            return {};
    }
    // link() refuses an existing name, so the placeholder just made goes first.
    ::unlink(nativePath(held).constData());
    if (::link(nativePath(archive).constData(), nativePath(held).constData()) == 0)
        return held;
    QFile::remove(held);
    if (QFile::copy(archive, held)) {
        const FileHandle copy(::open(nativePath(held).constData(), O_RDONLY | O_CLOEXEC));
        if (copy.valid() && ::fsync(copy.fd()) == 0)
            return held;
    }
    QFile::remove(held);
    return {};
}

// The archive overwritten where it is, as its folder takes no new file. Its new size is reserved
// before the first byte changes, so a full disk fails with the archive untouched; a copy in the
// user's own folder is put back when the save fails, and offered at the next start when the save
// never ended.
SaveResult saveInPlace(const Catalogue& catalogue, const QString& archive, SaveTarget& target,
                       Generations* generations)
{
    FileHandle file(::open(nativePath(archive).constData(), O_WRONLY | O_CLOEXEC));
    if (!file.valid())
        return failure(systemErrorText(errno));
    // Without a copy (the user's folder is full or missing) the save still goes ahead: the room is
    // reserved below, and the session's work would otherwise be lost.
    InPlaceCopy copy(archive, InPlaceCopy::defaultFolder());
    const bool kept = copy.keep();
    bool done = false;
    // Also when an exception leaves the save half done.
    const auto putBack = qScopeGuard([&] {
        if (kept && !done)
            static_cast<void>(copy.restore());
    });
    const qint64 size = catalogue.recordCount() * kRecordBytes;
    if (const int reserved = reserveSpace(file.fd(), size); reserved != 0)
        return failure(systemErrorText(reserved));
    // A generation that is a link to the archive would change with it.
    const std::optional<QString> separated = generations ? generations->separateFrom(archive) : std::nullopt;
    SaveResult written = fill(catalogue, std::move(file), target, true, nullptr);
    done = written.saved;
    if (done && kept)
        copy.forget();
    if (done && generations) {
        // Always a copy: the next save in place writes into this very file again.
        const std::optional<QString> note = generations->keepCopy(catalogue);
        written.generationNote = separated.value_or(note.value_or(QString()));
    }
    return written;
}

} // namespace

QString archivePath(const QString& programDir)
{
    return programDir + QString::fromUtf16(kArchiveFileName);
}

QString realArchivePath(const QString& path)
{
    return realFilePath(path);
}

LoadResult loadArchive(Catalogue& catalogue, const QString& path)
{
    // Even one that is missing yet: its name must not be taken by an export before the first save.
    catalogue.setArchiveFiles(ArchiveFiles(path));
    LoadResult result;
    auto unreadable = [&](int error) {
        catalogue.releaseAll();
        result.status = LoadResult::Unreadable;
        result.reason = systemErrorText(error);
        return result;
    };

    // Non-blocking, so that a FIFO in the archive's place cannot hang the start.
    const FileHandle file(::open(nativePath(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!file.valid()) {
        if (errno == ENOENT)
            return result;
        return unreadable(errno);
    }
    struct stat info = {};
    if (::fstat(file.fd(), &info) != 0)
        return unreadable(errno);
    if (!S_ISREG(info.st_mode)) {
        catalogue.releaseAll();
        result.status = LoadResult::Unreadable;
        result.reason = notRegularFileText(info.st_mode);
        return result;
    }
    result.status = LoadResult::Loaded;
    // Records read in leave nothing the history could take back at its places.
    catalogue.history().clear();

    // Whole records go from the buffer into their own allocations; a part record waits at the
    // front of the buffer for the rest of its bytes.
    const auto buffer = std::make_unique_for_overwrite<char[]>(kChunkBytes);
    qint64 held = 0;
    for (;;) {
        const ssize_t got =
            ::read(file.fd(), buffer.get() + held, static_cast<std::size_t>(kChunkBytes - held));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return unreadable(errno);
        if (got == 0)
            break;
        held += got;
        const qint64 whole = held / kRecordBytes * kRecordBytes;
        for (qint64 offset = 0; offset < whole; offset += kRecordBytes) {
            // Every byte of the image is overwritten at once, so the record needs no clearing.
            auto record = std::make_unique_for_overwrite<FilmRecord>();
            std::memcpy(record.get(), buffer.get() + offset, kRecordSize);
            // The links on disk are meaningless; the list is rebuilt in file order.
            record->diskPrev = 0;
            record->diskNext = 0;
            catalogue.appendRecord(std::move(record));
        }
        held -= whole;
        std::memmove(buffer.get(), buffer.get() + whole, static_cast<std::size_t>(held));
    }
    result.sizeOk = held == 0;
    return result;
}

SaveResult writeArchive(const Catalogue& catalogue, const QString& path)
{
    SaveTarget target;
    return writeArchive(catalogue, path, target);
}

// A new file beside the archive, filled, synced and renamed over it; the previous archive becomes
// the backup. Where the folder refuses new files, a writable archive is written in place.
SaveResult writeArchive(const Catalogue& catalogue, const QString& path, SaveTarget& target)
{
    const QString archive = realArchivePath(path);
    const QByteArray archiveName = nativePath(archive);
    // Found before the save, while the archive is still the file its generations last saw.
    std::optional<Generations> generations;
    if (const QString root = target.generationsRoot(); !root.isEmpty())
        generations.emplace(archive, root);

    struct stat previous = {};
    const bool exists = ::stat(archiveName.constData(), &previous) == 0;
    if (exists) {
        if (!S_ISREG(previous.st_mode))
            return failure(notRegularFileText(previous.st_mode));
        // A write-protected archive is not replaced even where its folder would allow it.
        if (::access(archiveName.constData(), W_OK) != 0)
            return failure(systemErrorText(errno));
    } else if (errno != ENOENT) {
        return failure(systemErrorText(errno));
    }

    QString temp;
    FileHandle file = createUnique(archive, QStringLiteral(".new-"), temp);
    if (!file.valid()) {
        const int error = errno;
        const bool folderRefuses = error == EACCES || error == EPERM || error == EROFS;
        if (!exists || !folderRefuses)
            return failure(systemErrorText(error));
        return saveInPlace(catalogue, archive, target, generations ? &*generations : nullptr);
    }
    auto discard = qScopeGuard([&temp] { ::unlink(nativePath(temp).constData()); });

    if (exists) {
        // Owner and group first: changing them may clear the set-id bits that fchmod then restores.
        static_cast<void>(::fchown(file.fd(), previous.st_uid, previous.st_gid));
        static_cast<void>(::fchmod(file.fd(), previous.st_mode & 07777));
    }
    struct stat made = {};
    static_cast<void>(::fstat(file.fd(), &made));
    quint32 crc = 0;
    const SaveResult written = fill(catalogue, std::move(file), target, false, generations ? &crc : nullptr);
    if (!written.saved)
        return written;

    // The backup is made only now that the new archive is whole, and takes its name only once the
    // new archive is in place: a failure before that leaves archive and backup as they were.
    const QString held = exists ? holdPrevious(archive) : QString();
    if (::rename(nativePath(temp).constData(), archiveName.constData()) != 0) {
        const int error = errno;
        if (!held.isEmpty())
            ::unlink(nativePath(held).constData());
        return failure(systemErrorText(error));
    }
    discard.dismiss();
    if (!held.isEmpty() && ::rename(nativePath(held).constData(),
                                    nativePath(archive + QString::fromUtf16(kBackupSuffix)).constData()) != 0)
        ::unlink(nativePath(held).constData());
    syncFolder(QFileInfo(archive).absolutePath());
    SaveResult saved{true, {}, {}};
    if (generations) {
        if (const std::optional<QString> note =
                generations->keepSaved(archive, made.st_dev, made.st_ino, catalogue, crc))
            saved.generationNote = *note;
    }
    return saved;
}

int removeSaveLeftovers(const QString& path)
{
    const QFileInfo archive(realArchivePath(path));
    // Only the names this program gives its own unfinished files, to the last digit: a user's
    // "<archive>.bak-old" looks alike but is none of them.
    const QString name = archive.fileName();
    int removed = 0;
    const QDir folder = archive.absoluteDir();
    for (const QString& entry :
         folder.entryList({name + u".~rm*"_s}, QDir::Files | QDir::Hidden | QDir::System)) {
        if (!isUniqueName(entry, name, u".new-") && !isUniqueName(entry, name, u".bak-"))
            continue;
        struct stat info = {};
        const QByteArray leftover = nativePath(folder.filePath(entry));
        // A link of that name is no leftover of a save and is left alone.
        if (::lstat(leftover.constData(), &info) == 0 && S_ISREG(info.st_mode) &&
            ::unlink(leftover.constData()) == 0)
            ++removed;
    }
    return removed;
}

bool saveArchive(Catalogue& catalogue, const QString& path, const RetryQuestion& askRetry)
{
    SaveTarget target;
    return saveArchive(catalogue, path, askRetry, target);
}

bool saveArchive(Catalogue& catalogue, const QString& path, const RetryQuestion& askRetry, SaveTarget& target)
{
    return saveArchiveWithRetry(catalogue, path, askRetry, target).saved;
}

SaveResult saveArchiveWithRetry(Catalogue& catalogue, const QString& path, const RetryQuestion& askRetry,
                                SaveTarget& target)
{
    for (;;) {
        SaveResult result = writeArchive(catalogue, path, target);
        if (result.saved) {
            catalogue.releaseAll();
            return result;
        }
        if (!askRetry || !askRetry(result.reason))
            return result;
    }
}

std::optional<QString> archiveWriteProblem(const QString& path)
{
    const QString archive = realArchivePath(path);
    const QByteArray archiveName = nativePath(archive);
    const bool exists = ::access(archiveName.constData(), F_OK) == 0;
    if (exists && ::access(archiveName.constData(), W_OK) != 0)
        return systemErrorText(errno);
    if (::access(nativePath(QFileInfo(archive).absolutePath()).constData(), W_OK) == 0)
        return std::nullopt;
    // A write-protected folder still lets a writable archive be saved in place.
    if (exists)
        return std::nullopt;
    return systemErrorText(errno);
}

} // namespace catalogue
