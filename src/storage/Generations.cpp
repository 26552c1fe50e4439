#include "storage/Generations.h"

#include "catalogue/Catalogue.h"
#include "storage/FileSystem.h"
#include "storage/GenerationThinning.h"
#include "storage/RecordStream.h"
#include "storage/SaveTarget.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTimeZone>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace catalogue {

namespace {

constexpr qint64 kRecordBytes = static_cast<qint64>(kRecordSize);
constexpr qint64 kChunkBytes = (qint64{1} << 20) / kRecordBytes * kRecordBytes;
constexpr int kFormat = 1;
// A description is a few lines; anything larger is no description.
constexpr qint64 kDescriptionLimit = 4096;

constexpr QStringView kDescriptionSuffix = u".gen";
constexpr QStringView kRawSuffix = u".RMA";
constexpr QStringView kDeflateSuffix = u".RMAz";
// In each archive's folder: the archive's path and identity when its last generation was kept.
constexpr QStringView kArchiveFile = u"archive";

struct Description
{
    QDateTime saved;
    qint64 records = -1;
    qint32 tapes = -1;
    qint32 films = -1;
    quint32 crc = 0;
    bool deflated = false;
    qint64 size = -1;
};

QByteArray describe(const Description& d)
{
    return "format " + QByteArray::number(kFormat) + "\nsaved " +
           d.saved.toUTC().toString(Qt::ISODateWithMs).toLatin1() + "\nrecords " +
           QByteArray::number(d.records) + "\ntapes " + QByteArray::number(d.tapes) + "\nfilms " +
           QByteArray::number(d.films) + "\ncrc32 " + QByteArray::number(d.crc, 16) + "\nstored " +
           (d.deflated ? "deflate" : "raw") + "\nsize " + QByteArray::number(d.size) + '\n';
}

std::optional<Description> parse(const QByteArray& text)
{
    Description d;
    bool format = false;
    bool crc = false;
    bool stored = false;
    for (const QByteArray& line : text.split('\n')) {
        const qsizetype space = line.indexOf(' ');
        if (space < 0)
            continue;
        const QByteArray key = line.left(space);
        const QByteArray value = line.mid(space + 1);
        bool ok = true;
        if (key == "format")
            format = value.toInt(&ok) == kFormat && ok;
        else if (key == "saved")
            d.saved = QDateTime::fromString(QString::fromLatin1(value), Qt::ISODateWithMs);
        else if (key == "records")
            d.records = value.toLongLong(&ok);
        else if (key == "tapes")
            d.tapes = value.toInt(&ok);
        else if (key == "films")
            d.films = value.toInt(&ok);
        else if (key == "crc32")
            d.crc = value.toUInt(&crc, 16);
        else if (key == "stored") {
            d.deflated = value == "deflate";
            stored = d.deflated || value == "raw";
        } else if (key == "size")
            d.size = value.toLongLong(&ok);
        if (!ok)
            return std::nullopt;
    }
    if (!format || !crc || !stored || !d.saved.isValid() || d.records < 0 || d.tapes < 0 || d.films < 0 ||
        d.size < 0 || (!d.deflated && d.size != d.records * kRecordBytes))
        return std::nullopt;
    return d;
}

QString dataName(const QString& name, bool deflated)
{
    return name + (deflated ? kDeflateSuffix : kRawSuffix).toString();
}

bool removeFile(const QString& path)
{
    return ::unlink(nativePath(path).constData()) == 0 || errno == ENOENT;
}

// Writes bytes to a new file of a name no other writer uses, synced, and renames it to path.
bool writeWhole(const QString& path, const QByteArray& bytes)
{
    QString temp;
    FileHandle file = createUnique(path, u".new-"_s, temp);
    if (!file.valid())
        return false;
    if (!writeFully(file.fd(), bytes.constData(), bytes.size()) || ::fsync(file.fd()) != 0 ||
        ::rename(nativePath(temp).constData(), nativePath(path).constData()) != 0) {
        const int error = errno;
        removeFile(temp);
        errno = error;
        return false;
    }
    return true;
}

// Writes the records of source (the catalogue's or an open raw records file) deflated into a new
// file beside path; the temporary name, its size and the CRC-32, or nothing with errno set.
struct Deflated
{
    QString temp;
    qint64 size = 0;
    quint32 crc = 0;
};

std::optional<Deflated> deflateInto(const QString& path, const std::function<bool(DeflateWriter&)>& source)
{
    Deflated result;
    FileHandle file = createUnique(path, u".new-"_s, result.temp);
    if (!file.valid())
        return std::nullopt;
    DeflateWriter writer(file.fd());
    struct stat info = {};
    if (!source(writer) || !writer.finish() || ::fsync(file.fd()) != 0 || ::fstat(file.fd(), &info) != 0) {
        const int error = errno;
        removeFile(result.temp);
        errno = error;
        return std::nullopt;
    }
    result.size = info.st_size;
    result.crc = writer.crc();
    return result;
}

Description describeCatalogue(const Catalogue& catalogue)
{
    Description d;
    d.saved = QDateTime::currentDateTimeUtc();
    d.records = catalogue.recordCount();
    d.tapes = static_cast<qint32>(catalogue.cassettes().size());
    d.films = catalogue.filmTotal();
    return d;
}

// The names of generations in a folder: a description, "<name>.gen", for each.
QStringList namesIn(const QDir& folder)
{
    QStringList names;
    for (const QString& entry :
         folder.entryList({u"*"_s + kDescriptionSuffix.toString()}, QDir::Files | QDir::Hidden))
        names.append(entry.chopped(kDescriptionSuffix.size()));
    return names;
}

// A target that keeps the generations of a restore where the generation came from.
class RootedTarget final : public SaveTarget
{
public:
    explicit RootedTarget(const QString& root) : root_(root) {}
    QString generationsRoot() const override { return root_; }

private:
    QString root_;
};

} // namespace

