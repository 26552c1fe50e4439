#include "Archive.h"

#include "catalogue/Catalogue.h"
#include "catalogue/FileHandle.h"
#include "catalogue/SaveTarget.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QScopeGuard>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace catalogue {

namespace {

// Reads and writes go through about 1 MB of whole records: bounded memory, few system calls.
constexpr qint64 kRecordBytes = static_cast<qint64>(kRecordSize);
constexpr qint64 kChunkBytes = (qint64{1} << 20) / kRecordBytes * kRecordBytes;

// A chain of links longer than this is a loop; the kernel gives up at the same depth.
constexpr int kMaxLinkHops = 40;

SaveResult failure(const QString& reason)
{
    return {false, reason};
}

// The system has no error for a FIFO or a device where a file belongs.
QString notRegularFile(mode_t mode)
{
    return S_ISDIR(mode) ? systemErrorText(EISDIR) : QStringLiteral("Not a regular file");
}

// Makes a rename durable. Best effort: some file systems cannot sync a folder, and the archive
// is already complete in its place by then.
void syncFolder(const QString& folder)
{
    const FileHandle dir(::open(nativePath(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.valid())
        static_cast<void>(::fsync(dir.fd()));
}

// Creates a file of a name no other save uses: path + infix + random digits. A leftover of an
// interrupted save therefore never collides with, or is mistaken for, the file of this one.
FileHandle createUnique(const QString& path, const QString& infix, QString& created)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        created = path + infix + QString::number(QRandomGenerator::global()->generate(), 36);
        // 0666 lets the umask decide, as for any new file of the user.
        FileHandle file(
            ::open(nativePath(created).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (file.valid() || errno != EEXIST)
            return file;
    }
    return FileHandle(-1);
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

// The reason of the failed step: QFile's own text where it has one, else the system's last error.
QString writeFailure(const QFile& file, int error)
{
    if (file.error() != QFileDevice::NoError)
        return file.errorString();
    return systemErrorText(error != 0 ? error : EIO);
}

// Fills fd with the records and pushes them onto the disk. Afterwards the file is closed.
SaveResult fill(const Catalogue& catalogue, FileHandle fd, SaveTarget& target, bool truncate)
{
    QFile file;
    if (!file.open(fd.release(), QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle))
        return failure(file.errorString());
    errno = 0;
    if (!writeRecords(catalogue, file, target))
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
    return {true, {}};
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

} // namespace

QString archivePath(const QString& programDir)
{
    return programDir + QString::fromUtf16(kArchiveFileName);
}

QString realArchivePath(const QString& path)
{
    namespace fs = std::filesystem;
    fs::path current(nativePath(QFileInfo(path).absoluteFilePath()).toStdString());
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(current, error)) || error)
            break;
        const fs::path target = fs::read_symlink(current, error);
        if (error)
            break;
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    return QFile::decodeName(QByteArray::fromStdString(current.string()));
}

LoadResult loadArchive(Catalogue& catalogue, const QString& path)
{
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
        result.reason = notRegularFile(info.st_mode);
        return result;
    }
    result.status = LoadResult::Loaded;

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

    struct stat previous = {};
    const bool exists = ::stat(archiveName.constData(), &previous) == 0;
    if (exists) {
        if (!S_ISREG(previous.st_mode))
            return failure(notRegularFile(previous.st_mode));
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
        FileHandle inPlace(::open(archiveName.constData(), O_WRONLY | O_CLOEXEC));
        if (!inPlace.valid())
            return failure(systemErrorText(errno));
        return fill(catalogue, std::move(inPlace), target, true);
    }
    auto discard = qScopeGuard([&temp] { ::unlink(nativePath(temp).constData()); });

    if (exists) {
        // Owner and group first: changing them may clear the set-id bits that fchmod then restores.
        static_cast<void>(::fchown(file.fd(), previous.st_uid, previous.st_gid));
        static_cast<void>(::fchmod(file.fd(), previous.st_mode & 07777));
    }
    const SaveResult written = fill(catalogue, std::move(file), target, false);
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
    return {true, {}};
}

bool saveArchive(Catalogue& catalogue, const QString& path, const RetryQuestion& askRetry)
{
    SaveTarget target;
    return saveArchive(catalogue, path, askRetry, target);
}

bool saveArchive(Catalogue& catalogue, const QString& path, const RetryQuestion& askRetry, SaveTarget& target)
{
    for (;;) {
        const SaveResult result = writeArchive(catalogue, path, target);
        if (result.saved) {
            catalogue.releaseAll();
            return true;
        }
        if (!askRetry || !askRetry(result.reason))
            return false;
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
