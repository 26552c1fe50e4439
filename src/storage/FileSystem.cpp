#include "storage/FileSystem.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <linux/falloc.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace catalogue {

namespace {

// A chain of links longer than this is a loop; the kernel gives up at the same depth.
constexpr int kMaxLinkHops = 40;

// Before the infix of every temporary name; with the fixed run of hex digits after it, a name no
// person gives a file, so that removing leftovers never takes a user's "x.bak-old".
constexpr QStringView kUniqueMarker = u".~rm";
constexpr int kUniqueDigits = 16;

} // namespace

QString realFilePath(const QString& path)
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

FileHandle createUnique(const QString& path, const QString& infix, QString& created)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        created = path + kUniqueMarker.toString() + infix +
                  u"%1"_s.arg(QRandomGenerator::global()->generate64(), kUniqueDigits, 16, QChar(u'0'));
        // 0666 lets the umask decide, as for any new file of the user.
        FileHandle file(::open(nativePath(created).constData(),
                               O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
        if (file.valid() || errno != EEXIST)
            return file;
    }
    return FileHandle(-1);
}

bool isUniqueName(QStringView fileName, QStringView base, QStringView infix)
{
    const qsizetype prefix = base.size() + kUniqueMarker.size() + infix.size();
    if (fileName.size() != prefix + kUniqueDigits || !fileName.startsWith(base) ||
        fileName.sliced(base.size(), kUniqueMarker.size()) != kUniqueMarker ||
        fileName.sliced(base.size() + kUniqueMarker.size(), infix.size()) != infix)
        return false;
    const QStringView digits = fileName.sliced(prefix);
    return std::all_of(digits.begin(), digits.end(),
                       [](QChar c) { return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f'); });
}

QString fileIdentity(const QString& path)
{
    struct statx info = {};
    if (::statx(AT_FDCWD, nativePath(path).constData(), 0, STATX_INO | STATX_BTIME, &info) != 0)
        return {};
    const dev_t device = makedev(info.stx_dev_major, info.stx_dev_minor);
    QString identity = u"%1-%2"_s.arg(qulonglong(device), 0, 16).arg(qulonglong(info.stx_ino), 0, 16);
    if (info.stx_mask & STATX_BTIME)
        identity += u"-%1%2"_s.arg(qulonglong(info.stx_btime.tv_sec), 0, 16)
                        .arg(qulonglong(info.stx_btime.tv_nsec), 8, 16, QChar(u'0'));
    return identity;
}

void syncFolder(const QString& folder)
{
    const FileHandle dir(::open(nativePath(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.valid())
        static_cast<void>(::fsync(dir.fd()));
}

QString notRegularFileText(mode_t mode)
{
    // The system has no error for a FIFO or a device where a file belongs.
    return S_ISDIR(mode) ? systemErrorText(EISDIR)
                         : QCoreApplication::translate("catalogue::FileSystem", "Not a regular file");
}

bool isRepresentablePath(const QByteArray& nativeName)
{
    return QFile::encodeName(QFile::decodeName(nativeName)) == nativeName;
}

int reserveSpace(int fd, qint64 size)
{
    if (size <= 0)
        return 0;
    if (::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, size) == 0)
        return 0;
    // A file system without fallocate: the portable call, which may also lengthen the file.
    if (errno == EOPNOTSUPP || errno == ENOSYS)
        return ::posix_fallocate(fd, 0, size);
    return errno;
}

bool writeFully(int fd, const char* data, qint64 size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, static_cast<std::size_t>(size));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = EIO;
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

namespace {

QString tooLargeText(qint64 limit)
{
    const auto megabytes = static_cast<int>(limit / (1024 * 1024));
    return QCoreApplication::translate("catalogue::FileSystem",
                                       "The file is larger than %n MB; no catalogue is that large.", nullptr,
                                       megabytes);
}

} // namespace

FileContents readRegularFile(const QString& path, qint64 limit)
{
    FileContents contents;
    const FileHandle file(::open(nativePath(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat info = {};
    if (!file.valid() || ::fstat(file.fd(), &info) != 0) {
        contents.error = systemErrorText(errno);
        return contents;
    }
    if (!S_ISREG(info.st_mode)) {
        contents.error = notRegularFileText(info.st_mode);
        return contents;
    }
    // The size may change while the file is read; the limit holds whatever it does.
    qint64 held = 0;
    contents.bytes.resize(qsizetype(std::min(qint64(info.st_size), limit + 1)));
    while (held <= limit) {
        if (held == contents.bytes.size())
            contents.bytes.resize(qsizetype(std::min(limit + 1, held + (qint64{1} << 16))));
        const ssize_t got = ::read(file.fd(), contents.bytes.data() + held,
                                   static_cast<std::size_t>(contents.bytes.size() - held));
        if (got == 0)
            break;
        if (got < 0 && errno != EINTR) {
            contents.bytes.clear();
            contents.error = systemErrorText(errno);
            return contents;
        }
        held += std::max<ssize_t>(got, 0);
    }
    if (held > limit) {
        contents.bytes.clear();
        contents.error = tooLargeText(limit);
        return contents;
    }
    contents.bytes.resize(qsizetype(held));
    return contents;
}

} // namespace catalogue