Generations::Generations(const QString& archive, const QString& root)
    : archive_(realArchivePath(archive)), root_(root)
{
    const QDir rootDir(root_);
    const QString identity = fileIdentity(archive_);
    QString byPath;
    for (const QString& entry :
         rootDir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name)) {
        const FileContents named =
            readRegularFile(rootDir.filePath(entry) + u'/' + kArchiveFile.toString(), kDescriptionLimit);
        const QStringList lines = QString::fromUtf8(named.bytes).split(u'\n');
        if (!named.error.isEmpty() || lines.size() < 2)
            continue;
        // The same file, whatever its name now, is the same archive.
        if (!identity.isEmpty() && lines[1] == identity) {
            folder_ = rootDir.filePath(entry);
            return;
        }
        if (byPath.isEmpty() && lines[0] == archive_)
            byPath = rootDir.filePath(entry);
    }
    folder_ = byPath;
}

QString Generations::defaultRoot()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u"/backups"_s;
}

bool Generations::makeFolder()
{
    if (!folder_.isEmpty())
        return QDir().mkpath(folder_);
    // Named once, when the first generation is kept; found again by what "archive" in it says.
    const QString hash = QString::fromLatin1(
        QCryptographicHash::hash(nativePath(archive_), QCryptographicHash::Sha256).toHex().left(16));
    const QString base = QDir(root_).filePath(QFileInfo(archive_).fileName() + u'-' + hash);
    for (int attempt = 1; attempt < 100; ++attempt) {
        const QString candidate = attempt == 1 ? base : base + u'-' + QString::number(attempt);
        if (QFileInfo::exists(candidate))
            continue;
        if (!QDir().mkpath(candidate))
            return false;
        folder_ = candidate;
        return true;
    }
    errno = EEXIST;
    return false;
}

void Generations::recordArchive() const
{
    // Best effort: without it the folder is still found by the archive's path.
    static_cast<void>(writeWhole(QDir(folder_).filePath(kArchiveFile.toString()),
                                 (archive_ + u'\n' + fileIdentity(archive_) + u'\n').toUtf8()));
}

