// Times the main window coming up on a large archive: loading alone against loading plus building
// the cassette rows, in the same run. The window is built but never shown.
#include "ArchiveFixture.h"
#include "Timing.h"

#include "catalogue/Catalogue.h"
#include "storage/Archive.h"
#include "ui/ReportList.h"
#include "windows/core/MainWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
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

    QTemporaryDir dir;
    const QString programDir = dir.path() + u'/';
    if (!dir.isValid() || !bench::writeArchiveFixture(catalogue::archivePath(programDir), kSize))
        return 1;

    std::vector<double> loads;
    std::vector<double> windows;
    std::vector<double> shows;
    std::printf("archive of %d cassettes x %d films\n\nround  loadArchive  window(load+rows)   rows alone   "
                "captions   (ms)\n",
                kSize.cassettes, kSize.filmsPerCassette);
    for (int round = 1; round <= rounds; ++round) {
        catalogue::Catalogue catalogue;
        QElapsedTimer timer;
        timer.start();
        catalogue::loadArchive(catalogue, catalogue::archivePath(programDir));
        loads.push_back(elapsedMs(timer));
        catalogue.releaseAll();

        timer.start();
        catalogue::loadArchive(catalogue, catalogue::archivePath(programDir));
        QUndoStack undoStack;
        auto mainWindow = std::make_unique<windows::MainWindow>(catalogue, undoStack);
        windows.push_back(elapsedMs(timer));
        if (mainWindow->cassetteList()->rowCount() != kSize.cassettes) {
            std::printf("wrong number of rows: %d\n", mainWindow->cassetteList()->rowCount());
            return 1;
        }
        // What the first show adds: captions, column widths fitted to the names, status bar.
        timer.start();
        mainWindow->retranslate();
        shows.push_back(elapsedMs(timer));
        std::printf("%5d %12.1f %18.1f %12.1f %10.1f\n", round, loads.back(), windows.back(),
                    windows.back() - loads.back(), shows.back());
    }
    const double load = median(loads);
    const double window = median(windows);
    std::printf("  med %12.1f %18.1f %12.1f %10.1f\n\n", load, window, window - load, median(shows));
    std::printf("rows alone / loadArchive = %.3f\n", (window - load) / load);
    std::printf("window (load+rows) / loadArchive = %.3f\n", window / load);
    return 0;
}
