#include "catalogue/InPlaceCopy.h"

#include "catalogue/FileSystem.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace catalogue {

namespace {

constexpr qint64 kChunkBytes = qint64{1} << 20;

// Copies every byte of from to the open descriptor to, from its start; false with errno set.
bool copyInto(const QString& from, int to)
{
    const FileHandle source(::open(nativePath(from).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!source.valid())
        return false;
    const auto buffer = std::make_unique_for_overwrite<char[]>(kChunkBytes);
    qint64 total = 0;
    for (;;) {
        const ssize_t got = ::read(source.fd(), buffer.get(), kChunkBytes);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            break;
        if (!writeFully(to, buffer.get(), got))
            return false;
        total += got;
    }
    return ::ftruncate(to, total) == 0 && ::fsync(to) == 0;
}

} // namespace

InPlaceCopy::InPlaceCopy(const QString& archive, const QString& folder) : archive_(archive)
{
    // One copy per archive, named after the archive's whole path.
    const QByteArray id =
        QCryptographicHash::hash(nativePath(archive), QCryptographicHash::Sha1).toHex().left(20);
    copyPath_ = QDir(folder).filePath(QFileInfo(archive).fileName() + u'-' + QString::fromLatin1(id));
    markerPath_ = copyPath_ + QStringLiteral(".saving");
}

QString InPlaceCopy::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/in-place-copies");
}

bool InPlaceCopy::keep()
{
    if (!QDir().mkpath(QFileInfo(copyPath_).absolutePath()))
        return false;
    QString temp;
    {
        FileHandle copy = createUnique(copyPath_, QStringLiteral(".new-"), temp);
        if (!copy.valid())
            return false;
        if (!copyInto(archive_, copy.fd())) {
            ::unlink(nativePath(temp).constData());
            return false;
        }
    }
    if (::rename(nativePath(temp).constData(), nativePath(copyPath_).constData()) != 0) {
        ::unlink(nativePath(temp).constData());
        return false;
    }
    // The marker names the archive, for whoever finds it.
    QString markerTemp;
    FileHandle marker = createUnique(markerPath_, QStringLiteral(".new-"), markerTemp);
    const QByteArray name = nativePath(archive_) + '\n';
    const bool marked =
        marker.valid() && writeFully(marker.fd(), name.constData(), name.size()) &&
        ::fsync(marker.fd()) == 0 &&
        ::rename(nativePath(markerTemp).constData(), nativePath(markerPath_).constData()) == 0;
    if (!marked) {
        ::unlink(nativePath(markerTemp).constData());
        return false;
    }
    syncFolder(QFileInfo(copyPath_).absolutePath());
    return true;
}

std::optional<QString> InPlaceCopy::restore()
{
    // The archive keeps its blocks while it is overwritten, so the old contents always fit again.
    const FileHandle archive(::open(nativePath(archive_).constData(), O_WRONLY | O_CLOEXEC));
    if (!archive.valid() || !copyInto(copyPath_, archive.fd()))
        return systemErrorText(errno);
    forget();
    return std::nullopt;
}

void InPlaceCopy::forget()
{
    ::unlink(nativePath(markerPath_).constData());
}

bool InPlaceCopy::interrupted() const
{
    struct stat marker = {}, copy = {};
    return ::stat(nativePath(markerPath_).constData(), &marker) == 0 && S_ISREG(marker.st_mode) &&
           ::stat(nativePath(copyPath_).constData(), &copy) == 0 && S_ISREG(copy.st_mode);
}

} // namespace catalogue
