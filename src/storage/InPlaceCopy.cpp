#include "storage/InPlaceCopy.h"

#include "catalogue/FilmRecord.h"
#include "storage/FileSystem.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace catalogue {

namespace {

constexpr qint64 kChunkBytes = qint64{1} << 20;
constexpr int kAsideAttempts = 100;

// Copies every byte of the open descriptor from to the open descriptor to, both at their starts;
// false with errno set.
bool copyInto(int from, int to)
{
    const auto buffer = std::make_unique_for_overwrite<char[]>(kChunkBytes);
    qint64 total = 0;
    for (;;) {
        const ssize_t got = ::read(from, buffer.get(), kChunkBytes);
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

bool isRegularFile(const QString& path, struct stat& info)
{
    return ::stat(nativePath(path).constData(), &info) == 0 && S_ISREG(info.st_mode);
}

// Renames without ever replacing a file of the new name; false with errno EEXIST when there is one.
bool renameNew(const QString& from, const QString& to)
{
    const QByteArray source = nativePath(from);
    const QByteArray target = nativePath(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return true;
    // A file system that cannot rename that way still refuses an existing name to link().
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    return ::link(source.constData(), target.constData()) == 0 && ::unlink(source.constData()) == 0;
}

} // namespace

InPlaceCopy::InPlaceCopy(const QString& archive, const QString& folder) : archive_(archive), folder_(folder)
{
    // An inode number is used again once its file is gone; the identity's birth time tells a new
    // archive from the one whose copy is still here.
    const QString identity = fileIdentity(archive);
    if (identity.isEmpty())
        return;
    id_ = u"archive-"_s + identity;
    copyPath_ = QDir(folder).filePath(id_ + u".RMA"_s);
    markerPath_ = copyPath_ + u".saving"_s;
}

QString InPlaceCopy::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u"/in-place-copies"_s;
}

QStringList InPlaceCopy::filesOf(const QString& archive, const QString& folder)
{
    const InPlaceCopy copy(archive, folder);
    if (copy.id_.isEmpty())
        return {};
    QStringList files;
    const QDir dir(folder);
    for (const QString& name :
         dir.entryList({copy.id_ + u".RMA"_s, copy.id_ + u".RMA.saving"_s, copy.id_ + u"-kept-*.RMA"_s},
                       QDir::Files | QDir::Hidden | QDir::System, QDir::Name))
        files.append(dir.filePath(name));
    return files;
}

bool InPlaceCopy::keep()
{
    if (copyPath_.isEmpty() || !QDir().mkpath(folder_))
        return false;
    const FileHandle source(::open(nativePath(archive_).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat archive = {}, copy = {};
    if (!source.valid() || ::fstat(source.fd(), &archive) != 0)
        return false;
    // The copy in place may be the only good archive there is: the one from before a save that never
    // ended, or the one of a good save while the archive is now damaged.
    const bool damaged = archive.st_size % qint64(kRecordSize) != 0;
    if ((interrupted() || (damaged && isRegularFile(copyPath_, copy))) && !setAside())
        return false;
    QString temp;
    {
        FileHandle written = createUnique(copyPath_, u".new-"_s, temp);
        if (!written.valid())
            return false;
        if (!copyInto(source.fd(), written.fd())) {
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
    FileHandle marker = createUnique(markerPath_, u".new-"_s, markerTemp);
    const QByteArray name = nativePath(archive_) + '\n';
    const bool marked =
        marker.valid() && writeFully(marker.fd(), name.constData(), name.size()) &&
        ::fsync(marker.fd()) == 0 &&
        ::rename(nativePath(markerTemp).constData(), nativePath(markerPath_).constData()) == 0;
    if (!marked) {
        ::unlink(nativePath(markerTemp).constData());
        return false;
    }
    syncFolder(folder_);
    return true;
}

std::optional<QString> InPlaceCopy::restore()
{
    if (copyPath_.isEmpty())
        return systemErrorText(ENOENT);
    const FileHandle copy(::open(nativePath(copyPath_).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat info = {};
    if (!copy.valid() || ::fstat(copy.fd(), &info) != 0)
        return systemErrorText(errno);
    const FileHandle archive(::open(nativePath(archive_).constData(), O_WRONLY | O_CLOEXEC));
    if (!archive.valid())
        return systemErrorText(errno);
    // The archive may be shorter than the copy now; without the room, not a byte of it changes.
    if (const int reserved = reserveSpace(archive.fd(), info.st_size); reserved != 0)
        return systemErrorText(reserved);
    if (!copyInto(copy.fd(), archive.fd()))
        return systemErrorText(errno != 0 ? errno : EIO);
    forget();
    return std::nullopt;
}

void InPlaceCopy::forget()
{
    if (!markerPath_.isEmpty())
        ::unlink(nativePath(markerPath_).constData());
}

QString InPlaceCopy::asideName(int attempt) const
{
    struct stat copy = {};
    const QDateTime made = isRegularFile(copyPath_, copy) ? QDateTime::fromSecsSinceEpoch(copy.st_mtime)
                                                          : QDateTime::currentDateTime();
    // Named after the day the copy was made; a second one of the same minute gets a number.
    QString name = id_ + u"-kept-"_s + made.toString(u"yyyy-MM-dd-HHmm"_s);
    if (attempt > 0)
        name += u'-' + QString::number(attempt + 1);
    return QDir(folder_).filePath(name + u".RMA"_s);
}

QString InPlaceCopy::asidePath() const
{
    if (copyPath_.isEmpty())
        return {};
    for (int attempt = 0; attempt < kAsideAttempts; ++attempt) {
        const QString name = asideName(attempt);
        struct stat info = {};
        if (::lstat(nativePath(name).constData(), &info) != 0)
            return name;
    }
    return {};
}

std::optional<QString> InPlaceCopy::setAside()
{
    if (copyPath_.isEmpty())
        return std::nullopt;
    for (int attempt = 0; attempt < kAsideAttempts; ++attempt) {
        const QString name = asideName(attempt);
        if (renameNew(copyPath_, name)) {
            forget();
            syncFolder(folder_);
            return name;
        }
        if (errno != EEXIST)
            return std::nullopt;
    }
    return std::nullopt;
}

bool InPlaceCopy::interrupted() const
{
    struct stat marker = {}, copy = {};
    return !copyPath_.isEmpty() && isRegularFile(markerPath_, marker) && isRegularFile(copyPath_, copy);
}

int InPlaceCopy::removeLeftovers() const
{
    if (copyPath_.isEmpty())
        return 0;
    const QString copyName = QFileInfo(copyPath_).fileName();
    const QString markerName = QFileInfo(markerPath_).fileName();
    const QDir dir(folder_);
    int removed = 0;
    for (const QString& entry : dir.entryList({copyName + u".~rm*"_s, markerName + u".~rm*"_s},
                                              QDir::Files | QDir::Hidden | QDir::System)) {
        if (!isUniqueName(entry, copyName, u".new-") && !isUniqueName(entry, markerName, u".new-"))
            continue;
        struct stat info = {};
        const QByteArray leftover = nativePath(dir.filePath(entry));
        if (::lstat(leftover.constData(), &info) == 0 && S_ISREG(info.st_mode) &&
            ::unlink(leftover.constData()) == 0)
            ++removed;
    }
    return removed;
}

} // namespace catalogue
