#pragma once

#include <QString>

namespace catalogue {
class Catalogue;
}

// Archives for benchmarks: many cassettes of films with texts of realistic length.
namespace bench {

struct FixtureSize
{
    int cassettes = 10000;
    int filmsPerCassette = 10;
};

// Appends size.cassettes cassettes of size.filmsPerCassette films each; the same every time.
void fillCatalogue(catalogue::Catalogue& catalogue, const FixtureSize& size);

// Writes such an archive to path through the catalogue store; false when that failed.
bool writeArchiveFixture(const QString& path, const FixtureSize& size);

} // namespace bench
