// Times the statistics window's figures and charts for a catalogue of 100,000 films: counting them
// (per genre of the German list, per decade, per band of fullness) and writing the figures and bars.
#include "ArchiveFixture.h"
#include "Timing.h"

#include "catalogue/Catalogue.h"
#include "catalogue/CollectionStatistics.h"
#include "exchange/StatisticsContent.h"
#include "ui/Language.h"
#include "windows/core/GenreLists.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <vector>

namespace {

constexpr bench::FixtureSize kSize{10000, 10};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int rounds = bench::roundsFrom(app.arguments());
    ui::setLanguage(ui::kGerman);

    catalogue::Catalogue catalogue;
    bench::fillCatalogue(catalogue, kSize);
    // The program's catalogue has its cassettes found long before anyone asks for statistics.
    catalogue.cassettes();
    const QStringList genres = windows::genreNames(ui::kGerman);
    const QLocale locale = ui::localeOf(ui::kGerman);

    std::vector<double> counts;
    std::vector<double> totals;
    std::printf("catalogue of %d cassettes x %d films\n\n"
                "round   counted(ms)   with texts(ms)   films\n",
                kSize.cassettes, kSize.filmsPerCassette);
    for (int round = 1; round <= rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        const catalogue::CollectionStatistics statistics = catalogue::collectStatistics(catalogue, genres);
        counts.push_back(bench::elapsedMs(timer));
        const exchange::StatisticsContent content = exchange::statisticsContent(statistics, genres, locale);
        totals.push_back(bench::elapsedMs(timer));
        std::printf("%5d %13.2f %16.2f %7d\n", round, counts.back(), totals.back(), statistics.films);
        if (content.figures.empty())
            return 1;
    }
    std::printf("  med %13.2f %16.2f\n", bench::median(counts), bench::median(totals));
    return 0;
}
