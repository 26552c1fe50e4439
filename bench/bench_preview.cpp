// Times the print preview of the catalogue list, as Ctrl+Shift+P opens it: from gathering the
// cassettes to the first page painted on the screen; and the peak memory the preview took on top of
// the catalogue, once open and after its pages were stepped through from first to last at twice the
// paper's size. Shown on the offscreen platform.
//
//   bench_preview [--rounds N]
#include "ArchiveFixture.h"
#include "Timing.h"

#include "catalogue/Catalogue.h"
#include "exchange/SheetData.h"
#include "exchange/SheetDocument.h"
#include "windows/print/DocumentPreview.h"
#include "windows/print/PageView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

using bench::elapsedMs;
using bench::median;

constexpr bench::FixtureSize kSize{10000, 10};

// A line of /proc/self/status in megabytes ("VmHWM", "VmRSS"); -1 where there is none.
double statusMb(const char* key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(int(qstrlen(key)) + 1).trimmed().split(' ').value(0).toDouble() / 1024;
    }
    return -1;
}

// Starts the peak of the resident memory afresh (Linux 4.0 and later).
void resetPeak()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

} // namespace

int main(int argc, char** argv)
{
    bench::useOffscreenPlatform();
    QApplication app(argc, argv);
    const int rounds = bench::roundsFrom(app.arguments());

    catalogue::Catalogue catalogue;
    bench::fillCatalogue(catalogue, kSize);
    resetPeak();
    const double before = statusMb("VmRSS:");

    std::vector<double> firstPages;
    std::printf(
        "catalogue of %d cassettes x %d films\n\n"
        "round   first page(ms)   pages   peak growth at first page(MB)   pages painted   peak growth(MB)\n",
        kSize.cassettes, kSize.filmsPerCassette);
    for (int round = 1; round <= rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        std::unique_ptr<exchange::SheetDocument> document = exchange::SheetDocument::layOut(
            exchange::gatherCatalogue(catalogue), exchange::SheetKind::CatalogueList,
            exchange::defaultSheetPageLayout());
        windows::DocumentPreview preview(std::move(document), {});
        preview.show();
        windows::PageView* view = preview.pageView();
        while (view->paintedPageCount() == 0)
            QCoreApplication::processEvents();
        firstPages.push_back(elapsedMs(timer));
        const double opened = statusMb("VmHWM:") - before;

        // Pages from first to last, at twice the paper's size: the pictures kept must stay few.
        view->setZoom(2);
        for (int page = 0; page < preview.pageCount(); page += preview.pageCount() / 40 + 1) {
            preview.showPage(page);
            view->repaint();
        }
        std::printf("%5d %16.1f %7d %31.1f %15d %17.1f\n", round, firstPages.back(), preview.pageCount(),
                    opened, view->paintedPageCount(), statusMb("VmHWM:") - before);
    }
    std::printf("  med %16.1f %73.1f\n", median(firstPages), statusMb("VmHWM:") - before);
    return 0;
}
