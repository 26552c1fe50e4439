// Fuzz target for the CSV import and export. Whatever the bytes: decoding keeps every byte and says
// where the bad ones were; planning never crashes, and every record it plans is one the archive can
// hold, its cassette's tape counted right; applying the plan keeps the catalogue whole; and the
// catalogue that results, one made straight from the bytes, and the archive the bytes are when loaded
// come back equal through an export and an import, the export holding nothing a terminal or a
// spreadsheet would run.

#include "catalogue/Catalogue.h"
#include "catalogue/Cp1252.h"
#include "catalogue/FilmRules.h"
#include "catalogue/RecordText.h"
#include "exchange/Csv.h"
#include "exchange/CsvExport.h"
#include "exchange/CsvFormat.h"
#include "exchange/CsvImport.h"
#include "exchange/CsvText.h"
#include "storage/Archive.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QSet>
#include <QStringDecoder>
#include <QTemporaryDir>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

using namespace catalogue;

namespace {

constexpr QByteArrayView kByteOrderMark("\xEF\xBB\xBF");

void check(bool ok, const char* what)
{
    if (!ok) {
        std::fprintf(stderr, "fuzz_csv: %s\n", what);
        std::abort();
    }
}

// The header rows the main window accepts: the current language's first, then German.
const std::vector<QStringList>& headerNames()
{
    static const std::vector<QStringList> names{
        exchange::csvHeader(),
        {QStringLiteral("Kassette"), QStringLiteral("Kassettenlänge"), QStringLiteral("Zählerstand"),
         QStringLiteral("Titel"), QStringLiteral("Jahr"), QStringLiteral("Land"), QStringLiteral("Länge"),
         QStringLiteral("Regie"), QStringLiteral("Darsteller"), QStringLiteral("Genre"),
         QStringLiteral("Handlung"), QStringLiteral("Longplay"), QStringLiteral("Schwarzweiß"),
         QStringLiteral("Gesehen"), QStringLiteral("Löschbar")}};
    return names;
}

QByteArray bytesOf(std::string_view view)
{
    return QByteArray(view.data(), qsizetype(view.size()));
}

// A cassette with films, a nearly full one, and an empty one: what a file's rows meet.
void fillBase(Catalogue& catalogue)
{
    const auto add = [&catalogue](const char* tape, int tapeLength, const char* title, int minutes) {
        auto r = Catalogue::newRecord();
        setText(r->tapeName, QString::fromLatin1(tape));
        r->tapeLength = quint16(tapeLength);
        setText(r->filmName, QString::fromLatin1(title));
        r->filmLength = quint16(minutes);
        r->year = minutes ? 1990 : 0;
        catalogue.appendRecord(std::move(r));
    };
    add("Krimis", 240, "M", 100);
    add("Krimis", 240, "Der dritte Mann", 104);
    add("Voll", 60, "Lang", 59);
    add("Leer", 180, "", 0);
}

void checkRecord(const FilmRecord& r)
{
    check(r.tapeName.length <= 50 && r.filmName.length <= 70 && r.country.length <= 70 &&
              r.director.length <= 70 && r.genre.length <= 70,
          "a planned text is longer than its field");
    check(r.actors[400] == 0 && r.story[600] == 0, "a planned memo has no terminator");
    // A year of 0 is no year, as old archives and their exports hold it.
    check(isValidLength(r.filmLength), "a planned length is out of range");
    check(r.longplay <= 1 && r.blackWhite <= 1 && r.seen <= 1 && r.deletable <= 1,
          "a planned flag is not 0 or 1");
}

// A file read as UTF-16 or UTF-32 gives back its bytes once each U+FFFD of a bad unit is that unit again.
void checkUnits(const QByteArray& bytes, const exchange::CsvText& file)
{
    const bool little =
        file.encoding == exchange::CsvEncoding::Utf16LE || file.encoding == exchange::CsvEncoding::Utf32LE;
    const bool wide =
        file.encoding == exchange::CsvEncoding::Utf32LE || file.encoding == exchange::CsvEncoding::Utf32BE;
    const int size = wide ? 4 : 2;
    const auto unit = [&](quint32 value, int count) {
        QByteArray out;
        for (int i = 0; i < count; ++i)
            out += char(value >> (8 * (little ? i : count - 1 - i)));
        return out;
    };
    QByteArray again;
    qsizetype from = 0;
    const auto encode = [&](QStringView text) {
        if (!wide) {
            for (const QChar c : text)
                again += unit(c.unicode(), 2);
            return;
        }
        for (const char32_t c : text.toUcs4())
            again += unit(c, 4);
    };
    for (const exchange::CsvText::BadByte& bad : file.badBytes) {
        check(bad.at >= from && bad.at < file.text.size(), "bad units out of order");
        check(file.text[bad.at] == QChar(QChar::ReplacementCharacter), "a bad unit is no U+FFFD");
        check(bad.size == size || bad.at == file.text.size() - 1, "a unit cut short before the end");
        encode(QStringView(file.text).sliced(from, bad.at - from));
        again += unit(bad.value, bad.size);
        from = bad.at + 1;
    }
    encode(QStringView(file.text).sliced(from));
    check(bytes.endsWith(again), "UTF-16 or UTF-32 decoding loses bytes");
    const qsizetype mark = bytes.size() - again.size();
    check(mark == 0 ? file.encoding == exchange::CsvEncoding::Utf16LE : mark == size,
          "a byte order mark is wrong");
}

// A file read as UTF-8 gives back its bytes once each U+FFFD of a bad byte is that byte again.
void checkDecode(const QByteArray& bytes, const exchange::CsvText& file)
{
    if (file.encoding != exchange::CsvEncoding::Utf8 && file.encoding != exchange::CsvEncoding::Windows1252) {
        checkUnits(bytes, file);
        return;
    }
    const bool byteOrderMark = bytes.startsWith(kByteOrderMark);
    const QByteArrayView body = QByteArrayView(bytes).sliced(byteOrderMark ? kByteOrderMark.size() : 0);
    QStringDecoder utf8(QStringConverter::Utf8,
                        QStringConverter::Flag::ConvertInitialBom | QStringConverter::Flag::Stateless);
    const QString valid = utf8(body);
    if (file.encoding == exchange::CsvEncoding::Windows1252) {
        check(!byteOrderMark && utf8.hasError(), "UTF-8 is read as Windows-1252");
        check(file.badBytes.empty(), "a Windows-1252 file has bad bytes");
        check(file.text == cp1252::decode(bytes.constData(), bytes.size()), "Windows-1252 decodes wrong");
        return;
    }
    if (!utf8.hasError())
        check(file.badBytes.empty() && file.text == valid, "valid UTF-8 decodes wrong");
    QByteArray again;
    qsizetype from = 0;
    for (const exchange::CsvText::BadByte& bad : file.badBytes) {
        check(bad.at >= from && bad.at < file.text.size(), "bad bytes out of order");
        check(file.text[bad.at] == QChar(QChar::ReplacementCharacter), "a bad byte is no U+FFFD");
        again += QStringView(file.text).sliced(from, bad.at - from).toUtf8();
        again += char(bad.value);
        from = bad.at + 1;
    }
    again += QStringView(file.text).sliced(from).toUtf8();
    check(again == body, "UTF-8 decoding loses bytes");
}

void checkList(const Catalogue& catalogue)
{
    qsizetype count = 0;
    qint32 films = 0;
    const FilmRecord* prev = nullptr;
    for (const FilmRecord* r = catalogue.head(); r; prev = r, r = r->next, ++count) {
        check(r->prev == prev, "a broken back link");
        films += r->isPlaceholder() ? 0 : 1;
    }
    check(prev == catalogue.tail() && count == catalogue.recordCount(), "a broken list");
    check(films == catalogue.filmTotal(), "a wrong film total");
}

// Export, import into an empty catalogue: every record comes back, byte for byte, in its order.
void checkRoundTrip(const Catalogue& original)
{
    const QByteArray csv = exchange::exportCatalogue(original);
    const exchange::CsvText file = exchange::decodeCsvFile(csv);
    check(file.encoding == exchange::CsvEncoding::Utf8 && file.badBytes.empty(), "an export is no UTF-8");
    Catalogue copy;
    exchange::ImportPlan plan = exchange::planImport(copy, file, headerNames());
    if (!plan.fileError.isEmpty() || !plan.skipped.empty()) {
        std::fprintf(stderr, "fuzz_csv: %s\n",
                     qPrintable(plan.fileError.isEmpty() ? plan.skipped.front().reason : plan.fileError));
    }
    check(plan.fileError.isEmpty() && plan.skipped.empty(), "an export does not import whole");
    exchange::applyImport(copy, std::move(plan));
    checkList(copy);
    check(copy.recordCount() == original.recordCount(), "an export imports another number of records");
    for (const FilmRecord *a = original.head(), *b = copy.head(); a && b; a = a->next, b = b->next)
        check(std::memcmp(a, b, offsetof(FilmRecord, diskPrev)) == 0, "an export imports another record");
}

// The bytes of a field that the CSV carries: a short string up to its length, a memo up to its NUL.
template <std::size_t N> std::string_view carried(const ShortString<N>& field)
{
    return {field.chars, std::min<std::size_t>(field.length, N)};
}

template <std::size_t N> std::string_view carried(const char (&field)[N])
{
    return {field, strnlen(field, N - 1)};
}

bool sameFilm(const FilmRecord& a, const FilmRecord& b)
{
    return carried(a.filmName) == carried(b.filmName) && a.year == b.year &&
           carried(a.country) == carried(b.country) && a.filmLength == b.filmLength &&
           carried(a.director) == carried(b.director) && carried(a.actors) == carried(b.actors) &&
           carried(a.genre) == carried(b.genre) && carried(a.story) == carried(b.story) &&
           !a.longplay == !b.longplay && !a.blackWhite == !b.blackWhite && !a.seen == !b.seen &&
           !a.deletable == !b.deletable;
}

// Nothing in an export that a terminal takes as a command (of C0 only the CR LF of row ends and of the
// memos' line breaks, no DEL, no C1), no line break in a cell of one line, and no text cell that a
// spreadsheet would run.
void checkExportBytes(const QByteArray& csv)
{
    for (qsizetype i = 0; i < csv.size(); ++i) {
        const auto b = static_cast<unsigned char>(csv[i]);
        if (b == '\r')
            check(i + 1 < csv.size() && csv[i + 1] == '\n', "an export holds a lone CR");
        else if (b == '\n')
            check(i > 0 && csv[i - 1] == '\r', "an export holds a lone LF");
        else
            check(b >= 0x20 && b != 0x7F, "an export holds a C0 control or DEL");
        if (b == 0xC2 && i + 1 < csv.size()) {
            const auto next = static_cast<unsigned char>(csv[i + 1]);
            check(next < 0x80 || next >= 0xA0, "an export holds a C1 control");
        }
    }
    const exchange::CsvText file = exchange::decodeCsvFile(csv);
    exchange::CsvReader reader(file.text);
    exchange::CsvRecord row;
    check(reader.next(row), "an export has no header");
    while (reader.next(row)) {
        check(row.fields.size() == exchange::CsvColumnCount, "an export row has another number of fields");
        for (int column = 0; column < exchange::CsvColumnCount; ++column) {
            const QString& cell = row.fields[column];
            const bool memo = column == exchange::ColumnActors || column == exchange::ColumnStory;
            check(memo || (!cell.contains(u'\r') && !cell.contains(u'\n')),
                  "a cell of one line holds a line break");
            if (cell.startsWith(exchange::kTextMark))
                continue;
            for (const QChar c : cell) {
                if (exchange::isBlankOrControl(c.unicode()) ||
                    exchange::controlShownAs(c.unicode()) != c.unicode())
                    continue;
                check(c != u'=' && c != u'+' && c != u'-' && c != u'@', "a cell a spreadsheet would run");
                break;
            }
        }
    }
}

// The bytes, padded to whole records, as an archive file the program loads: whatever its records hold,
// an export imported into an empty catalogue gives back every cassette and film in its order, every
// field the CSV carries, and exports to the very same bytes.
void checkArchive(const std::uint8_t* data, std::size_t size)
{
    static const QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/rm-fuzz-csv-XXXXXX"));
    const QString path = dir.filePath(QStringLiteral("archive.RMA"));
    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    bytes.append(QByteArray(qsizetype((kRecordSize - size % kRecordSize) % kRecordSize), '\0'));
    {
        QFile file(path);
        check(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size(),
              "cannot write the archive");
    }
    Catalogue original;
    check(loadArchive(original, path).sizeOk, "an archive of whole records does not load");
    const QByteArray csv = exchange::exportCatalogue(original);
    checkExportBytes(csv);

    Catalogue copy;
    exchange::ImportPlan plan = exchange::planImport(copy, exchange::decodeCsvFile(csv), headerNames());
    if (!plan.fileError.isEmpty() || !plan.skipped.empty()) {
        std::fprintf(stderr, "fuzz_csv: %s\n",
                     qPrintable(plan.fileError.isEmpty() ? plan.skipped.front().reason : plan.fileError));
    }
    check(plan.fileError.isEmpty() && plan.skipped.empty(), "an archive's export does not import whole");
    exchange::applyImport(copy, std::move(plan));
    checkList(copy);
    check(exchange::exportCatalogue(copy) == csv, "an archive's export imports into another export");

    const auto before = original.cassettes();
    const auto after = copy.cassettes();
    check(before.size() == after.size(), "an archive's export imports another number of cassettes");
    for (std::size_t i = 0; i < before.size(); ++i) {
        check(before[i]->nameBytes() == after[i]->nameBytes() && before[i]->length() == after[i]->length(),
              "an archive's export imports another cassette");
        std::vector<const FilmRecord*> films;
        for (const FilmRecord* r : before[i]->records()) {
            if (!r->isPlaceholder())
                films.push_back(r);
        }
        check(films.size() == std::size_t(after[i]->filmCount()),
              "an archive's export imports another film count");
        std::size_t at = 0;
        for (const FilmRecord* r : after[i]->records()) {
            if (!r->isPlaceholder())
                check(sameFilm(*films[at++], *r), "an archive's export imports another film");
        }
    }
}

// The plan of bytes against the base catalogue, checked, applied, and sent round.
void checkPlan(const exchange::CsvText& file)
{
    Catalogue catalogue;
    fillBase(catalogue);
    struct Tape
    {
        int length = 0;
        qint64 used = 0;
    };
    QHash<QByteArray, Tape> tapes;
    for (const FilmRecord* r = catalogue.head(); r; r = r->next) {
        const QByteArray key = bytesOf(tapeNameBytes(*r));
        // A cassette's length is that of its first record.
        if (!tapes.contains(key))
            tapes[key].length = r->tapeLength;
        tapes[key].used += qint64{timeFactor(*r)} * r->filmLength;
    }

    exchange::ImportPlan plan = exchange::planImport(catalogue, file, headerNames());
    check(plan.encoding == file.encoding, "the plan names another encoding");
    if (!plan.fileError.isEmpty()) {
        check(plan.cassettes.empty() && plan.skipped.empty(), "a file error with a plan");
        return;
    }
    std::vector<int> lines;
    int lastSkipped = 0;
    for (const exchange::SkippedRow& row : plan.skipped) {
        check(row.line > lastSkipped && !row.reason.isEmpty(), "skipped rows out of order or without reason");
        lastSkipped = row.line;
        lines.push_back(row.line);
    }
    qsizetype placeholdersFilled = 0;
    qsizetype placeholdersAdded = 0;
    QSet<QByteArray> planned;
    for (const exchange::PlannedCassette& cassette : plan.cassettes) {
        bool exact = false;
        const QByteArray key = cp1252::encode(cassette.name, &exact);
        check(exact && key.size() <= kTapeNameCapacity, "a planned cassette name cannot be stored");
        check(!planned.contains(key), "a cassette planned twice");
        planned.insert(key);
        check(cassette.isNew != tapes.contains(key), "a cassette is new and there, or neither");
        if (cassette.isNew) {
            check(cassette.length >= 0 && cassette.length <= kLargestNumber,
                  "a new cassette's length is out of range");
            tapes.insert(key, {cassette.length, 0});
            placeholdersAdded += cassette.films.empty() ? 1 : 0;
        } else {
            check(!cassette.films.empty(), "a cassette that is there is planned without films");
            placeholdersFilled += key == "Leer" ? 1 : 0;
        }
        Tape& tape = tapes[key];
        int lastLine = 0;
        for (const exchange::ImportedFilm& film : cassette.films) {
            const FilmRecord& r = *film.record;
            checkRecord(r);
            check(bytesOf(tapeNameBytes(r)) == key && r.tapeLength == tape.length,
                  "a planned film names another cassette");
            check(film.line > lastLine, "a cassette's films out of order");
            lastLine = film.line;
            lines.push_back(film.line);
            tape.used += qint64{timeFactor(r)} * r.filmLength;
        }
        // Over-full cassettes are taken, and their excess told.
        check(cassette.usedHalfMinutes == tape.used, "a planned cassette's tape is counted wrong");
        check((cassette.minutesOver() > 0) == (tape.used > 2 * qint64{tape.length}) &&
                  2 * qint64{cassette.minutesOver()} >= tape.used - 2 * qint64{tape.length},
              "a planned cassette's excess is told wrong");
    }
    std::sort(lines.begin(), lines.end());
    check(std::adjacent_find(lines.begin(), lines.end()) == lines.end(), "a row planned and skipped");

    // A film for the empty cassette takes its placeholder; a new cassette without films gets one.
    const qsizetype records = catalogue.recordCount();
    const qint32 films = catalogue.filmTotal();
    const int added = plan.filmCount();
    exchange::applyImport(catalogue, std::move(plan));
    check(catalogue.filmTotal() == films + added, "applying adds another number of films");
    check(catalogue.recordCount() == records + added + placeholdersAdded - placeholdersFilled,
          "applying adds another number of records");
    checkList(catalogue);
    checkRoundTrip(catalogue);
}

// Reads the fuzz bytes as the fields of film records.
class Bytes final
{
public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool atEnd() const { return at_ >= size_; }
    unsigned next() { return at_ < size_ ? data_[at_++] : 0; }
    unsigned next16()
    {
        const unsigned low = next();
        return low | next() << 8;
    }

