#include "FileHandle.h"

#include <QCoreApplication>
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
    // The English texts are the system's own, so that the program reads the same in English with or
    // without a translation.
    const char* usual = nullptr;
    switch (error) {
    case ENOSPC:
        usual = QT_TRANSLATE_NOOP("catalogue::SystemError", "No space left on device");
        break;
    case EDQUOT:
        usual = QT_TRANSLATE_NOOP("catalogue::SystemError", "Disk quota exceeded");
        break;
    case EROFS:
        usual = QT_TRANSLATE_NOOP("catalogue::SystemError", "Read-only file system");
        break;
    case EACCES:
        usual = QT_TRANSLATE_NOOP("catalogue::SystemError", "Permission denied");
        break;
    case EPERM:
        usual = QT_TRANSLATE_NOOP("catalogue::SystemError", "Operation not permitted");
        break;
    case ENOENT:
        usual = QT_TRANSLATE_NOOP("catalogue::SystemError", "No such file or directory");
        break;
    case EISDIR:
        usual = QT_TRANSLATE_NOOP("catalogue::SystemError", "Is a directory");
        break;
    case EIO:
        usual = QT_TRANSLATE_NOOP("catalogue::SystemError", "Input/output error");
        break;
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
    return QCoreApplication::translate("catalogue::SystemError", usual);
}

} // namespace catalogue
