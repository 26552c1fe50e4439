// A save that keeps its generation against the same save without one, at 100,000 records, and the
// listing of 100 generations.
//
//   bench_generations [--rounds N] [--other-root FOLDER]
//
// The generations go beside the archive's file system (a hard link) and, with --other-root, to a
// folder on another file system such as /dev/shm (a compressed copy).
#include "ArchiveFixture.h"
#include "Timing.h"

#include "catalogue/Catalogue.h"
#include "storage/Archive.h"
#include "storage/Generations.h"
#include "storage/SaveTarget.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <unistd.h>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr bench::FixtureSize kSize{10000, 10};
constexpr int kListed = 100;

class GenerationsIn final : public catalogue::SaveTarget
{
public:
    explicit GenerationsIn(const QString& root) : root_(root) {}
    QString generationsRoot() const override { return root_; }

private:
    QString root_;
};

// One way of saving, with an archive of its own, so that each pays only for its own files: a save
// without generations frees the backup it replaces, one with them frees the generation thinned out.
struct Variant
{
    const char* name;
    QString archive;
    std::unique_ptr<GenerationsIn> target;
    std::vector<double> ms;
};
// Clones the newest generation under new names until there are count, as the listing sees them.
bool cloneGenerations(const catalogue::Generations& generations, int count)
{
    const std::vector<catalogue::Generation> kept = generations.list();
    if (kept.empty())
        return false;
    const QDir folder(generations.folder());
    const QString name = kept.front().name;
    const QString records = QFile::exists(folder.filePath(name + u".RMA")) ? u".RMA"_s : u".RMAz"_s;
    for (int i = int(kept.size()); i < count; ++i) {
        const QString clone = name + u"-x" + QString::number(i);
        if (!QFile::copy(folder.filePath(name + u".gen"), folder.filePath(clone + u".gen")) ||
            ::link(QFile::encodeName(folder.filePath(name + records)).constData(),
                   QFile::encodeName(folder.filePath(clone + records)).constData()) != 0)
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QStringList arguments = application.arguments();
    QString otherRoot;
    if (const qsizetype at = arguments.indexOf(u"--other-root"_s); at > 0 && at + 1 < arguments.size()) {
        otherRoot = arguments[at + 1];
        arguments.remove(at, 2);
    }
    const int rounds = bench::roundsFrom(arguments);
    QTemporaryDir dir;
    QTemporaryDir other(otherRoot.isEmpty() ? dir.filePath(u"other-XXXXXX"_s)
                                            : otherRoot + u"/bench-XXXXXX"_s);
    if (!dir.isValid() || !other.isValid())
        return 1;
    // Nothing of the benchmark reaches the user's data folder.
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir.path()));
    catalogue::Catalogue catalogue;
    bench::fillCatalogue(catalogue, kSize);
    // As in the running program, the cassettes are indexed before the first save.
    static_cast<void>(catalogue.cassettes());
    std::printf("%lld records in %s\n", static_cast<long long>(catalogue.recordCount()),
                qPrintable(dir.path()));

    const auto variant = [&](const char* name, const QString& folder, const QString& root) {
        QDir().mkpath(folder);
        return Variant{
            name, catalogue::archivePath(folder + u'/'), std::make_unique<GenerationsIn>(root), {}};
    };
    std::vector<Variant> variants;
    variants.push_back(variant("no generation", dir.filePath(u"plain"_s), QString()));
    variants.push_back(variant("linked", dir.filePath(u"linked"_s), dir.filePath(u"backups"_s)));
    if (!otherRoot.isEmpty())
        variants.push_back(variant("copied", dir.filePath(u"copied"_s), other.filePath(u"backups"_s)));
    // The steady state: a backup to replace, and as many generations as the last day keeps.
    for (const Variant& v : variants) {
        for (int i = 0; i < (v.target->generationsRoot().isEmpty() ? 2 : 20); ++i) {
            if (!catalogue::writeArchive(catalogue, v.archive, *v.target).saved)
                return 1;
        }
    }

    std::printf("\nround");
    for (const Variant& v : variants)
        std::printf(" %14s", v.name);
    std::printf("   (ms)\n");
    for (int round = 1; round <= rounds; ++round) {
        std::printf("%5d", round);
        for (Variant& v : variants) {
            // Each save pays for its own file only, not for pages another left dirty.
            ::sync();
            QElapsedTimer timer;
            timer.start();
            const catalogue::SaveResult saved = catalogue::writeArchive(catalogue, v.archive, *v.target);
            v.ms.push_back(bench::elapsedMs(timer));
            if (!saved.saved || !saved.generationNote.isEmpty()) {
                std::printf("\n%s failed: %s%s\n", v.name, qPrintable(saved.reason),
                            qPrintable(saved.generationNote));
                return 1;
            }
            std::printf(" %14.1f", v.ms.back());
        }
        std::printf("\n");
    }
    std::printf("  med");
    for (const Variant& v : variants)
        std::printf(" %14.1f", bench::median(v.ms));
    std::printf("\n\n");
    for (std::size_t i = 1; i < variants.size(); ++i)
        std::printf("%s / %s = %.3f\n", variants[i].name, variants[0].name,
                    bench::median(variants[i].ms) / bench::median(variants[0].ms));

    const catalogue::Generations generations(variants[1].archive, variants[1].target->generationsRoot());
    if (!cloneGenerations(generations, kListed))
        return 1;
    std::vector<double> listing;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        const std::size_t listed = generations.list().size();
        listing.push_back(bench::elapsedMs(timer));
        if (listed != std::size_t(kListed))
            return 1;
    }
    std::printf("listing %d generations: median %.2f ms\n", kListed, bench::median(listing));
    return 0;
}
