// Times a CSV import of 100,000 films into 5,000 new cassettes, through the progress window as the
// program runs it, and its undo: with no tool window open, with Duplicates and Statistics open, and with
// Tape Map open as well, round after round in one run. The time runs until every window has answered.
//
//   bench_import [--rounds N]
#include "ArchiveFixture.h"
#include "Timing.h"

#include "catalogue/Catalogue.h"
#include "exchange/CsvExport.h"
#include "exchange/CsvFormat.h"
#include "exchange/CsvImport.h"
#include "ui/JobProgress.h"
#include "windows/core/MainWindow.h"
#include "windows/statistics/StatisticsWindow.h"
#include "windows/tools/DuplicatesWindow.h"
#include "windows/tools/TapeMapWindow.h"
#include "windows/undo/CatalogueCommands.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QUndoStack>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

using bench::elapsedMs;
using bench::median;

constexpr bench::FixtureSize kImported{5000, 20};

struct Timings
{
    std::vector<double> import;
    std::vector<double> undo;
};

} // namespace

int main(int argc, char** argv)
{
    bench::useOffscreenPlatform();
    QApplication app(argc, argv);
    const int rounds = bench::roundsFrom(app.arguments());

    QByteArray csv;
    {
        catalogue::Catalogue source;
        bench::fillCatalogue(source, kImported);
        csv = exchange::exportCatalogue(source);
    }
    const std::vector<QStringList> headers{exchange::csvHeader()};

    catalogue::Catalogue catalogue;
    QUndoStack stack;
    windows::MainWindow window(catalogue, stack);
    window.show();
    windows::DuplicatesWindow duplicates(catalogue);
    windows::StatisticsWindow statistics(catalogue);
    windows::TapeMapWindow tapeMap(catalogue);
    // The windows open in each case, and what each case took.
    const std::vector<std::vector<QWidget*>> cases{
        {}, {&duplicates, &statistics}, {&duplicates, &statistics, &tapeMap}};
    const char* const caseNames[] = {"no tool window open", "Duplicates and Statistics open",
                                     "Duplicates, Statistics and Tape Map open"};
    std::vector<Timings> timed(cases.size());
    QCoreApplication::processEvents();

    for (int round = 0; round < int(cases.size()) * rounds; ++round) {
        const std::size_t shown = std::size_t(round) % cases.size();
        for (QWidget* tool : cases.back())
            tool->setVisible(std::find(cases[shown].begin(), cases[shown].end(), tool) != cases[shown].end());
        QCoreApplication::processEvents();
        Timings& timings = timed[shown];
        exchange::ImportPlan plan = exchange::planImport(catalogue, exchange::decodeCsvFile(csv), headers);

        QElapsedTimer timer;
        timer.start();
        {
            ui::JobProgress job(&window, u"Import"_s, u"Adding"_s, false);
            windows::applyImport(stack, catalogue, std::move(plan), u"bench.csv"_s, job.progress());
        }
        QCoreApplication::processEvents();
        timings.import.push_back(elapsedMs(timer));
        if (catalogue.filmTotal() != kImported.cassettes * kImported.filmsPerCassette) {
            std::printf("wrong number of films: %d\n", catalogue.filmTotal());
            return 1;
        }

        timer.start();
        stack.undo();
        QCoreApplication::processEvents();
        timings.undo.push_back(elapsedMs(timer));
        // The undone import's records are freed here, not when the next round's import is recorded.
        catalogue.history().clear();
        stack.clear();
        if (!catalogue.isEmpty()) {
            std::printf("the undo left %lld records\n", static_cast<long long>(catalogue.recordCount()));
            return 1;
        }
    }

    std::printf("import of %d films into %d cassettes, median of %d rounds:\n",
                kImported.cassettes * kImported.filmsPerCassette, kImported.cassettes, rounds);
    for (std::size_t i = 0; i < cases.size(); ++i) {
        std::printf("  %-44s %8.1f ms, undo %8.1f ms\n", caseNames[i], median(timed[i].import),
                    median(timed[i].undo));
    }
    for (std::size_t i = 1; i < cases.size(); ++i)
        std::printf("  ratio of the import, %s: %.2f\n", caseNames[i],
                    median(timed[i].import) / median(timed[0].import));
    return 0;
}
