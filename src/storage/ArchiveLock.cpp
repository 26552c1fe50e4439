#include "ArchiveLock.h"

#include "storage/FileSystem.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QSysInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace catalogue {

namespace {

bool sameFile(const struct stat& a, const struct stat& b)
{
    return a.st_ino == b.st_ino && a.st_dev == b.st_dev;
}

} // namespace

ArchiveLock::ArchiveLock(const QString& archivePath)
    : archive_(realFilePath(archivePath)), lockPath_(archive_ + QStringLiteral(".lock"))
{}

ArchiveLock::~ArchiveLock()
{
    release();
}

ArchiveLock::State ArchiveLock::acquire()
{
    release();
    for (int attempt = 0; attempt < 10; ++attempt) {
        bool retry = false;
        state_ = lockOnce(retry);
        if (!retry)
            break;
        state_ = Unavailable;
    }
    if (state_ == Held)
        writeOwner();
    return state_;
}

// One try. retry is set when the file locked was replaced by another one under its name meanwhile
// (the holder before saved and ended, or the archive was just created), so that the lock on it
// would keep nobody out.
ArchiveLock::State ArchiveLock::lockOnce(bool& retry)
{
    const QByteArray archive = nativePath(archive_);
    const QByteArray lockFile = nativePath(lockPath_);
    // Read-only suffices for the lock and never blocks on a FIFO.
    FileHandle file(::open(archive.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    QByteArray lockedName = archive;
    if (!file.valid() && errno == ENOENT) {
        lockedName = lockFile;
        file = FileHandle(
            ::open(lockFile.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644));
        // Another user's lock file can still be locked for reading.
        if (!file.valid() && errno == EACCES)
            file = FileHandle(::open(lockFile.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    }
    struct stat held = {};
    if (!file.valid() || ::fstat(file.fd(), &held) != 0 || !S_ISREG(held.st_mode))
        return Unavailable;
    if (::flock(file.fd(), LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK)
            return Unavailable;
        readOwner();
        return InUse;
    }
    struct stat named = {};
    if (::stat(lockedName.constData(), &named) != 0 || !sameFile(held, named)) {
        retry = true;
        return Unavailable;
    }
    // The archive appeared since it was found missing: its lock is the one that counts.
    if (lockedName == lockFile && ::access(archive.constData(), F_OK) == 0) {
        retry = true;
        return Unavailable;
    }
    locked_ = std::move(file);
    return Held;
}

// Who holds the lock is only shown to a second copy; a failure to write it changes nothing, and
// leaves no empty lock file behind (a full disk would otherwise leave one for good).
void ArchiveLock::writeOwner()
{
    const QByteArray name = nativePath(lockPath_);
    FileHandle file(::open(name.constData(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644));
    struct stat info = {};
    // A hard link in the lock file's place would carry the text into another file.
    if (!file.valid() || ::fstat(file.fd(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_nlink != 1)
        return;
    const QByteArray owner = QByteArray::number(QCoreApplication::applicationPid()) + '\n' +
                             QSysInfo::machineHostName().toUtf8() + '\n';
    const bool written = ::ftruncate(file.fd(), 0) == 0 &&
                         ::pwrite(file.fd(), owner.constData(), std::size_t(owner.size()), 0) == owner.size();
    struct stat locked = {};
    const bool carriesLock = ::fstat(locked_.fd(), &locked) == 0 && sameFile(info, locked);
    // The file that carries the lock stays until release(), else a second copy could lock a new one.
    if (written || carriesLock) {
        owner_ = std::move(file);
        return;
    }
    // Emptied or created just now and left without its text: removed at once, while it is still this
    // file that the name gives.
    struct stat named = {};
    if (::lstat(name.constData(), &named) == 0 && sameFile(info, named))
        ::unlink(name.constData());
}

void ArchiveLock::release()
{
    if (state_ == Held && owner_.valid()) {
        // Removed while still locked, and only when the name still belongs to the file written.
        struct stat written = {}, named = {};
        const QByteArray name = nativePath(lockPath_);
        if (::fstat(owner_.fd(), &written) == 0 && ::lstat(name.constData(), &named) == 0 &&
            sameFile(written, named))
            ::unlink(name.constData());
    }
    owner_ = FileHandle(-1);
    locked_ = FileHandle(-1);
    state_ = Unavailable;
}

void ArchiveLock::readOwner()
{
    ownerPid_ = 0;
    ownerHost_.clear();
    const FileHandle file(
        ::open(nativePath(lockPath_).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat info = {};
    if (!file.valid() || ::fstat(file.fd(), &info) != 0 || !S_ISREG(info.st_mode))
        return;
    char buffer[512];
    const ssize_t got = ::pread(file.fd(), buffer, sizeof buffer - 1, 0);
    const QList<QByteArray> lines = QByteArray(buffer, got > 0 ? got : 0).split('\n');
    ownerPid_ = lines.value(0).toLongLong();
    ownerHost_ = QString::fromUtf8(lines.value(1));
}

} // namespace catalogue
