// Times what bringing back an earlier save takes on 100,000 films: comparing it with the catalogue
// now, and replacing the catalogue with it as one step, undone and made again.
//
//   bench_restore [--rounds N]
#include "ArchiveFixture.h"
#include "Timing.h"

#include "catalogue/Catalogue.h"
#include "catalogue/CatalogueComparison.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

using bench::elapsedMs;
using bench::median;

constexpr bench::FixtureSize kSize{10000, 10}; // 100,000 films

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int rounds = bench::roundsFrom(app.arguments());

    catalogue::Catalogue catalogue;
    bench::fillCatalogue(catalogue, kSize);
    // The earlier save: the same catalogue with every tenth film changed and every hundredth gone.
    std::vector<catalogue::FilmRecord> earlier;
    int n = 0;
    for (const catalogue::FilmRecord* r = catalogue.head(); r; r = r->next, ++n) {
        if (n % 100 == 99)
            continue;
        earlier.push_back(*r);
        if (n % 10 == 0)
            earlier.back().year = quint16(earlier.back().year + 1);
    }
    std::vector<const catalogue::FilmRecord*> older;
    for (const catalogue::FilmRecord& r : earlier)
        older.push_back(&r);

    std::vector<double> compared;
    std::vector<double> replaced;
    std::vector<double> undone;
    std::vector<double> redone;
    std::size_t differences = 0;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        const std::vector<const catalogue::FilmRecord*> now = catalogue::recordsOf(catalogue);
        differences = catalogue::compareCatalogues(older, now).films.size();
        compared.push_back(elapsedMs(timer));

        std::vector<std::unique_ptr<catalogue::FilmRecord>> records;
        records.reserve(earlier.size());
        for (const catalogue::FilmRecord& r : earlier)
            records.push_back(std::make_unique<catalogue::FilmRecord>(r));
        timer.start();
        catalogue.replaceRecords(std::move(records));
        replaced.push_back(elapsedMs(timer));
        timer.start();
        catalogue.history().undo();
        undone.push_back(elapsedMs(timer));
        timer.start();
        catalogue.history().redo();
        redone.push_back(elapsedMs(timer));
        catalogue.history().undo();
        catalogue.history().clear();
    }
    std::printf("records %lld, differing films %zu\n", static_cast<long long>(catalogue.recordCount()),
                differences);
    std::printf("compare  median %.1f ms\n", median(compared));
    std::printf("replace  median %.1f ms\n", median(replaced));
    std::printf("undo     median %.1f ms\n", median(undone));
    std::printf("redo     median %.1f ms\n", median(redone));
    return 0;
}
