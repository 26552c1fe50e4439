#include "exchange/SheetData.h"

#include "catalogue/Catalogue.h"
#include "catalogue/RecordText.h"

#include <optional>
#include <string_view>
#include <unordered_map>

using catalogue::FilmRecord;

namespace exchange {
namespace {

// A cassette being gathered: its sheet, and the tape its films take so far.
struct Gathering
{
    SheetCassette sheet;
    qint64 minutes = 0;         // playing time of the films so far: where the next one starts
    qint64 usedHalfMinutes = 0; // tape they take, long-play counting half
};

Gathering startCassette(const FilmRecord& first)
{
    Gathering g;
    g.sheet.name = catalogue::tapeNameText(first);
    g.sheet.length = first.tapeLength;
    return g;
}

// A placeholder has no film to show and takes no tape.
void addFilm(Gathering& g, const FilmRecord& r)
{
    if (r.isPlaceholder())
        return;
    SheetFilm film;
    film.startMinutes = g.minutes;
    film.length = r.filmLength;
    film.title = catalogue::text(r.filmName);
    film.year = r.year;
    film.longPlay = r.longplay != 0;
    film.genre = catalogue::text(r.genre);
    film.director = catalogue::text(r.director);
    g.sheet.films.push_back(std::move(film));
    g.minutes += r.filmLength;
    g.usedHalfMinutes += qint64{catalogue::timeFactor(r)} * r.filmLength;
}

SheetCassette finish(Gathering& g)
{
    g.sheet.remainingMinutes = catalogue::remainingMinutes(g.sheet.length, g.usedHalfMinutes);
    return std::move(g.sheet);
}

} // namespace

SheetCassette gatherCassette(const catalogue::Catalogue& catalogue, const FilmRecord& anchor)
{
    std::optional<Gathering> g;
    for (const FilmRecord* r = catalogue.head(); r; r = r->next) {
        if (!catalogue::sameTape(*r, anchor))
            continue;
        if (!g)
            g = startCassette(*r);
        addFilm(*g, *r);
    }
    // An anchor outside the catalogue still names a cassette: an empty one.
    if (!g)
        g = startCassette(anchor);
    return finish(*g);
}

std::vector<SheetCassette> gatherCatalogue(const catalogue::Catalogue& catalogue)
{
    std::vector<Gathering> cassettes;
    std::unordered_map<std::string_view, std::size_t> byName;
    for (const FilmRecord* r = catalogue.head(); r; r = r->next) {
        const auto [it, isNew] = byName.try_emplace(catalogue::tapeNameBytes(*r), cassettes.size());
        if (isNew)
            cassettes.push_back(startCassette(*r));
        addFilm(cassettes[it->second], *r);
    }
    std::vector<SheetCassette> sheets;
    sheets.reserve(cassettes.size());
    for (Gathering& g : cassettes)
        sheets.push_back(finish(g));
    return sheets;
}

} // namespace exchange
