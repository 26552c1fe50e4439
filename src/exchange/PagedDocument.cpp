#include "exchange/PagedDocument.h"

#include "catalogue/ReplacingFile.h"

#include <QCoreApplication>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

using namespace Qt::StringLiterals;

namespace exchange {

PaintOutcome paintDocument(QPagedPaintDevice& device, PagedDocument& document, const PageProgress& progress)
{
    QPainter painter;
    if (!painter.begin(&device))
        return PaintOutcome::Failed;
    const int pages = document.pageCount();
    for (int page = 0; page < pages; ++page) {
        if (progress && !progress(page, pages)) {
            painter.end();
            return PaintOutcome::Cancelled;
        }
        if (page > 0)
            device.newPage();
        painter.save();
        document.paintPage(painter, device, page);
        painter.restore();
    }
    return painter.end() ? PaintOutcome::Painted : PaintOutcome::Failed;
}

PdfOutcome writeDocumentPdf(const QString& path, PagedDocument& document, const PageProgress& progress)
{
    catalogue::ReplacingFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {PaintOutcome::Failed, file.errorString()};
    PaintOutcome outcome = PaintOutcome::Failed;
    {
        QPdfWriter writer(&file);
        writer.setCreator(u"reelMINDER/32"_s);
        writer.setTitle(document.title());
        writer.setPageLayout(document.pageLayout());
        outcome = paintDocument(writer, document, progress);
    }
    switch (outcome) {
    case PaintOutcome::Painted:
        break;
    case PaintOutcome::Cancelled:
        file.discard();
        return {outcome, std::nullopt};
    case PaintOutcome::Failed:
        file.discard();
        return {outcome, QCoreApplication::translate("exchange::SheetPainter",
                                                     "The PDF document could not be started.")};
    }
    if (!file.commit())
        return {PaintOutcome::Failed, file.errorString()};
    return {};
}

} // namespace exchange
