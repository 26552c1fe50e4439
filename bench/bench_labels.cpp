// Times labels for every cassette of a catalogue of 10,000 as PDF files: spine labels on the A4 VHS
// spine sheet and face labels on the A4 VHS face sheet, each gathered from the catalogue, placed and
// written. Painted on the offscreen platform, written to a temporary folder.
#include "ArchiveFixture.h"
#include "Timing.h"

#include "catalogue/Catalogue.h"
#include "exchange/LabelDocument.h"
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

// The milliseconds labels of kind on the built-in sheet took to gather and write; negative on failure.
double writeLabels(const catalogue::Catalogue& catalogue, exchange::LabelKind kind, std::size_t sheet,
                   const QString& path, int& pages)
{
    QElapsedTimer timer;
    timer.start();
    exchange::LabelDocument labels(exchange::gatherCatalogue(catalogue),
                                   {exchange::builtInLabelSheets()[sheet].sheet, kind, 1, false});
    pages = labels.pageCount();
    if (exchange::writeSheetsPdf(path, {}, labels).status != catalogue::WriteOutcome::Written)
        return -1;
    return elapsedMs(timer);
}

} // namespace

int main(int argc, char** argv)
{
    bench::useOffscreenPlatform();
    QGuiApplication app(argc, argv);
    const int rounds = bench::roundsFrom(app.arguments());

    catalogue::Catalogue catalogue;
    bench::fillCatalogue(catalogue, kSize);

    QTemporaryDir dir;
    const QString spinePath = dir.filePath(QStringLiteral("spine.pdf"));
    const QString facePath = dir.filePath(QStringLiteral("face.pdf"));

    std::vector<double> spines;
    std::vector<double> faces;
    std::printf("labels for %d cassettes x %d films\n\n"
                "round   spine PDF(ms)  pages  size(MB)   face PDF(ms)  pages  size(MB)\n",
                kSize.cassettes, kSize.filmsPerCassette);
    for (int round = 1; round <= rounds; ++round) {
        int spinePages = 0;
        int facePages = 0;
        spines.push_back(writeLabels(catalogue, exchange::LabelKind::Spine, 0, spinePath, spinePages));
        faces.push_back(writeLabels(catalogue, exchange::LabelKind::Face, 1, facePath, facePages));
        if (spines.back() < 0 || faces.back() < 0) {
            std::printf("the labels were not written\n");
            return 1;
        }
        std::printf("%5d %15.1f %6d %9.1f %14.1f %6d %9.1f\n", round, spines.back(), spinePages,
                    double(QFileInfo(spinePath).size()) / 1e6, faces.back(), facePages,
                    double(QFileInfo(facePath).size()) / 1e6);
    }
    std::printf("  med %15.1f %33.1f\n", median(spines), median(faces));
    return 0;
}