std::vector<Generation> Generations::list() const
{
    std::vector<Generation> generations;
    if (folder_.isEmpty())
        return generations;
    const QDir folder(folder_);
    for (const QString& name : namesIn(folder)) {
        Generation g;
        g.name = name;
        const QString descriptionPath = folder.filePath(name + kDescriptionSuffix.toString());
        const FileContents text = readRegularFile(descriptionPath, kDescriptionLimit);
        const std::optional<Description> d = text.error.isEmpty() ? parse(text.bytes) : std::nullopt;
        struct stat described = {};
        if (::stat(nativePath(descriptionPath).constData(), &described) == 0)
            g.bytesOnDisk = qint64(described.st_blocks) * 512;
        if (!d) {
            g.damaged = true;
            g.problem = tr("its description cannot be read");
            g.saved = QDateTime::fromSecsSinceEpoch(described.st_mtime, QTimeZone::utc());
            generations.push_back(g);
            continue;
        }
        g.saved = d->saved.toUTC();
        g.records = d->records;
        g.tapes = d->tapes;
        g.films = d->films;
        struct stat data = {};
        if (::stat(nativePath(folder.filePath(dataName(name, d->deflated))).constData(), &data) != 0 ||
            !S_ISREG(data.st_mode)) {
            g.damaged = true;
            g.problem = tr("its records are missing");
        } else {
            g.bytesOnDisk += qint64(data.st_blocks) * 512;
            if (data.st_size != d->size) {
                g.damaged = true;
                g.problem = tr("its size is wrong");
            }
        }
        generations.push_back(g);
    }
    std::sort(generations.begin(), generations.end(), [](const Generation& a, const Generation& b) {
        return a.saved != b.saved ? a.saved > b.saved : a.name > b.name;
    });
    for (std::size_t i = 0; i < generations.size(); ++i)
        generations[i].number = static_cast<int>(i) + 1;
    return generations;
}

