#include "exchange/CsvExport.h"

#include "exchange/Csv.h"
#include "exchange/CsvFormat.h"

#include "catalogue/CassetteFilms.h"
#include "catalogue/Catalogue.h"
#include "catalogue/RecordText.h"

#include <string_view>
#include <unordered_map>
#include <vector>

using catalogue::FilmRecord;

namespace exchange {

namespace {

// Spreadsheets on Windows read a CSV file without a byte order mark in the local 8-bit code page, and
// would garble every umlaut; with it, Excel, LibreOffice and gnumeric all read UTF-8. Scripts that
// compare bytes or cut the first column must skip these three bytes (Python: encoding "utf-8-sig");
// the import accepts files with and without them.
constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

std::string_view nameBytes(const FilmRecord& r)
{
    return {r.tapeName.chars, std::min<std::size_t>(r.tapeName.length, sizeof r.tapeName.chars)};
}

QString flag(quint8 value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

QByteArray exportCatalogue(const catalogue::Catalogue& catalogue)
{
    // Each cassette's records in catalogue order, gathered in one walk. A cassette is every record of
    // one stored name, byte for byte, as the film window steps through them.
    std::vector<std::vector<const FilmRecord*>> cassettes;
    std::unordered_map<std::string_view, std::size_t> cassetteByName;
    for (const FilmRecord* r = catalogue.head(); r; r = r->next) {
        const auto [it, isNew] = cassetteByName.try_emplace(nameBytes(*r), cassettes.size());
        if (isNew)
            cassettes.emplace_back();
        cassettes[it->second].push_back(r);
    }

    CsvWriter csv(kByteOrderMark);
    csv.reserve(catalogue.recordCount() * 400);
    for (const QString& name : csvHeader())
        csv.field(name);
    csv.endRow();

    for (const std::vector<const FilmRecord*>& records : cassettes) {
        const FilmRecord& first = *records.front();
        const QString cassette = catalogue::tapeNameText(first);
        const QString cassetteLength = QString::number(first.tapeLength);
        qint64 minutes = 0; // the counter position before the next film
        bool anyFilm = false;
        for (const FilmRecord* r : records) {
            if (r->isPlaceholder())
                continue;
            anyFilm = true;
            csv.field(cassette);
            csv.field(cassetteLength);
            csv.field(catalogue::counterRange(minutes, r->filmLength));
            csv.field(catalogue::text(r->filmName));
            csv.field(QString::number(r->year));
            csv.field(catalogue::text(r->country));
            csv.field(QString::number(r->filmLength));
            csv.field(catalogue::text(r->director));
            // The memos go out as the record holds them, line breaks as CR LF.
            csv.field(catalogue::text(r->actors));
            csv.field(catalogue::text(r->genre));
            csv.field(catalogue::text(r->story));
            csv.field(flag(r->longplay));
            csv.field(flag(r->blackWhite));
            csv.field(flag(r->seen));
            csv.field(flag(r->deletable));
            csv.endRow();
            minutes += r->filmLength;
        }
        if (!anyFilm) {
            csv.field(cassette);
            csv.field(cassetteLength);
            for (int column = ColumnCounterRange; column < CsvColumnCount; ++column)
                csv.field({});
            csv.endRow();
        }
    }
    return csv.takeBytes();
}

} // namespace exchange
