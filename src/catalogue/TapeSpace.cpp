#include "catalogue/TapeSpace.h"

#include "catalogue/Cassette.h"
#include "catalogue/Catalogue.h"

namespace catalogue {

qint64 freeMinutes(const Cassette& cassette, bool longplay)
{
    return freeMinutes(cassette.length(), cassette.usedHalfMinutes(), longplay);
}

qint64 freeMinutes(int tapeLength, qint64 usedHalfMinutes, bool longplay)
{
    const qint64 freeHalfMinutes = 2 * qint64{tapeLength} - usedHalfMinutes;
    const qint64 perMinute = longplay ? 1 : 2;
    // Rounded down, below zero too: an over-full cassette never seems to hold a minute more.
    return freeHalfMinutes >= 0 ? freeHalfMinutes / perMinute
                                : -((-freeHalfMinutes + perMinute - 1) / perMinute);
}

const FilmRecord* lastFilm(const Cassette& cassette)
{
    const auto records = cassette.records();
    for (auto it = records.rbegin(); it != records.rend(); ++it) {
        if (!(*it)->isPlaceholder())
            return *it;
    }
    return nullptr;
}

std::vector<TapeSegment> tapeSegments(const Cassette& cassette)
{
    std::vector<TapeSegment> segments;
    segments.reserve(std::size_t(cassette.filmCount()));
    qint64 tape = 0;
    qint64 counter = 0;
    for (const FilmRecord* r : cassette.records()) {
        if (!r->isPlaceholder()) {
            const qint64 taken = qint64{timeFactor(*r)} * r->filmLength;
            segments.push_back({r, tape, taken, counter});
            tape += taken;
        }
        counter += r->filmLength;
    }
    return segments;
}

} // namespace catalogue