std::optional<QString> Generations::load(const Generation& generation, Catalogue& catalogue) const
{
    const auto refused = [&catalogue](const QString& problem) {
        catalogue.releaseAll();
        return tr("The backup is damaged (%1) and cannot be restored.").arg(problem);
    };
    if (generation.damaged)
        return refused(generation.problem);
    const QDir folder(folder_);
    const FileContents text =
        readRegularFile(folder.filePath(generation.name + kDescriptionSuffix.toString()), kDescriptionLimit);
    const std::optional<Description> d = text.error.isEmpty() ? parse(text.bytes) : std::nullopt;
    if (folder_.isEmpty() || !d)
        return refused(tr("its description cannot be read"));
    const FileHandle file(
        ::open(nativePath(folder.filePath(dataName(generation.name, d->deflated))).constData(),
               O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat info = {};
    if (!file.valid() || ::fstat(file.fd(), &info) != 0 || !S_ISREG(info.st_mode))
        return refused(tr("its records are missing"));
    if (info.st_size != d->size)
        return refused(tr("its size is wrong"));

    RecordsReader reader(file.fd(), d->deflated);
    const auto buffer = std::make_unique_for_overwrite<char[]>(kChunkBytes);
    quint32 crc = recordsChecksum(0, nullptr, 0);
    qint64 total = 0;
    for (;;) {
        const qint64 got = reader.read(buffer.get(), kChunkBytes);
        if (got < 0)
            return refused(systemErrorText(errno));
        if (got == 0)
            break;
        total += got;
        // More than the description promises is damage; it is not read on into memory.
        if (total > d->records * kRecordBytes || got % kRecordBytes != 0)
            return refused(tr("its size is wrong"));
        crc = recordsChecksum(crc, buffer.get(), got);
        for (qint64 offset = 0; offset < got; offset += kRecordBytes) {
            auto record = std::make_unique_for_overwrite<FilmRecord>();
            std::memcpy(record.get(), buffer.get() + offset, kRecordSize);
            record->diskPrev = 0;
            record->diskNext = 0;
            catalogue.appendRecord(std::move(record));
        }
    }
    if (total != d->records * kRecordBytes)
        return refused(tr("its size is wrong"));
    if (crc != d->crc)
        return refused(tr("its checksum is wrong"));
    if (qsizetype(d->tapes) != qsizetype(catalogue.cassettes().size()) || d->films != catalogue.filmTotal())
        return refused(tr("its counts are wrong"));
    catalogue.history().clear();
    return std::nullopt;
}

SaveResult Generations::restore(const Generation& generation)
{
    Catalogue restored;
    if (const std::optional<QString> problem = load(generation, restored))
        return {false, *problem, {}};
    struct stat info = {};
    if (::stat(nativePath(archive_).constData(), &info) == 0) {
        Catalogue current;
        const LoadResult loaded = loadArchive(current, archive_);
        if (!loaded.readable())
            return {false,
                    tr("The archive cannot be read (%1), so it cannot be kept first.").arg(loaded.reason),
                    {}};
        if (const std::optional<QString> problem = keep(current, {}, 0, 0, 0))
            return {false,
                    tr("The archive as it stands cannot be kept as a backup first (%1).").arg(*problem),
                    {}};
    }
    RootedTarget target(root_);
    SaveResult saved = writeArchive(restored, archive_, target);
    if (!saved.saved)
        saved.reason = tr("The archive cannot be saved (%1).").arg(saved.reason);
    return saved;
}

std::optional<QString> Generations::keepSaved(const QString& file, dev_t device, ino_t inode,
                                              const Catalogue& catalogue, quint32 crc)
{
    if (const std::optional<QString> problem = keep(catalogue, file, device, inode, crc))
        return note(*problem);
    return std::nullopt;
}

std::optional<QString> Generations::keepCopy(const Catalogue& catalogue)
{
    if (const std::optional<QString> problem = keep(catalogue, {}, 0, 0, 0))
        return note(*problem);
    return std::nullopt;
}

std::optional<QString> Generations::keep(const Catalogue& catalogue, const QString& linkFrom, dev_t device,
                                         ino_t inode, quint32 crc)
{
    try {
        if (!makeFolder())
            return systemErrorText(errno);
        Description d = describeCatalogue(catalogue);
        const QDir folder(folder_);
        QString name = d.saved.toString(u"yyyyMMdd'T'HHmmsszzz'Z'"_s);
        for (int attempt = 2; QFileInfo::exists(folder.filePath(name + kDescriptionSuffix.toString()));
             ++attempt)
            name = d.saved.toString(u"yyyyMMdd'T'HHmmsszzz'Z'"_s) + u'-' + QString::number(attempt);

        bool linked = false;
        if (!linkFrom.isEmpty()) {
            // The saved file itself, where the folder is on its file system: the save never writes it
            // again. Checked to be the very file written, not one another program put in its place.
            const QString data = folder.filePath(dataName(name, false));
            struct stat info = {};
            linked = ::link(nativePath(linkFrom).constData(), nativePath(data).constData()) == 0;
            if (linked && (::stat(nativePath(data).constData(), &info) != 0 || info.st_dev != device ||
                           info.st_ino != inode)) {
                removeFile(data);
                linked = false;
            }
            d.crc = crc;
            d.size = d.records * kRecordBytes;
        }
        if (!linked) {
            const QString data = folder.filePath(dataName(name, true));
            const std::optional<Deflated> deflated = deflateInto(data, [&catalogue](DeflateWriter& writer) {
                return forEachRecordChunk(
                    catalogue, [&writer](const char* bytes, qint64 size) { return writer.add(bytes, size); });
            });
            if (!deflated)
                return systemErrorText(errno);
            d.deflated = true;
            d.size = deflated->size;
            d.crc = deflated->crc;
            if (::rename(nativePath(deflated->temp).constData(), nativePath(data).constData()) != 0) {
                const int error = errno;
                removeFile(deflated->temp);
                return systemErrorText(error);
            }
        }
        // The description last: until it is there, the records file is a leftover, not a generation.
        if (!writeWhole(folder.filePath(name + kDescriptionSuffix.toString()), describe(d))) {
            const int error = errno;
            removeFile(folder.filePath(dataName(name, d.deflated)));
            return systemErrorText(error);
        }
        syncFolder(folder_);
        recordArchive();
        thin();
        return std::nullopt;
    } catch (const std::bad_alloc&) {
        return systemErrorText(ENOMEM);
    }
}

std::optional<QString> Generations::separateFrom(const QString& file)
{
    struct stat target = {};
    if (folder_.isEmpty() || ::stat(nativePath(file).constData(), &target) != 0)
        return std::nullopt;
    const QDir folder(folder_);
    std::optional<QString> problem;
    for (const QString& name : namesIn(folder)) {
        const QString descriptionPath = folder.filePath(name + kDescriptionSuffix.toString());
        const QString raw = folder.filePath(dataName(name, false));
        struct stat info = {};
        if (::stat(nativePath(raw).constData(), &info) != 0 || info.st_dev != target.st_dev ||
            info.st_ino != target.st_ino)
            continue;
        const FileContents text = readRegularFile(descriptionPath, kDescriptionLimit);
        std::optional<Description> d = text.error.isEmpty() ? parse(text.bytes) : std::nullopt;
        bool separated = false;
        if (d && !d->deflated) {
            const QString deflatedPath = folder.filePath(dataName(name, true));
            const FileHandle source(::open(nativePath(raw).constData(), O_RDONLY | O_CLOEXEC));
            const std::optional<Deflated> deflated =
                source.valid()
                    ? deflateInto(deflatedPath,
                                  [&source](DeflateWriter& writer) {
                                      RecordsReader reader(source.fd(), false);
                                      const auto buffer = std::make_unique_for_overwrite<char[]>(kChunkBytes);
                                      for (;;) {
                                          const qint64 got = reader.read(buffer.get(), kChunkBytes);
                                          if (got <= 0)
                                              return got == 0;
                                          if (!writer.add(buffer.get(), got))
                                              return false;
                                      }
                                  })
                    : std::nullopt;
            if (deflated && deflated->crc == d->crc) {
                Description copy = *d;
                copy.deflated = true;
                copy.size = deflated->size;
                // The copy takes its name first; the description then points to it in one rename.
                separated = ::rename(nativePath(deflated->temp).constData(),
                                     nativePath(deflatedPath).constData()) == 0 &&
                            writeWhole(descriptionPath, describe(copy));
                if (separated)
                    removeFile(raw);
                else
                    removeFile(deflatedPath);
            }
            if (deflated && !separated)
                removeFile(deflated->temp);
        }
        if (!separated) {
            // What the write in place is about to change cannot stay as a generation.
            removeFile(descriptionPath);
            removeFile(raw);
            problem = note(systemErrorText(errno != 0 ? errno : EIO));
        }
    }
    syncFolder(folder_);
    return problem;
}

void Generations::thin() const
{
    const std::vector<Generation> generations = list();
    std::vector<GenerationStamp> stamps;
    stamps.reserve(generations.size());
    for (const Generation& g : generations)
        stamps.push_back({g.saved, g.bytesOnDisk});
    const std::vector<bool> keep =
        generationsToKeep(stamps, QDateTime::currentDateTimeUtc(), QTimeZone::systemTimeZone());
    const QDir folder(folder_);
    QStringList kept;
    for (std::size_t i = 0; i < generations.size(); ++i) {
        const QString& name = generations[i].name;
        if (keep[i]) {
            kept.append(name);
            continue;
        }
        // The description first: a generation without its records would be listed as damaged.
        removeFile(folder.filePath(name + kDescriptionSuffix.toString()));
        removeFile(folder.filePath(dataName(name, false)));
        removeFile(folder.filePath(dataName(name, true)));
    }
    // What interrupted keeps left: records without a description, and unfinished files. Only names
    // this class gives.
    for (const QString& entry : folder.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        const QString name = entry.endsWith(kDeflateSuffix) ? entry.chopped(kDeflateSuffix.size())
                             : entry.endsWith(kRawSuffix)   ? entry.chopped(kRawSuffix.size())
                                                            : QString();
        const qsizetype marker = entry.indexOf(u".~rm.new-");
        const bool unfinished = marker > 0 && isUniqueName(entry, QStringView(entry).left(marker), u".new-");
        const bool orphan = !name.isEmpty() && !kept.contains(name) && name.size() >= 19 && name[8] == u'T';
        struct stat info = {};
        if ((unfinished || orphan) && ::lstat(nativePath(folder.filePath(entry)).constData(), &info) == 0 &&
            S_ISREG(info.st_mode))
            removeFile(folder.filePath(entry));
    }
    syncFolder(folder_);
}

QString Generations::note(const QString& reason) const
{
    return tr("The archive was saved, but no backup of it could be kept in %1 (%2).")
        .arg(QDir::toNativeSeparators(folder_.isEmpty() ? root_ : folder_), reason);
}

} // namespace catalogue
