// Times the CSV export of a large catalogue and its import into an empty one: the export as bytes and
// as a file written; the import as its plan (decoding, reading, every rule) and as a whole (plan and
// adding every film).
//
//   bench_csv [--rounds N]
#include "ArchiveFixture.h"
#include "Timing.h"

#include "catalogue/Catalogue.h"
#include "exchange/CsvExport.h"
#include "exchange/CsvFormat.h"
#include "exchange/CsvImport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSaveFile>
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

    catalogue::Catalogue original;
    bench::fillCatalogue(original, kSize);
    // The fixture's cassettes are fuller than the film window would allow; at full length every film
    // fits, so that the import adds all of them.
    for (const catalogue::Cassette* cassette : original.cassettes())
        original.renameCassette(*cassette, cassette->name(), 65535);
    // As though read so from the archive: nothing to take back.
    original.history().clear();
    const std::vector<QStringList> headers{exchange::csvHeader()};
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("catalogue.csv"));

    std::vector<double> exportMs;
    std::vector<double> exportFileMs;
    std::vector<double> planMs;
    std::vector<double> importMs;
    QByteArray csv;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        csv = exchange::exportCatalogue(original);
        exportMs.push_back(elapsedMs(timer));

        timer.start();
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(exchange::exportCatalogue(original)) < 0 ||
            !file.commit()) {
            std::printf("cannot write %s\n", qPrintable(path));
            return 1;
        }
        exportFileMs.push_back(elapsedMs(timer));

        catalogue::Catalogue copy;
        timer.start();
        const exchange::ImportPlan plan = exchange::planImport(copy, exchange::decodeCsvFile(csv), headers);
        planMs.push_back(elapsedMs(timer));

        timer.start();
        exchange::ImportPlan again = exchange::planImport(copy, exchange::decodeCsvFile(csv), headers);
        exchange::applyImport(copy, std::move(again));
        importMs.push_back(elapsedMs(timer));
        if (copy.recordCount() != original.recordCount() || !plan.skipped.empty()) {
            for (const auto& row : plan.skipped)
                std::printf("line %d: %s\n", row.line, qPrintable(row.reason));
            std::printf("mismatch: %lld records imported of %lld, %zu rows skipped\n",
                        static_cast<long long>(copy.recordCount()),
                        static_cast<long long>(original.recordCount()), plan.skipped.size());
            return 1;
        }
    }
    std::printf("catalogue of %lld films, CSV of %.1f MB   (medians of %d rounds)\n\n",
                static_cast<long long>(original.recordCount()), double(csv.size()) / 1e6, rounds);
    std::printf("%-34s %10.1f ms\n", "export to bytes", median(exportMs));
    std::printf("%-34s %10.1f ms   (target 1000)\n", "export to a file", median(exportFileMs));
    std::printf("%-34s %10.1f ms\n", "import plan (decode, read, check)", median(planMs));
    std::printf("%-34s %10.1f ms   (target 2000)\n", "import (plan and add)", median(importMs));
    return 0;
}
