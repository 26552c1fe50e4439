// Times the Tellico export of a large catalogue and its import into an empty one: the export as the
// file's bytes (XML and zip) and as a file written; the import as its plan (unzipping, reading, every
// rule) and as a whole (plan and adding every film).
//
//   bench_tellico [--rounds N]
#include "ArchiveFixture.h"
#include "Timing.h"

#include "catalogue/Catalogue.h"
#include "exchange/TellicoExport.h"
#include "exchange/TellicoImport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
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
    // At full length every film fits, as the CSV benchmark has it.
    for (const catalogue::Cassette* cassette : original.cassettes())
        original.renameCassette(*cassette, cassette->name(), 65535);
    original.history().clear();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("catalogue.tc"));
    const QString title = QStringLiteral("Videos");

    std::vector<double> exportMs;
    std::vector<double> exportFileMs;
    std::vector<double> planMs;
    std::vector<double> importMs;
    QByteArray file;
    qsizetype xmlSize = 0;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        file = *exchange::exportTellico(original, title);
        exportMs.push_back(elapsedMs(timer));
        if (round == 0)
            xmlSize = exchange::tellicoXml(original, title)->size();

        timer.start();
        const catalogue::WriteOutcome written = exchange::writeCatalogueTellico(path, original, title);
        if (written.status != catalogue::WriteOutcome::Written) {
            std::printf("cannot write %s: %s\n", qPrintable(path), qPrintable(written.reason));
            return 1;
        }
        exportFileMs.push_back(elapsedMs(timer));

        catalogue::Catalogue copy;
        timer.start();
        const exchange::ImportPlan plan = *exchange::planTellicoImport(copy, file);
        planMs.push_back(elapsedMs(timer));

        timer.start();
        exchange::ImportPlan again = *exchange::planTellicoImport(copy, file);
        exchange::applyImport(copy, std::move(again));
        importMs.push_back(elapsedMs(timer));
        if (copy.recordCount() != original.recordCount() || !plan.skipped.empty() ||
            !plan.fileError.isEmpty()) {
            for (const auto& entry : plan.skipped)
                std::printf("line %d: %s\n", entry.line, qPrintable(entry.reason));
            std::printf("mismatch: %lld records imported of %lld, %zu entries skipped %s\n",
                        static_cast<long long>(copy.recordCount()),
                        static_cast<long long>(original.recordCount()), plan.skipped.size(),
                        qPrintable(plan.fileError));
            return 1;
        }
    }
    std::printf(
        "catalogue of %lld films, tellico.xml of %.1f MB, zipped %.1f MB   (medians of %d rounds)\n\n",
        static_cast<long long>(original.recordCount()), double(xmlSize) / 1e6, double(file.size()) / 1e6,
        rounds);
    std::printf("%-34s %10.1f ms\n", "export to bytes", median(exportMs));
    std::printf("%-34s %10.1f ms   (target 3000)\n", "export to a file", median(exportFileMs));
    std::printf("%-34s %10.1f ms\n", "import plan (unzip, read, check)", median(planMs));
    std::printf("%-34s %10.1f ms   (target 3000)\n", "import (plan and add)", median(importMs));
    return 0;
}
