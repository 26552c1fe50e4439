#include "ArchiveLock.h"

#include "catalogue/Archive.h"

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

ArchiveLock::ArchiveLock(const QString& archivePath)
    : path_(realArchivePath(archivePath) + QStringLiteral(".lock"))
{}

ArchiveLock::~ArchiveLock()
{
    release();
}

ArchiveLock::State ArchiveLock::acquire()
{
    release();
    const QByteArray name = nativePath(path_);
    for (int attempt = 0; attempt < 10; ++attempt) {
        FileHandle file(::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644));
        if (!file.valid())
            return state_ = Unavailable;
        if (::flock(file.fd(), LOCK_EX | LOCK_NB) != 0) {
            if (errno != EWOULDBLOCK)
                return state_ = Unavailable;
            readOwner(file.fd());
            return state_ = InUse;
        }
        // The holder before us may have removed the file between our open and our lock; a lock on
        // a file that no longer has the name would keep nobody out.
        struct stat held = {}, named = {};
        if (::fstat(file.fd(), &held) != 0 || ::stat(name.constData(), &named) != 0 ||
            held.st_ino != named.st_ino || held.st_dev != named.st_dev)
            continue;

        const QByteArray owner = QByteArray::number(QCoreApplication::applicationPid()) + '\n' +
                                 QSysInfo::machineHostName().toUtf8() + '\n';
        // Who holds the lock is only shown to a second copy; a failure to write it changes nothing.
        if (::ftruncate(file.fd(), 0) == 0)
            static_cast<void>(::pwrite(file.fd(), owner.constData(), std::size_t(owner.size()), 0));
        file_ = std::move(file);
        return state_ = Held;
    }
    return state_ = Unavailable;
}

void ArchiveLock::release()
{
    if (state_ == Held && file_.valid()) {
        // Removed while still locked, so no other copy can lock this file and believe it holds the name.
        ::unlink(nativePath(path_).constData());
    }
    file_ = FileHandle(-1);
    state_ = Unavailable;
}

void ArchiveLock::readOwner(int fd)
{
    char buffer[512];
    const ssize_t got = ::pread(fd, buffer, sizeof buffer - 1, 0);
    const QList<QByteArray> lines = QByteArray(buffer, got > 0 ? got : 0).split('\n');
    ownerPid_ = lines.value(0).toLongLong();
    ownerHost_ = QString::fromUtf8(lines.value(1));
}

} // namespace catalogue
