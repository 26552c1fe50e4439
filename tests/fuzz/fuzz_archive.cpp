// Fuzz target for the archive loader and saver and the Windows-1252 text conversion. Whatever the
// bytes: loading never crashes and keeps every whole record, a save gives back exactly the records
// it was handed, and text read from a record survives being stored again.

#include "catalogue/Catalogue.h"
#include "catalogue/Cp1252.h"
#include "catalogue/RecordText.h"
#include "storage/Archive.h"
#include "storage/SaveTarget.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace catalogue;

namespace {

// The save under test, without the generation every save keeps in the user's data folder.
class WithoutGenerations final : public SaveTarget
{
public:
    QString generationsRoot() const override { return {}; }
};

// The image bytes a save keeps: everything before the two link fields.
constexpr std::size_t kKeptBytes = offsetof(FilmRecord, diskPrev);

void check(bool ok, const char* what)
{
    if (!ok) {
        std::fprintf(stderr, "fuzz_archive: %s\n", what);
        std::abort();
    }
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    check(file.open(QIODevice::ReadOnly), "cannot read back a file");
    return file.readAll();
}

bool sameRecords(const Catalogue& a, const Catalogue& b)
{
    const FilmRecord* x = a.head();
    const FilmRecord* y = b.head();
    for (; x && y; x = x->next, y = y->next) {
        if (std::memcmp(x, y, kKeptBytes) != 0)
            return false;
    }
    return !x && !y;
}

// Reading a field, storing the text back and reading again gives the same text; no field reads
// more than it can hold, whatever its length byte or missing terminator says.
template <typename Field> void checkRoundTrip(Field& field, qsizetype capacity)
{
    const QString before = text(field);
    check(before.size() <= capacity, "a field reads beyond its capacity");
    setText(field, before);
    check(text(field) == before, "a field's text changes when stored again");
}

// Storing any text keeps the part that fits: cut to the capacity and, in a zero-terminated field,
// before the first NUL.
template <typename Field>
void checkStore(Field& field, const QString& value, qsizetype capacity, bool zeroTerminated)
{
    QString expected = value.left(capacity);
    if (zeroTerminated && expected.contains(QChar(0)))
        expected.truncate(expected.indexOf(QChar(0)));
    setText(field, value);
    check(text(field) == expected, "a stored text does not read back as its part that fits");
}

void checkRecordText(const FilmRecord& r, const QString& value)
{
    FilmRecord copy = r;
    checkRoundTrip(copy.tapeName, 50);
    checkRoundTrip(copy.filmName, 70);
    checkRoundTrip(copy.country, 70);
    checkRoundTrip(copy.director, 70);
    checkRoundTrip(copy.genre, 70);
    checkRoundTrip(copy.actors, 400);
    checkRoundTrip(copy.story, 600);
    checkStore(copy.tapeName, value, 50, false);
    checkStore(copy.actors, value, 400, true);
    checkStore(copy.story, value, 600, true);
}

void checkCodePage(const char* bytes, qsizetype size)
{
    // Every byte decodes to one character and encodes back to itself.
    const QString decoded = cp1252::decode(bytes, size);
    bool exact = false;
    check(decoded.size() == size, "decode() does not give one character per byte");
    check(cp1252::encode(decoded, &exact) == QByteArray(bytes, size) && exact,
          "decode() then encode() does not give back the bytes");

    // The same bytes as UTF-16: text that encodes exactly decodes back to itself, a lossy encoding
    // shows its replacement, and no character takes more than one byte.
    QString unicode(size / 2, Qt::Uninitialized);
    std::memcpy(unicode.data(), bytes, static_cast<std::size_t>(unicode.size()) * sizeof(QChar));
    const QByteArray encoded = cp1252::encode(unicode, &exact);
    check(encoded.size() <= unicode.size(), "encode() gives more bytes than characters");
    check(exact ? cp1252::decode(encoded.constData(), encoded.size()) == unicode : encoded.contains('?'),
          "encode() loses text without saying so");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/rm-fuzz-XXXXXX"));
    check(dir.isValid(), "no temporary folder");
    const QString input = dir.filePath(QStringLiteral("input.rma"));
    const QString saved = dir.filePath(QStringLiteral("saved.rma"));
    const auto* bytes = reinterpret_cast<const char*>(data);
    const auto length = static_cast<qsizetype>(size);

    {
        QFile file(input);
        check(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes, length) == length,
              "cannot write the input file");
    }
    // Each save starts afresh, with no earlier archive to keep as the backup.
    QFile::remove(saved);
    QFile::remove(saved + QString::fromUtf16(kBackupSuffix));

    // A regular file always loads: every whole record in file order, a part record at the end
    // reported and dropped.
    Catalogue loaded;
    const LoadResult result = loadArchive(loaded, input);
    const std::size_t records = size / kRecordSize;
    check(result.status == LoadResult::Loaded, "a regular file does not load");
    check(result.sizeOk == (size % kRecordSize == 0), "a wrong verdict on the file size");
    check(loaded.recordCount() == static_cast<qsizetype>(records), "a wrong record count");
    std::size_t i = 0;
    for (const FilmRecord* r = loaded.head(); r; r = r->next, ++i)
        check(std::memcmp(r, bytes + i * kRecordSize, kKeptBytes) == 0, "a record differs from its bytes");

    // The save writes the whole records with zero links and leaves the catalogue as it was.
    WithoutGenerations target;
    const SaveResult written = writeArchive(loaded, saved, target);
    if (!written.saved)
        std::fprintf(stderr, "fuzz_archive: %s\n", qPrintable(written.reason));
    check(written.saved, "the save failed");
    QByteArray expected(bytes, static_cast<qsizetype>(records * kRecordSize));
    for (i = 0; i < records; ++i)
        std::memset(expected.data() + i * kRecordSize + kKeptBytes, 0, kRecordSize - kKeptBytes);
    check(readAll(saved) == expected, "the saved file is not the records with zero links");

    Catalogue reloaded;
    const LoadResult again = loadArchive(reloaded, saved);
    check(again.status == LoadResult::Loaded && again.sizeOk, "the saved archive does not load cleanly");
    check(sameRecords(loaded, reloaded), "the saved archive loads as other records");

    checkCodePage(bytes, length);
    const QString value = cp1252::decode(bytes, length);
    for (const FilmRecord* r = loaded.head(); r; r = r->next)
        checkRecordText(*r, value);
    return 0;
}
