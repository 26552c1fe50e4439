// The fields of a record that its cassette and its tape time rest on.
#include "catalogue/Catalogue.h"
#include "catalogue/FilmRules.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace catalogue {

std::string_view tapeNameBytes(const FilmRecord& r)
{
    return {r.tapeName.chars, std::min(std::size_t{r.tapeName.length}, std::size_t(kTapeNameCapacity))};
}

bool sameTape(const FilmRecord& a, const FilmRecord& b)
{
    return tapeNameBytes(a) == tapeNameBytes(b);
}

int timeFactor(const FilmRecord& r)
{
    return ((r.longplay ^ 1) & 0x7F) + 1;
}

int remainingMinutes(int tapeLength, qint64 usedHalfMinutes)
{
    // 64-bit: a damaged archive may hold more film time than 32 bits can count.
    const qint64 remaining = (2 * qint64{tapeLength} - usedHalfMinutes) / 2; // rounds toward zero
    return static_cast<int>(
        std::clamp<qint64>(remaining, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

void copyFilmFields(FilmRecord& to, const FilmRecord& from)
{
    to.filmName = from.filmName;
    to.filmLength = from.filmLength;
    to.year = from.year;
    to.country = from.country;
    to.director = from.director;
    to.genre = from.genre;
    std::memcpy(to.actors, from.actors, sizeof to.actors);
    std::memcpy(to.story, from.story, sizeof to.story);
    to.longplay = from.longplay;
    to.blackWhite = from.blackWhite;
    to.seen = from.seen;
    to.deletable = from.deletable;
}

} // namespace catalogue
