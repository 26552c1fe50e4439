#include "windows/print/PageView.h"

#include "exchange/PagedDocument.h"

#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace windows {
namespace {

// Room around and between the pages, in device-independent pixels.
constexpr int kDeskMargin = 12;
// The pictures kept beyond those in view, in pixels of the screen: some 64 MB. A page larger than a
// quarter of that at the present zoom is painted straight into the view instead.
constexpr qint64 kKeptPixels = qint64(16) << 20;
constexpr qint64 kPicturePixels = kKeptPixels / 4;
constexpr double kSmallestZoom = 0.1;
constexpr double kLargestZoom = 8;

} // namespace

PageView::PageView(QWidget* parent) : QAbstractScrollArea(parent)
{
    setObjectName(QStringLiteral("pageView"));
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setBackgroundRole(QPalette::Dark);
    viewport()->setAutoFillBackground(true);
    horizontalScrollBar()->setSingleStep(20);
    verticalScrollBar()->setSingleStep(20);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &PageView::tellCurrentPage);
}

PageView::~PageView() = default;

void PageView::setDocument(exchange::PagedDocument* document)
{
    document_ = document;
    paintedPages_ = 0;
    shownPage_ = -1;
    chosenPage_ = 0;
    forgetPictures();
    applyFit();
    updateScrollBars();
    verticalScrollBar()->setValue(0);
    viewport()->update();
    tellCurrentPage();
}

void PageView::setZoom(double zoom)
{
    fit_ = Fit::None;
    zoom = std::clamp(zoom, kSmallestZoom, kLargestZoom);
    if (zoom == zoom_)
        return;
    // The page at the middle of the view stays there.
    const int page = currentPage();
    zoom_ = zoom;
    forgetPictures();
    updateScrollBars();
    showPage(page);
    viewport()->update();
    Q_EMIT zoomChanged();
}

void PageView::setFit(Fit fit)
{
    const int page = currentPage();
    fit_ = fit;
    applyFit();
    updateScrollBars();
    showPage(page);
    viewport()->update();
    Q_EMIT zoomChanged();
}

QSizeF PageView::pageSize() const
{
    if (!document_)
        return {};
    const QSizeF paper =
        document_->pageLayout().fullRectPixels(exchange::PagedDocument::kUnitsPerInch).size();
    const double scale = zoom_ * logicalDpiX() / exchange::PagedDocument::kUnitsPerInch;
    return paper * scale;
}

double PageView::pageStep() const
{
    return std::ceil(pageSize().height()) + kDeskMargin;
}

int PageView::columnCount() const
{
    const double width = std::ceil(pageSize().width()) + kDeskMargin;
    if (!document_ || width <= kDeskMargin)
        return 1;
    const int fitting = int((viewport()->width() - kDeskMargin) / width);
    return std::clamp(fitting, 1, std::max(1, document_->pageCount()));
}

int PageView::rowCount() const
{
    const int pages = document_ ? document_->pageCount() : 0;
    const int columns = columnCount();
    return (pages + columns - 1) / columns;
}

double PageView::fittedZoom() const
{
    if (!document_)
        return zoom_;
    const QSizeF paper =
        document_->pageLayout().fullRectPixels(exchange::PagedDocument::kUnitsPerInch).size();
    const double perZoom = double(logicalDpiX()) / exchange::PagedDocument::kUnitsPerInch;
    // Room for the desk's margins, and for a scroll bar that may come.
    const double width = viewport()->width() - 2 * kDeskMargin;
    const double height = viewport()->height() - 2 * kDeskMargin;
    const double byWidth = width / (paper.width() * perZoom);
    const double byHeight = height / (paper.height() * perZoom);
    return std::clamp(fit_ == Fit::Page ? std::min(byWidth, byHeight) : byWidth, kSmallestZoom, kLargestZoom);
}

void PageView::applyFit()
{
    if (fit_ == Fit::None)
        return;
    const double zoom = fittedZoom();
    if (std::abs(zoom - zoom_) > 1e-6) {
        zoom_ = zoom;
        forgetPictures();
    }
}

