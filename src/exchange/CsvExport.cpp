#include "exchange/CsvExport.h"

#include "catalogue/Catalogue.h"
#include "catalogue/Cp1252.h"
#include "catalogue/RecordText.h"
#include "exchange/Csv.h"
#include "exchange/CsvFormat.h"
#include "exchange/ExportFile.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

using catalogue::FilmRecord;

namespace exchange {

namespace {

// Spreadsheets on Windows read a CSV file without a byte order mark in the local 8-bit code page, and
// would garble every umlaut; with it, Excel, LibreOffice and gnumeric all read UTF-8. Scripts that
// compare bytes or cut the first column must skip these three bytes (Python: encoding "utf-8-sig");
// the import accepts files with and without them.
constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";
// Cassettes exported between two reports of progress.
constexpr std::size_t kProgressStep = 256;

QString flag(quint8 value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

// Record texts straight from Windows-1252 to UTF-8, byte by byte through a table made once from the
// catalogue's own code page, control characters shown (see shownControl()): a catalogue has a million
// texts.
class Utf8Texts final
{
public:
    Utf8Texts()
    {
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            const QChar c = catalogue::cp1252::decode(&byte, 1).front();
            const QByteArray utf8 = QString(QChar(shownControl(c.unicode()))).toUtf8();
            Utf8Char& shown = utf8_[std::size_t(b)];
            shown.size = std::uint8_t(utf8.size());
            std::memcpy(shown.bytes, utf8.constData(), std::size_t(utf8.size()));
            passed_[std::size_t(b)] = isBlankOrControl(c.unicode());
        }
    }

    template <std::size_t N> QByteArrayView operator()(const catalogue::ShortString<N>& field)
    {
        return convert(field.chars, std::min<std::size_t>(field.length, N), false);
    }

    QByteArrayView operator()(std::string_view name) { return convert(name.data(), name.size(), false); }

    // A zero-terminated field, a memo: without a terminator, as long as the field can hold.
    template <std::size_t N> QByteArrayView operator()(const char (&field)[N])
    {
        const void* zero = std::memchr(field, 0, N - 1);
        return convert(field, zero ? std::size_t(static_cast<const char*>(zero) - field) : N - 1, true);
    }

    // Whether the text last converted needs the text mark (see needsTextMark()).
    bool marked() const { return marked_; }

private:
    QByteArrayView convert(const char* bytes, std::size_t size, bool memo)
    {
        const auto byte = [bytes](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
        std::size_t first = 0;
        while (first < size && passed_[byte(first)])
            ++first;
        const unsigned char c = first < size ? byte(first) : 0;
        marked_ = (size > 0 && byte(0) == kTextMark) || c == '=' || c == '+' || c == '-' || c == '@';
        // A character of the code page takes at most three bytes of UTF-8.
        buffer_.resize(qsizetype(3 * size));
        char* out = buffer_.data();
        for (std::size_t i = 0; i < size; ++i) {
            // A memo keeps its line breaks: the record's CR LF goes out as it is.
            if (memo && byte(i) == '\r' && i + 1 < size && byte(i + 1) == '\n') {
                *out++ = '\r';
                *out++ = '\n';
                ++i;
                continue;
            }
            const Utf8Char& shown = utf8_[byte(i)];
            std::memcpy(out, shown.bytes, sizeof shown.bytes);
            out += shown.size;
        }
        return QByteArrayView(buffer_.constData(), out - buffer_.constData());
    }

    struct Utf8Char
    {
        char bytes[3];
        std::uint8_t size;
    };
    std::array<Utf8Char, 256> utf8_{};
    std::array<bool, 256> passed_{}; // a blank or a control character
    QByteArray buffer_;
    bool marked_ = false;
};

} // namespace

QByteArray exportCatalogue(const catalogue::Catalogue& catalogue)
{
    return *exportCatalogue(catalogue, catalogue::Progress());
}

std::optional<QByteArray> exportCatalogue(const catalogue::Catalogue& catalogue,
                                          const catalogue::Progress& progress)
{
    Utf8Texts utf8;
    CsvWriter csv(kByteOrderMark);
    csv.reserve(catalogue.recordCount() * 800); // a film with texts of usual length takes some 700 bytes
    for (const QString& name : csvHeader())
        csv.field(name);
    csv.endRow();

    // A cassette is every record of one stored name, byte for byte, as the film window steps through them.
    const auto cassettes = catalogue.cassettes();
    for (std::size_t i = 0; i < cassettes.size(); ++i) {
        if (i % kProgressStep == 0 && !progress.advance(qint64(i), qint64(cassettes.size())))
            return std::nullopt;
        const catalogue::Cassette* tape = cassettes[i];
        const QByteArray cassette = utf8(tape->nameBytes()).toByteArray();
        const bool cassetteMarked = utf8.marked();
        const QString cassetteLength = QString::number(tape->length());
        qint64 minutes = 0; // the counter position before the next film
        bool anyFilm = false;
        const auto text = [&csv, &utf8](const auto& field) {
            const QByteArrayView shown = utf8(field);
            csv.utf8TextField(shown, utf8.marked());
        };
        for (const FilmRecord* r : tape->records()) {
            if (r->isPlaceholder())
                continue;
            anyFilm = true;
            csv.utf8TextField(cassette, cassetteMarked);
            csv.field(cassetteLength);
            csv.field(catalogue::counterRange(minutes, r->filmLength));
            text(r->filmName);
            csv.field(QString::number(r->year));
            text(r->country);
            csv.field(QString::number(r->filmLength));
            text(r->director);
            // The memos go out as the record holds them: a CR LF as a line break, a lone CR or LF shown.
            text(r->actors);
            text(r->genre);
            text(r->story);
            csv.field(flag(r->longplay));
            csv.field(flag(r->blackWhite));
            csv.field(flag(r->seen));
            csv.field(flag(r->deletable));
            csv.endRow();
            minutes += r->filmLength;
        }
        if (!anyFilm) {
            csv.utf8TextField(cassette, cassetteMarked);
            csv.field(cassetteLength);
            for (int column = ColumnCounterRange; column < CsvColumnCount; ++column)
                csv.field({});
            csv.endRow();
        }
    }
    if (!progress.report(1))
        return std::nullopt;
    return csv.takeBytes();
}

catalogue::WriteOutcome writeCatalogueCsv(const QString& path, const catalogue::Catalogue& catalogue,
                                          const catalogue::Progress& progress)
{
    return writeExportFile(
        path, catalogue, [&](const catalogue::Progress& part) { return exportCatalogue(catalogue, part); },
        progress);
}

} // namespace exchange
