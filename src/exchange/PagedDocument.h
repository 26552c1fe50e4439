#pragma once

#include <QPageLayout>
#include <QString>

#include <functional>
#include <optional>

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

namespace exchange {

// A document laid out before anything is painted: its paper, how many pages it has, and any one page
// painted on its own, so that a preview may paint only the pages in view and a long job may report
// its progress page by page.
class PagedDocument
{
public:
    PagedDocument() = default;
    virtual ~PagedDocument() = default;
    PagedDocument(const PagedDocument&) = delete;
    PagedDocument& operator=(const PagedDocument&) = delete;

    // The title a PDF file carries.
    virtual QString title() const = 0;
    // Paper and margins. A document whose margins are zero places its parts on the paper itself
    // (labels on a label sheet) and is to be printed on the full page.
    virtual QPageLayout pageLayout() const = 0;
    // At least one.
    virtual int pageCount() const = 0;
    // Paints page (0-based) with painter, open on device: the origin is the top left corner of the
    // page layout's paint rectangle, one unit a device pixel, device.width() x device.height() its size.
    // Any device will do, a printer, a PDF writer or a picture of one page for a preview.
    virtual void paintPage(QPainter& painter, const QPaintDevice& device, int page) = 0;
};

// Told before each page is painted (0-based, of pageCount); returning false stops the job.
using PageProgress = std::function<bool(int page, int pageCount)>;

enum class PaintOutcome
{
    Painted,
    Failed, // no painter could be opened on the device, or the file could not be written
    Cancelled,
};

// Paints every page of document on device, which is set up for it already.
PaintOutcome paintDocument(QPagedPaintDevice& device, PagedDocument& document,
                           const PageProgress& progress = {});

struct PdfOutcome
{
    PaintOutcome outcome = PaintOutcome::Painted;
    // What went wrong when the file was not written, and not because the job was cancelled.
    std::optional<QString> problem;
};

// Writes document to a PDF file at path, on its own paper. The file is replaced only once the whole
// document is on disk (see catalogue::ReplacingFile); a cancelled job leaves it as it was.
PdfOutcome writeDocumentPdf(const QString& path, PagedDocument& document, const PageProgress& progress = {});

} // namespace exchange
