#pragma once

#include <QString>

namespace catalogue {
class Cassette;
class Catalogue;
struct FilmRecord;
} // namespace catalogue

// Archives for benchmarks: many cassettes of films with texts of realistic length.
namespace bench {

struct FixtureSize
{
    int cassettes = 10000;
    int filmsPerCassette = 10;
};

// Appends size.cassettes cassettes of size.filmsPerCassette films each; the same every time.
void fillCatalogue(catalogue::Catalogue& catalogue, const FixtureSize& size);

// The cassette-th cassette (0-based) of a catalogue; null beyond the last.
const catalogue::Cassette* cassetteAt(const catalogue::Catalogue& catalogue, int cassette);

// Writes such an archive to path through the catalogue store; false when that failed.
bool writeArchiveFixture(const QString& path, const FixtureSize& size);

} // namespace bench
