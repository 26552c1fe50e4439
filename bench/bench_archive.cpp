// Loading and saving a large archive against plain reads and writes of the same bytes.
//
//   bench_archive [--rounds N]      the timings, then the peak memory of a load (second process)
//   bench_archive --load-only FILE  loads FILE and prints the process's peak memory
#include "ArchiveFixture.h"

#include "catalogue/Catalogue.h"
#include "storage/Archive.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {

constexpr bench::FixtureSize kSize{10000, 10};

double toMs(qint64 ns)
{
    return static_cast<double>(ns) / 1e6;
}

// A field of /proc/self/status in kB, e.g. "VmHWM".
qint64 statusKb(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QRegularExpression line(QStringLiteral("^%1:\\s+(\\d+) kB").arg(QLatin1String(field)),
                                  QRegularExpression::MultilineOption);
    const auto match = line.match(QString::fromLatin1(status.readAll()));
    return match.hasMatch() ? match.captured(1).toLongLong() : -1;
}

bool syncPath(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

// The whole file into one buffer.
std::unique_ptr<char[]> plainRead(const QString& path, qint64& size)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return {};
    size = file.size();
    auto buffer = std::make_unique_for_overwrite<char[]>(static_cast<std::size_t>(size));
    if (file.read(buffer.get(), size) != size)
        return {};
    return buffer;
}

// The same steps as a save: a new file written, flushed and synced, renamed into place.
bool plainWrite(const QString& path, const char* data, qint64 size)
{
    const QString temp = path + QStringLiteral(".tmp");
    QFile file(temp);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return false;
    if (file.write(data, size) != size || !file.flush() || ::fsync(file.handle()) != 0)
        return false;
    file.close();
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(temp).toStdString(), QFile::encodeName(path).toStdString(),
                            error);
    return !error && syncPath(QFileInfo(path).absolutePath());
}

// One timed step of a round; returns nanoseconds, or -1 when the step failed.
struct Step
{
    const char* name;
    std::function<qint64()> run;
};

qint64 median(std::vector<qint64> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

int loadOnly(const QString& path)
{
    const qint64 before = statusKb("VmRSS");
    catalogue::Catalogue catalogue;
    const catalogue::LoadResult result = catalogue::loadArchive(catalogue, path);
    if (result.status != catalogue::LoadResult::Loaded)
        return 1;
    std::printf("records %lld baseline_kb %lld hwm_kb %lld\n",
                static_cast<long long>(catalogue.recordCount()), static_cast<long long>(before),
                static_cast<long long>(statusKb("VmHWM")));
    return 0;
}

int measureMemory(const QString& path)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--load-only"), path});
    if (!child.waitForFinished(-1) || child.exitCode() != 0) {
        std::fprintf(stderr, "the load-only run failed\n");
        return 1;
    }
    const QStringList words = QString::fromLatin1(child.readAllStandardOutput()).simplified().split(u' ');
    if (words.size() != 6) {
        std::fprintf(stderr, "unexpected load-only output\n");
        return 1;
    }
    const qint64 records = words[1].toLongLong();
    const double recordMb = static_cast<double>(records * qint64{catalogue::kRecordSize}) / 1048576.0;
    const double baselineMb = words[3].toDouble() / 1024.0;
    const double peakMb = words[5].toDouble() / 1024.0;
    std::printf("\npeak memory of a load (separate process, VmHWM):\n");
    std::printf("  records' bytes %.1f MB, process before loading %.1f MB, peak %.1f MB\n", recordMb,
                baselineMb, peakMb);
    std::printf("  peak / records' bytes %.3f; growth by the load / records' bytes %.3f\n", peakMb / recordMb,
                (peakMb - baselineMb) / recordMb);
    return 0;
}

int runTimings(int rounds)
{
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    // The generations every save keeps go to the benchmark's folder, not the user's.
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir.path()));
    const QString archive = catalogue::archivePath(dir.path() + u'/');
    const QString plain = dir.filePath(QStringLiteral("plain.bin"));
    std::printf("archive of %d cassettes x %d films in %s\n", kSize.cassettes, kSize.filmsPerCassette,
                qPrintable(dir.path()));
    if (!bench::writeArchiveFixture(archive, kSize))
        return 1;

    catalogue::Catalogue catalogue;
    std::unique_ptr<char[]> bytes;
    qint64 size = 0;
    const auto timed = [](const std::function<bool()>& work) -> qint64 {
        QElapsedTimer timer;
        timer.start();
        return work() ? timer.nsecsElapsed() : -1;
    };
    // Writes start without other dirty pages pending, so each sync pays for its own file only.
    std::vector<Step> steps = {
        {"plain read", [&] { return timed([&] { return (bytes = plainRead(archive, size)) != nullptr; }); }},
        {"loadArchive",
         [&] { return timed([&] { return catalogue::loadArchive(catalogue, archive).sizeOk; }); }},
        {"saveArchive",
         [&] {
             ::sync();
             return timed([&] { return catalogue::saveArchive(catalogue, archive, {}); });
         }},
        {"plain write",
         [&] {
             ::sync();
             const qint64 ns = timed([&] { return plainWrite(plain, bytes.get(), size); });
             bytes.reset();
             return ns;
         }},
    };

    std::vector<std::vector<qint64>> results(steps.size());
    std::printf("\nround");
    for (const Step& step : steps)
        std::printf(" %14s", step.name);
    std::printf("   (ms)\n");
    for (int round = 1; round <= rounds; ++round) {
        std::printf("%5d", round);
        for (std::size_t i = 0; i < steps.size(); ++i) {
            const qint64 ns = steps[i].run();
            if (ns < 0) {
                std::printf("\n%s failed\n", steps[i].name);
                return 1;
            }
            results[i].push_back(ns);
            std::printf(" %14.1f", toMs(ns));
        }
        std::printf("\n");
    }
    std::printf("  med");
    for (const auto& r : results)
        std::printf(" %14.1f", toMs(median(r)));
    std::printf("\n\n%lld bytes, %lld records\n", static_cast<long long>(size),
                static_cast<long long>(size / qint64{catalogue::kRecordSize}));
    const auto ratio = [&](std::size_t a, std::size_t b) {
        std::printf("%s / %s = %.3f\n", steps[a].name, steps[b].name,
                    static_cast<double>(median(results[a])) / static_cast<double>(median(results[b])));
    };
    ratio(1, 0);
    ratio(2, 3);
    return measureMemory(archive);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == u"--load-only")
        return loadOnly(args[2]);
    int rounds = 7;
    if (args.size() == 3 && args[1] == u"--rounds")
        rounds = std::max(1, args[2].toInt());
    return runTimings(rounds);
}
