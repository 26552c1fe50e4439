#pragma once

#include "catalogue/Progress.h"

#include <QFont>
#include <QPageLayout>
#include <QPaintDevice>
#include <QSize>
#include <QString>

#include <memory>

class QPainter;

namespace exchange {

// A document laid out as pages before anything is painted: the cassette sheets, the catalogue list,
// labels, the statistics page. Everything is measured at one resolution, whatever the device, so that
// a printer, a PDF file and a preview on the screen get the same pages; and painting one page costs
// that page only, so that a preview can paint the pages as they come into view.
class PagedDocument
{
public:
    // Units of the page: the resolution documents are laid out in, finer than any printer's dots.
    static constexpr int kUnitsPerInch = 1200;

    PagedDocument() = default;
    virtual ~PagedDocument() = default;
    PagedDocument(const PagedDocument&) = delete;
    PagedDocument& operator=(const PagedDocument&) = delete;

    // The title a PDF file and a print job carry.
    virtual QString title() const = 0;
    // Paper and margins. A document whose margins are zero places its parts on the paper itself
    // (labels on a label sheet) and is printed on the full page.
    virtual QPageLayout pageLayout() const = 0;
    // At least one.
    virtual int pageCount() const = 0;
    // Paints page (0-based). The painter's coordinates are units of the page, from the top left corner
    // of the printable area; its device may have any resolution.
    virtual void paintPage(QPainter& painter, int page) = 0;

    // The same document laid out on other paper; null when progress was told to stop. A document
    // made for its paper (a label sheet) keeps it: it cannot be laid out again.
    virtual bool followsPaper() const { return false; }
    virtual std::unique_ptr<PagedDocument> onPaper(const QPageLayout& pageLayout,
                                                   const catalogue::Progress& progress) const;
};

// Answers only questions of size, at the units of the page: what documents are measured on, so that
// no device's resolution changes where a line breaks.
class LayoutDevice final : public QPaintDevice
{
public:
    explicit LayoutDevice(QSize size = {}) : size_(size) {}
    QPaintEngine* paintEngine() const override { return nullptr; }

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    QSize size_;
};

// The program's font at a size in points, as documents are measured in it.
QFont pageFont(double points, bool bold = false, bool italic = false);

// font, measured on a LayoutDevice, sized for painter so that its text comes out in units of the page
// whatever the painter's device.
QFont fontForPainter(const QFont& font, const QPainter& painter);

} // namespace exchange
