#include "FileHandle.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace catalogue {

FileHandle::~FileHandle()
{
    if (fd_ >= 0) {
        // close() may overwrite errno, which the caller may still be about to report.
        const int saved = errno;
        ::close(fd_);
        errno = saved;
    }
}

FileHandle& FileHandle::operator=(FileHandle&& other) noexcept
{
    if (this != &other) {
        FileHandle old(std::exchange(fd_, std::exchange(other.fd_, -1)));
    }
    return *this;
}

QByteArray nativePath(const QString& path)
{
    return QFile::encodeName(path);
}

QString systemErrorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace catalogue
