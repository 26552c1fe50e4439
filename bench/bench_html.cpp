// Times the catalogue as one web page: built as bytes, and written as a file; prints the page's size.
//
//   bench_html [--rounds N]
#include "ArchiveFixture.h"
#include "Timing.h"

#include "catalogue/Catalogue.h"
#include "exchange/HtmlPage.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
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
    QCoreApplication app(argc, argv);
    const int rounds = bench::roundsFrom(app.arguments());

    catalogue::Catalogue catalogue;
    bench::fillCatalogue(catalogue, kSize);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("catalogue.html"));

    std::vector<double> buildMs;
    std::vector<double> writeMs;
    qsizetype bytes = 0;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        bytes = exchange::htmlPage(catalogue, QStringLiteral("en")).size();
        buildMs.push_back(elapsedMs(timer));

        timer.start();
        const catalogue::WriteOutcome written =
            exchange::writeHtmlPage(path, catalogue, QStringLiteral("en"));
        writeMs.push_back(elapsedMs(timer));
        if (written.status != catalogue::WriteOutcome::Written) {
            std::printf("cannot write %s: %s\n", qPrintable(path), qPrintable(written.reason));
            return 1;
        }
    }
    std::printf("web page of %d tapes x %d films, %d rounds\n", kSize.cassettes, kSize.filmsPerCassette,
                rounds);
    std::printf("  built:   median %8.1f ms\n", median(buildMs));
    std::printf("  written: median %8.1f ms\n", median(writeMs));
    std::printf("  size:    %lld bytes (%.1f MB), file %lld bytes\n", qint64(bytes), double(bytes) / 1e6,
                qint64(QFileInfo(path).size()));
    return 0;
}
