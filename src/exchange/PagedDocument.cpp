#include "exchange/PagedDocument.h"

#include <QGuiApplication>
#include <QPainter>

#include <climits>

namespace exchange {

std::unique_ptr<PagedDocument> PagedDocument::onPaper(const QPageLayout&, const catalogue::Progress&) const
{
    return nullptr;
}

int LayoutDevice::metric(PaintDeviceMetric metric) const
{
    constexpr double mmPerUnit = 25.4 / PagedDocument::kUnitsPerInch;
    switch (metric) {
    case PdmWidth:
        return size_.width();
    case PdmHeight:
        return size_.height();
    case PdmWidthMM:
        return qRound(size_.width() * mmPerUnit);
    case PdmHeightMM:
        return qRound(size_.height() * mmPerUnit);
    case PdmNumColors:
        return INT_MAX;
    case PdmDepth:
        return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return PagedDocument::kUnitsPerInch;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(devicePixelRatioFScale());
    default:
        return QPaintDevice::metric(metric);
    }
}

QFont pageFont(double points, bool bold, bool italic)
{
    QFont font = QGuiApplication::font();
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QFont fontForPainter(const QFont& font, const QPainter& painter)
{
    QFont sized = font;
    sized.setPointSizeF(font.pointSizeF() * PagedDocument::kUnitsPerInch / painter.device()->logicalDpiY());
    return sized;
}

} // namespace exchange
