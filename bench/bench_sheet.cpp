// Times the printed sheets as PDF files: the catalogue list of every cassette (gathered from the
// catalogue, laid out and written), and the sheet of one cassette in the middle of the catalogue.
// Painted on the offscreen platform, written to a temporary folder.
#include "ArchiveFixture.h"
#include "Timing.h"

#include "catalogue/Catalogue.h"
#include "exchange/SheetData.h"
#include "exchange/SheetPainter.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

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
    QGuiApplication app(argc, argv);
    const int rounds = bench::roundsFrom(app.arguments());

    catalogue::Catalogue catalogue;
    bench::fillCatalogue(catalogue, kSize);
    const catalogue::Cassette* middle = bench::cassetteAt(catalogue, kSize.cassettes / 2);

    QTemporaryDir dir;
    const QString listPath = dir.filePath(QStringLiteral("list.pdf"));
    const QString sheetPath = dir.filePath(QStringLiteral("sheet.pdf"));

    std::vector<double> lists;
    std::vector<double> sheets;
    std::printf("catalogue of %d cassettes x %d films\n\n"
                "round   list PDF(ms)   size(MB)   sheet PDF(ms)\n",
                kSize.cassettes, kSize.filmsPerCassette);
    for (int round = 1; round <= rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        if (exchange::writeSheetsPdf(listPath, {}, exchange::gatherCatalogue(catalogue),
                                     exchange::SheetKind::CatalogueList)
                .status != catalogue::WriteOutcome::Written) {
            std::printf("the catalogue list was not written\n");
            return 1;
        }
        lists.push_back(elapsedMs(timer));

        timer.start();
        if (exchange::writeSheetsPdf(sheetPath, {}, {exchange::gatherCassette(*middle)},
                                     exchange::SheetKind::CassetteSheet)
                .status != catalogue::WriteOutcome::Written) {
            std::printf("the cassette sheet was not written\n");
            return 1;
        }
        sheets.push_back(elapsedMs(timer));
        std::printf("%5d %14.1f %10.1f %15.2f\n", round, lists.back(),
                    double(QFileInfo(listPath).size()) / 1e6, sheets.back());
    }
    std::printf("  med %14.1f %10s %15.2f\n", median(lists), "", median(sheets));
    return 0;
}
