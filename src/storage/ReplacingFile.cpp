#include "storage/ReplacingFile.h"

#include "storage/ArchiveClaims.h"
#include "storage/FileSystem.h"

#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace catalogue {

namespace {

// Writes go to the disk in pieces of this size: few system calls, bounded memory.
constexpr qsizetype kBufferBytes = qsizetype{1} << 20;

bool folderRefusesNewFiles(int error)
{
    return error == EACCES || error == EPERM || error == EROFS;
}

} // namespace

ReplacingFile::ReplacingFile(const QString& path, const ArchiveFiles& archive, QObject* parent)
    : QIODevice(parent), path_(realFilePath(path)), archive_(archive)
{}

ReplacingFile::~ReplacingFile()
{
    discard();
}

bool ReplacingFile::open(OpenMode mode)
{
    if (isOpen() || (mode & ~QIODevice::Unbuffered) != QIODevice::WriteOnly) {
        setErrorString(systemErrorText(EINVAL));
        return false;
    }
    failure_.reset();
    if (const std::optional<QString> claimed = claimedTarget(archive_, path_)) {
        setErrorString(*claimed);
        return false;
    }
    const QByteArray target = nativePath(path_);
    struct stat previous = {};
    const bool exists = ::stat(target.constData(), &previous) == 0;
    if (exists) {
        if (!S_ISREG(previous.st_mode)) {
            setErrorString(notRegularFileText(previous.st_mode));
            return false;
        }
        // A write-protected file is not replaced even where its folder would allow it.
        if (::access(target.constData(), W_OK) != 0) {
            setErrorString(systemErrorText(errno));
            return false;
        }
    } else if (errno != ENOENT) {
        setErrorString(systemErrorText(errno));
        return false;
    }

    file_ = createUnique(path_, QStringLiteral(".new-"), tempPath_);
    if (!file_.valid()) {
        const int error = errno;
        tempPath_.clear();
        if (!exists || !folderRefusesNewFiles(error)) {
            setErrorString(systemErrorText(error));
            return false;
        }
        // The bytes wait in memory until commit() has reserved the room for them.
        inPlace_ = true;
    } else if (exists) {
        // Owner and group first: changing them may clear the set-id bits that fchmod then restores.
        static_cast<void>(::fchown(file_.fd(), previous.st_uid, previous.st_gid));
        static_cast<void>(::fchmod(file_.fd(), previous.st_mode & 07777));
    }
    buffer_.clear();
    return QIODevice::open(mode | QIODevice::Unbuffered);
}

qint64 ReplacingFile::readData(char*, qint64)
{
    return -1;
}

qint64 ReplacingFile::writeData(const char* data, qint64 size)
{
    if (failure_)
        return -1;
    if (!inPlace_ && buffer_.size() + size > kBufferBytes) {
        if (!flushBuffer())
            return -1;
        // A large piece goes straight to the disk rather than through the buffer.
        if (size >= kBufferBytes) {
            if (!writeFully(file_.fd(), data, size)) {
                fail(systemErrorText(errno));
                return -1;
            }
            return size;
        }
    }
    buffer_.append(data, qsizetype(size));
    return size;
}

bool ReplacingFile::flushBuffer()
{
    if (!writeFully(file_.fd(), buffer_.constData(), buffer_.size())) {
        fail(systemErrorText(errno));
        return false;
    }
    buffer_.clear();
    return true;
}

void ReplacingFile::fail(const QString& reason)
{
    if (!failure_)
        failure_ = reason;
    setErrorString(*failure_);
}

bool ReplacingFile::commit()
{
    if (!isOpen()) {
        if (!failure_)
            fail(systemErrorText(EBADF));
        return false;
    }
    const bool written = inPlace_ ? commitInPlace() : !failure_ && flushBuffer() && [this] {
        if (::fsync(file_.fd()) != 0 || ::close(file_.release()) != 0) {
            fail(systemErrorText(errno));
            return false;
        }
        if (::rename(nativePath(tempPath_).constData(), nativePath(path_).constData()) != 0) {
            fail(systemErrorText(errno));
            return false;
        }
        tempPath_.clear();
        syncFolder(QFileInfo(path_).absolutePath());
        return true;
    }();
    discard();
    if (failure_)
        setErrorString(*failure_);
    return written;
}

bool ReplacingFile::commitInPlace()
{
    if (failure_)
        return false;
    const FileHandle target(::open(nativePath(path_).constData(), O_WRONLY | O_CLOEXEC));
    if (!target.valid()) {
        fail(systemErrorText(errno));
        return false;
    }
    // Reserved first: where the disk cannot hold the new contents, the old ones stay untouched.
    if (const int reserved = reserveSpace(target.fd(), buffer_.size()); reserved != 0) {
        fail(systemErrorText(reserved));
        return false;
    }
    if (!writeFully(target.fd(), buffer_.constData(), buffer_.size()) ||
        ::ftruncate(target.fd(), buffer_.size()) != 0 || ::fsync(target.fd()) != 0) {
        fail(systemErrorText(errno));
        return false;
    }
    return true;
}

void ReplacingFile::discard()
{
    if (!tempPath_.isEmpty()) {
        ::unlink(nativePath(tempPath_).constData());
        tempPath_.clear();
    }
    file_ = FileHandle(-1);
    buffer_.clear();
    inPlace_ = false;
    if (isOpen())
        QIODevice::close();
}

std::optional<QString> replaceFile(const QString& path, const ArchiveFiles& archive, const QByteArray& bytes)
{
    ReplacingFile file(path, archive);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return file.errorString();
    return std::nullopt;
}

std::optional<QString> writeStandardOutput(const QByteArray& bytes)
{
    if (!writeFully(STDOUT_FILENO, bytes.constData(), bytes.size()))
        return systemErrorText(errno);
    // A file on a full disk may take the bytes and refuse them only here; a pipe or a terminal
    // cannot be synced, which is no failure.
    if (::fsync(STDOUT_FILENO) != 0 && errno != EINVAL && errno != EROFS && errno != ENOTSUP)
        return systemErrorText(errno);
    return std::nullopt;
}

} // namespace catalogue
