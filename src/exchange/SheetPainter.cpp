#include "exchange/SheetPainter.h"

#include "storage/ReplacingFile.h"

#include <QCoreApplication>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

using namespace Qt::StringLiterals;

namespace exchange {
namespace {

// How much of writing a PDF file the layout takes; the rest is painting the pages.
constexpr double kLayoutShare = 0.15;

} // namespace

PaintResult paintSheets(QPagedPaintDevice& device, PagedDocument& document, int first, int last,
                        const catalogue::Progress& progress)
{
    if (last < 0 || last >= document.pageCount())
        last = document.pageCount() - 1;
    QPainter painter;
    if (!painter.begin(&device))
        return PaintResult::NotStarted;
    // The document is laid out in its own units; the device may print at any resolution.
    const double scaleX = double(device.logicalDpiX()) / PagedDocument::kUnitsPerInch;
    const double scaleY = double(device.logicalDpiY()) / PagedDocument::kUnitsPerInch;
    PaintResult result = PaintResult::Painted;
    for (int page = first; page <= last; ++page) {
        if (page > first)
            device.newPage();
        painter.save();
        painter.scale(scaleX, scaleY);
        document.paintPage(painter, page);
        painter.restore();
        if (!progress.advance(page - first + 1, last - first + 1)) {
            result = PaintResult::Cancelled;
            break;
        }
    }
    painter.end();
    return result;
}

catalogue::WriteOutcome writeSheetsPdf(const QString& path, const catalogue::ArchiveFiles& archive,
                                       PagedDocument& document, int first, int last,
                                       const catalogue::Progress& progress)
{
    catalogue::ReplacingFile file(path, archive);
    if (!file.open(QIODevice::WriteOnly))
        return catalogue::WriteOutcome::failed(file.errorString());
    PaintResult painted = PaintResult::NotStarted;
    {
        QPdfWriter writer(&file);
        writer.setCreator(u"reelMINDER/32"_s);
        writer.setTitle(document.title());
        writer.setResolution(PagedDocument::kUnitsPerInch);
        writer.setPageLayout(document.pageLayout());
        painted = paintSheets(writer, document, first, last, progress);
    }
    switch (painted) {
    case PaintResult::Painted:
        break;
    case PaintResult::Cancelled:
        file.discard();
        return {catalogue::WriteOutcome::Cancelled, {}};
    case PaintResult::NotStarted:
        file.discard();
        return catalogue::WriteOutcome::failed(
            QCoreApplication::translate("exchange::SheetPainter", "The PDF document could not be started."));
    }
    if (!file.commit())
        return catalogue::WriteOutcome::failed(file.errorString());
    return {};
}

catalogue::WriteOutcome writeSheetsPdf(const QString& path, const catalogue::ArchiveFiles& archive,
                                       std::vector<SheetCassette> cassettes, SheetKind kind,
                                       const catalogue::Progress& progress)
{
    const std::unique_ptr<SheetDocument> document = SheetDocument::layOut(
        std::move(cassettes), kind, defaultSheetPageLayout(), progress.part(0, kLayoutShare));
    if (!document)
        return {catalogue::WriteOutcome::Cancelled, {}};
    return writeSheetsPdf(path, archive, *document, 0, -1, progress.part(kLayoutShare, 1));
}

} // namespace exchange