void PageView::updateScrollBars()
{
    const int rows = rowCount();
    const QSizeF page = pageSize();
    const int height = rows > 0 ? int(std::ceil(rows * pageStep())) + kDeskMargin : 0;
    const int width = columnCount() * (int(std::ceil(page.width())) + kDeskMargin) + kDeskMargin;
    verticalScrollBar()->setRange(0, std::max(0, height - viewport()->height()));
    verticalScrollBar()->setPageStep(viewport()->height());
    horizontalScrollBar()->setRange(0, std::max(0, width - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
}

// Where a page lies in the viewport now.
QRectF PageView::pageRect(int page) const
{
    const QSizeF size = pageSize();
    const int columns = columnCount();
    const double column = std::ceil(size.width()) + kDeskMargin;
    const double contentWidth = columns * column + kDeskMargin;
    // A row narrower than the view stands in its middle.
    const double first = contentWidth < viewport()->width()
                             ? (viewport()->width() - contentWidth) / 2 + kDeskMargin
                             : kDeskMargin - horizontalScrollBar()->value();
    const double left = first + (page % columns) * column;
    const double top = kDeskMargin + (page / columns) * pageStep() - verticalScrollBar()->value();
    return QRectF(QPointF(std::round(left), std::round(top)), size);
}

int PageView::currentPage() const
{
    if (!document_ || document_->pageCount() == 0)
        return 0;
    // The row that takes the most of the view; of several whole ones, the first.
    const double step = pageStep();
    const int columns = columnCount();
    const int rows = rowCount();
    const auto shownHeight = [this, columns](int row) {
        const QRectF rect = pageRect(row * columns);
        return std::min(rect.bottom(), double(viewport()->height())) - std::max(rect.top(), 0.0);
    };
    int best = std::clamp(int(verticalScrollBar()->value() / step), 0, rows - 1);
    double bestHeight = 0;
    for (int row = best; row < rows; ++row) {
        if (pageRect(row * columns).top() >= viewport()->height())
            break;
        const double height = shownHeight(row);
        if (height > bestHeight + 0.5) {
            best = row;
            bestHeight = height;
        }
    }
    // The page last shown stays current while its row is in view as much as any.
    const int chosen = std::clamp(chosenPage_, 0, document_->pageCount() - 1);
    return shownHeight(chosen / columns) >= bestHeight - 0.5 ? chosen : best * columns;
}

void PageView::showPage(int page)
{
    if (!document_)
        return;
    page = std::clamp(page, 0, std::max(0, document_->pageCount() - 1));
    chosenPage_ = page;
    verticalScrollBar()->setValue(int(std::round(page / columnCount() * pageStep())));
    tellCurrentPage();
}

void PageView::tellCurrentPage()
{
    const int page = currentPage();
    if (page != shownPage_) {
        shownPage_ = page;
        Q_EMIT currentPageChanged(page);
    }
}

void PageView::forgetPictures()
{
    kept_.clear();
}

// The picture of a page at the present zoom: kept from before, or painted now. Pictures not in view
// are let go, the oldest first, once they take more than their share of memory.
// Paints page on painter, whose coordinates put the paper's top left corner at the origin in pixels
// of the view.
void PageView::paintPage(QPainter& painter, int page)
{
    const QPageLayout layout = document_->pageLayout();
    const double scale =
        pageSize().width() / layout.fullRectPixels(exchange::PagedDocument::kUnitsPerInch).width();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    painter.translate(layout.paintRectPixels(exchange::PagedDocument::kUnitsPerInch).topLeft());
    document_->paintPage(painter, page);
    ++paintedPages_;
}

// The picture of a page at the present zoom: kept from before, or painted now. Pictures not in view
// are let go, the oldest first, once they take more than their share of memory. Null for a page too
// large to keep at this zoom.
const QImage* PageView::picture(int page, const std::vector<int>& inView)
{
    for (KeptPage& kept : kept_) {
        if (kept.page == page)
            return &kept.picture;
    }
    const double ratio = devicePixelRatioF();
    const QSize size = (pageSize() * ratio).toSize().expandedTo(QSize(1, 1));
    qint64 pixels = qint64(size.width()) * size.height();
    if (pixels > kPicturePixels)
        return nullptr;
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    image.setDevicePixelRatio(ratio);
    {
        QPainter painter(&image);
        paintPage(painter, page);
    }

    for (const KeptPage& kept : kept_)
        pixels += qint64(kept.picture.width()) * kept.picture.height();
    for (auto it = kept_.begin(); it != kept_.end() && pixels > kKeptPixels;) {
        if (std::find(inView.begin(), inView.end(), it->page) != inView.end()) {
            ++it;
            continue;
        }
        pixels -= qint64(it->picture.width()) * it->picture.height();
        it = kept_.erase(it);
    }
    kept_.push_back({page, std::move(image)});
    return &kept_.back().picture;
}

void PageView::paintEvent(QPaintEvent* event)
{
    if (!document_ || document_->pageCount() == 0)
        return;
    QPainter painter(viewport());
    const double step = pageStep();
    const int columns = columnCount();
    const int first = std::max(0, int((verticalScrollBar()->value() - kDeskMargin) / step)) * columns;
    std::vector<int> inView;
    for (int page = first; page < document_->pageCount(); ++page) {
        const QRectF rect = pageRect(page);
        if (rect.top() > viewport()->height())
            break;
        if (rect.bottom() >= 0 && rect.right() >= 0 && rect.left() <= viewport()->width())
            inView.push_back(page);
    }
    for (const int page : inView) {
        const QRectF rect = pageRect(page);
        // A shadow below and to the right, as paper lies on a desk.
        painter.fillRect(rect.translated(3, 3), palette().color(QPalette::Shadow));
        if (const QImage* image = picture(page, inView)) {
            painter.drawImage(rect.topLeft(), *image);
        } else {
            // At a large zoom only the part of the page in view is painted, and nothing is kept.
            painter.fillRect(rect, Qt::white);
            painter.save();
            painter.setClipRect(rect.intersected(QRectF(event->rect())));
            painter.translate(rect.topLeft());
            paintPage(painter, page);
            painter.restore();
        }
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
    }
}

void PageView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    const int page = currentPage();
    const double zoom = zoom_;
    const int columns = columnCount();
    applyFit();
    updateScrollBars();
    if (zoom != zoom_ || columns != columnCount()) {
        showPage(page);
        Q_EMIT zoomChanged();
    }
}

void PageView::scrollContentsBy(int, int)
{
    viewport()->update();
}

// Page Up and Page Down go from page to page, Home and End to the first and the last.
void PageView::keyPressEvent(QKeyEvent* event)
{
    if (!document_ || event->modifiers() & ~(Qt::KeypadModifier | Qt::ControlModifier)) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    const int page = currentPage();
    const int columns = columnCount();
    switch (event->key()) {
    case Qt::Key_PageUp:
        // From the middle of a row, back to its top first.
        showPage(verticalScrollBar()->value() > int(std::round(page / columns * pageStep()))
                     ? page
                     : page - columns);
        break;
    case Qt::Key_PageDown:
        // The last row may be short: to its last page.
        if (page / columns < rowCount() - 1)
            showPage(std::min(page + columns, document_->pageCount() - 1));
        break;
    case Qt::Key_Home:
        showPage(0);
        break;
    case Qt::Key_End:
        showPage(document_->pageCount() - 1);
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
}

// Ctrl and the wheel zoom, as in most viewers.
void PageView::wheelEvent(QWheelEvent* event)
{
    if (event->modifiers() & Qt::ControlModifier) {
        const int steps = event->angleDelta().y() / 120;
        if (steps != 0)
            Q_EMIT zoomStepRequested(steps);
        event->accept();
        return;
    }
    QAbstractScrollArea::wheelEvent(event);
}

} // namespace windows