    // A length byte, then up to that many bytes (no more than capacity), control characters and all;
    // a memo, which ends at its first NUL, holds none.
    QByteArray text(std::size_t capacity, bool memo)
    {
        const std::size_t length =
            std::min<std::size_t>(next() % (capacity + 1), size_ - std::min(at_, size_));
        QByteArray bytes;
        for (std::size_t i = 0; i < length; ++i) {
            const char b = char(next());
            bytes += memo && b == 0 ? 'n' : b;
        }
        return bytes;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

template <std::size_t N> void store(ShortString<N>& field, const QByteArray& bytes)
{
    field.length = quint8(bytes.size());
    std::memcpy(field.chars, bytes.constData(), std::size_t(bytes.size()));
}

template <std::size_t N> void store(char (&field)[N], const QByteArray& bytes)
{
    std::memcpy(field, bytes.constData(), std::size_t(bytes.size()));
}

// Up to eight films on up to eight cassettes, every text from the bytes; a catalogue as the windows
// could have made it, so the round trip must give back every byte.
void checkBuiltCatalogue(const std::uint8_t* data, std::size_t size)
{
    Bytes bytes(data, size);
    std::vector<QByteArray> names;
    QHash<QByteArray, std::size_t> byName;
    std::vector<std::vector<std::unique_ptr<FilmRecord>>> cassettes;
    const unsigned count = 1 + bytes.next() % 8;
    for (unsigned i = 0; i < count && !bytes.atEnd(); ++i) {
        const unsigned choice = bytes.next();
        std::size_t cassette = choice % 8;
        if (cassette >= names.size()) {
            const QByteArray name = bytes.text(kTapeNameCapacity, false);
            // A cassette is its exact name; names differing in letter case only are two of them.
            const auto known = byName.constFind(name);
            if (known != byName.constEnd()) {
                cassette = *known;
            } else {
                cassette = names.size();
                byName.insert(name, cassette);
                names.push_back(name);
                cassettes.emplace_back();
            }
        }
        auto r = Catalogue::newRecord();
        store(r->tapeName, names[cassette]);
        r->tapeLength = kLargestNumber;
        store(r->filmName, bytes.text(kTextCapacity, false));
        store(r->country, bytes.text(kTextCapacity, false));
        store(r->director, bytes.text(kTextCapacity, false));
        store(r->genre, bytes.text(kTextCapacity, false));
        store(r->actors, bytes.text(kActorsCapacity, true));
        store(r->story, bytes.text(kStoryCapacity, true));
        r->year = quint16(1 + bytes.next16() % kLargestNumber);
        r->filmLength = quint16(1 + bytes.next16() % 600);
        const unsigned flags = bytes.next();
        r->longplay = flags & 1;
        r->blackWhite = (flags >> 1) & 1;
        r->seen = (flags >> 2) & 1;
        r->deletable = (flags >> 3) & 1;
        cassettes[cassette].push_back(std::move(r));
    }
    Catalogue catalogue;
    for (auto& records : cassettes) {
        for (auto& r : records)
            catalogue.appendRecord(std::move(r));
    }
    checkRoundTrip(catalogue);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const exchange::CsvText file = exchange::decodeCsvFile(bytes);
    checkDecode(bytes, file);
    checkPlan(file);

    // The same bytes behind a header row that matches, so that every input reaches the rows.
    static const QByteArray header = exchange::csvHeader().join(u',').toUtf8() + "\r\n";
    checkPlan(exchange::decodeCsvFile(header + bytes));

    checkBuiltCatalogue(data, size);
    checkArchive(data, size);
    return 0;
}
