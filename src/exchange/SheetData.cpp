#include "exchange/SheetData.h"

#include "catalogue/Catalogue.h"
#include "catalogue/RecordText.h"

using catalogue::FilmRecord;

namespace exchange {

SheetCassette gatherCassette(const catalogue::Cassette& cassette)
{
    SheetCassette sheet;
    sheet.name = cassette.name();
    sheet.length = cassette.length();
    sheet.remainingMinutes = cassette.remainingMinutes();
    sheet.films.reserve(std::size_t(cassette.filmCount()));
    qint64 minutes = 0; // playing time of the films so far: where the next one starts
    for (const FilmRecord* r : cassette.records()) {
        // A placeholder has no film to show and takes no tape.
        if (r->isPlaceholder())
            continue;
        SheetFilm film;
        film.startMinutes = minutes;
        film.length = r->filmLength;
        film.title = catalogue::text(r->filmName);
        film.year = r->year;
        film.longPlay = r->longplay != 0;
        film.genre = catalogue::text(r->genre);
        film.director = catalogue::text(r->director);
        sheet.films.push_back(std::move(film));
        minutes += r->filmLength;
    }
    return sheet;
}

std::vector<SheetCassette> gatherCatalogue(const catalogue::Catalogue& catalogue)
{
    std::vector<SheetCassette> sheets;
    sheets.reserve(catalogue.cassettes().size());
    for (const catalogue::Cassette* cassette : catalogue.cassettes())
        sheets.push_back(gatherCassette(*cassette));
    return sheets;
}

} // namespace exchange
