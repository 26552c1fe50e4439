// Times the film window on a large archive: opening it on a cassette in the middle and on the last
// one (which gathers the cassette's records in one walk), then one showFilm() per step through the
// cassette's films, as holding down ">" does. The window is shown offscreen.
#include "ArchiveFixture.h"
#include "Timing.h"

#include "catalogue/Catalogue.h"
#include "windows/core/FilmWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QUndoStack>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

using bench::elapsedMs;
using bench::median;

constexpr bench::FixtureSize kSize{10000, 10};

} // namespace

int main(int argc, char** argv)
{
    bench::useOffscreenPlatform();
    QApplication app(argc, argv);
    const int rounds = bench::roundsFrom(app.arguments());

    catalogue::Catalogue catalogue;
    bench::fillCatalogue(catalogue, kSize);
    QUndoStack undoStack;
    windows::FilmWindow window(catalogue, undoStack);

    std::vector<double> opens;
    std::vector<double> steps;
    std::printf("catalogue of %d cassettes x %d films\n\nround  cassette   open(ms)   showFilm median(ms)\n",
                kSize.cassettes, kSize.filmsPerCassette);
    for (int round = 1; round <= rounds; ++round) {
        for (const int cassette : {kSize.cassettes / 2, kSize.cassettes - 1}) {
            window.setCassette(bench::cassetteAt(catalogue, cassette));
            QElapsedTimer timer;
            timer.start();
            window.show();
            opens.push_back(elapsedMs(timer));
            if (window.filmCount() != kSize.filmsPerCassette || window.filmIndex() != 1) {
                std::printf("wrong films: %d at %d\n", window.filmCount(), window.filmIndex());
                return 1;
            }
            std::vector<double> shown;
            for (int step = 1; step < window.filmCount(); ++step) {
                timer.start();
                window.showNextFilm();
                shown.push_back(elapsedMs(timer));
            }
            for (int step = 1; step < window.filmCount(); ++step) {
                timer.start();
                window.showPreviousFilm();
                shown.push_back(elapsedMs(timer));
            }
            steps.push_back(median(shown));
            std::printf("%5d %9d %10.2f %21.3f\n", round, cassette + 1, opens.back(), steps.back());
            window.hide();
        }
    }
    std::printf("  med %20.2f %21.3f\n", median(opens), median(steps));
    return 0;
}
