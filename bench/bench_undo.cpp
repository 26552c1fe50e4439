// Times undo and redo on a large catalogue whose main window's rows follow every step, as in a real run:
// a CSV import of 100,000 films taken back and made again as one step, into new cassettes and into
// the cassettes already there; and one step of every kind on a cassette in the middle.
//
//   bench_undo [--rounds N]
#include "ArchiveFixture.h"
#include "Timing.h"

#include "catalogue/Catalogue.h"
#include "catalogue/RecordText.h"
#include "exchange/CsvExport.h"
#include "exchange/CsvFormat.h"
#include "exchange/CsvImport.h"
#include "windows/core/MainWindow.h"
#include "windows/models/CassetteListModel.h"
#include "windows/undo/CatalogueCommands.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QUndoStack>

#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

using bench::elapsedMs;
using bench::median;

constexpr bench::FixtureSize kSize{10000, 10};

struct Timings
{
    std::vector<double> undo;
    std::vector<double> redo;
};

// Makes a change through step, then times its undo and its redo, and takes it back again.
bool timeStep(QUndoStack& stack, const catalogue::Catalogue& catalogue, Timings& timings,
              const std::function<void()>& step)
{
    const qsizetype records = catalogue.recordCount();
    step();
    QElapsedTimer timer;
    timer.start();
    stack.undo();
    timings.undo.push_back(elapsedMs(timer));
    const bool undone = catalogue.recordCount() == records;
    timer.start();
    stack.redo();
    timings.redo.push_back(elapsedMs(timer));
    stack.undo();
    stack.clear();
    return undone && catalogue.recordCount() == records;
}

} // namespace

int main(int argc, char** argv)
{
    bench::useOffscreenPlatform();
    QApplication app(argc, argv);
    const int rounds = bench::roundsFrom(app.arguments());

    catalogue::Catalogue catalogue;
    bench::fillCatalogue(catalogue, kSize);
    // At full length every imported film fits behind the films already there.
    for (const catalogue::Cassette* cassette : catalogue.cassettes())
        catalogue.renameCassette(*cassette, cassette->name(), 65535);
    // As though read so from the archive: nothing to take back.
    catalogue.history().clear();
    QUndoStack stack;
    windows::MainWindow window(catalogue, stack);
    const std::vector<QStringList> headers{exchange::csvHeader()};
    const QByteArray sameNames = exchange::exportCatalogue(catalogue);
    QByteArray newNames = sameNames;
    newNames.replace("Kassette ", "Band ");

    std::map<std::string, Timings> timings;
    const auto import = [&](const QByteArray& csv) {
        exchange::ImportPlan plan = exchange::planImport(catalogue, exchange::decodeCsvFile(csv), headers);
        windows::applyImport(stack, catalogue, std::move(plan), QStringLiteral("bench.csv"));
    };
    const auto middle = [&catalogue] { return bench::cassetteAt(catalogue, kSize.cassettes / 2); };
    catalogue::FilmRecord fields = catalogue::FilmRecord();
    catalogue::setText(fields.filmName, u"Neu");
    fields.filmLength = 90;
    fields.year = 1999;

    using Step = std::pair<const char*, std::function<void()>>;
    const std::vector<Step> steps = {
        {"import of 100,000 films, new cassettes", [&] { import(newNames); }},
        {"import of 100,000 films, cassettes there", [&] { import(sameNames); }},
        {"create cassette", [&] { windows::createCassette(stack, catalogue, QStringLiteral("Neu"), 180); }},
        {"rename cassette",
         [&] { windows::editCassette(stack, catalogue, *middle(), QStringLiteral("Umbenannt"), 240); }},
        {"rename onto a name in use (joins)",
         [&] {
             windows::editCassette(stack, catalogue, *middle(), bench::cassetteAt(catalogue, 7000)->name(),
                                   65535);
         }},
        {"delete cassette", [&] { windows::deleteCassette(stack, catalogue, *middle()); }},
        {"add film", [&] { windows::addFilm(stack, catalogue, *middle(), catalogue::filmOf(fields)); }},
        {"insert film",
         [&] {
             windows::addFilm(stack, catalogue, *middle(), catalogue::filmOf(fields), middle()->recordAt(5));
         }},
        {"edit film",
         [&] { windows::updateFilm(stack, catalogue, *middle()->recordAt(3), catalogue::filmOf(fields)); }},
        {"delete film", [&] { windows::removeFilm(stack, catalogue, *middle()->recordAt(3)); }},
    };
    for (int round = 0; round < rounds; ++round) {
        for (const auto& [name, step] : steps) {
            if (!timeStep(stack, catalogue, timings[name], step)) {
                std::printf("%s: the catalogue did not come back\n", name);
                return 1;
            }
        }
        if (window.cassetteModel()->rowCount() != kSize.cassettes) {
            std::printf("wrong number of rows: %d\n", window.cassetteModel()->rowCount());
            return 1;
        }
    }
    std::printf(
        "catalogue of %d cassettes x %d films, main window's rows listening   (medians of %d rounds)\n\n",
        kSize.cassettes, kSize.filmsPerCassette, rounds);
    std::printf("%-42s %10s %10s\n", "step", "undo ms", "redo ms");
    for (const auto& [name, step] : steps) {
        const Timings& t = timings[name];
        std::printf("%-42s %10.2f %10.2f   (target %s)\n", name, median(t.undo), median(t.redo),
                    std::string(name).rfind("import", 0) == 0 ? "1000" : "5");
    }
    return 0;
}
