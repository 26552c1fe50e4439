#include "windows/TapeMapView.h"

#include "catalogue/Cassette.h"
#include "catalogue/Catalogue.h"
#include "catalogue/RecordText.h"
#include "catalogue/TapeSpace.h"
#include "ui/ErrorGuard.h"
#include "ui/Forms.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>

#include <algorithm>
#include <cmath>

using catalogue::Cassette;
using catalogue::FilmRecord;
using namespace Qt::StringLiterals;

namespace windows {
namespace {

constexpr int kMargin = 4;
// Light fills, so that the dark titles read on them in any colour scheme.
const QColor kFilmFill(0x9e, 0xc5, 0xea);
const QColor kFilmFillOther(0xc2, 0xda, 0xf2);
const QColor kLongplayFill(0xf5, 0xd9, 0x8b);
const QColor kLongplayHatch(0xb0, 0x85, 0x10);
const QColor kOverFull(0xd0, 0x20, 0x20);
const QColor kSegmentText(0x10, 0x10, 0x10);
const QColor kTapeEdge(0x60, 0x60, 0x60);

void fillFilm(QPainter& painter, const QRectF& rect, bool longplay, bool other)
{
    if (longplay) {
        painter.fillRect(rect, kLongplayFill);
        painter.fillRect(rect, QBrush(kLongplayHatch, Qt::BDiagPattern));
    } else {
        painter.fillRect(rect, other ? kFilmFillOther : kFilmFill);
    }
}

void fillOverFull(QPainter& painter, const QRectF& rect)
{
    painter.fillRect(rect, QBrush(kOverFull, Qt::DiagCrossPattern));
}

} // namespace

TapeMapView::TapeMapView(catalogue::Catalogue& catalogue, QWidget* parent)
    : QAbstractScrollArea(parent), catalogue_(catalogue)
{
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    viewport()->setMouseTracking(false);

    // Names, order and scale follow once the change is whole, so that an import costs one pass; the
    // segments are read from the cassettes at every paint.
    const auto later = [this] {
        if (!active_)
            return;
        stale_ = true;
        viewport()->update();
    };
    connect(&catalogue_, &catalogue::Catalogue::batchFinished, this, later);
    connect(&catalogue_, &catalogue::Catalogue::changesFinished, this, [this] {
        if (stale_)
            ui::guarded(this, [this] { rebuild(); });
    });
    connect(&catalogue_, &catalogue::Catalogue::cassetteAdded, this, later);
    connect(&catalogue_, &catalogue::Catalogue::cassetteChanged, this, later);
    connect(&catalogue_, &catalogue::Catalogue::filmChanged, this, later);
    connect(&catalogue_, &catalogue::Catalogue::cassetteAboutToBeRemoved, this, &TapeMapView::forgetCassette);
    connect(&catalogue_, &catalogue::Catalogue::catalogueReset, this, &TapeMapView::forgetAll);
}

TapeMapView::~TapeMapView() = default;

void TapeMapView::showEvent(QShowEvent* event)
{
    QAbstractScrollArea::showEvent(event);
    if (!active_) {
        active_ = true;
        rebuild();
    }
}

void TapeMapView::hideEvent(QHideEvent* event)
{
    QAbstractScrollArea::hideEvent(event);
    // Closed, not only minimised with its owner: nothing is kept until it opens again.
    if (!event->spontaneous() && active_) {
        active_ = false;
        forgetAll();
    }
}

void TapeMapView::rebuild()
{
    stale_ = false;
    all_.clear();
    longestHalfMinutes_ = 1;
    if (!active_) {
        applyFilter();
        return;
    }
    all_.reserve(catalogue_.cassettes().size());
    for (const Cassette* cassette : catalogue_.cassettes()) {
        all_.push_back({cassette, cassette->name()});
        longestHalfMinutes_ =
            std::max({longestHalfMinutes_, 2 * qint64{cassette->length()}, cassette->usedHalfMinutes()});
    }
    applyFilter();
}

void TapeMapView::setFilter(const QString& text)
{
    filter_ = text;
    applyFilter();
}

void TapeMapView::applyFilter()
{
    shown_.clear();
    for (std::size_t i = 0; i < all_.size(); ++i) {
        if (filter_.isEmpty() || all_[i].name.contains(filter_, Qt::CaseInsensitive))
            shown_.push_back(i);
    }
    updateScrollBar();
    viewport()->update();
    Q_EMIT rowsChanged();
}

void TapeMapView::forgetCassette(const Cassette* cassette)
{
    // At once: the cassette object goes when this returns.
    const auto it =
        std::find_if(all_.begin(), all_.end(), [cassette](const Row& r) { return r.cassette == cassette; });
    if (it != all_.end()) {
        const auto gone = std::size_t(it - all_.begin());
        all_.erase(it);
        std::erase(shown_, gone);
        for (std::size_t& place : shown_)
            place -= place > gone ? 1 : 0;
    }
    if (cursorCassette_ == cassette)
        cursorCassette_ = nullptr;
    if (pressed_.cassette == cassette)
        pressed_ = {};
    updateScrollBar();
    viewport()->update();
    stale_ = active_;
    Q_EMIT rowsChanged();
}

void TapeMapView::forgetAll()
{
    all_.clear();
    shown_.clear();
    cursorCassette_ = nullptr;
    pressed_ = {};
    updateScrollBar();
    viewport()->update();
    stale_ = active_;
    Q_EMIT rowsChanged();
}

const Cassette* TapeMapView::cassetteAt(int row) const
{
    return row >= 0 && row < rowCount() ? all_[shown_[std::size_t(row)]].cassette : nullptr;
}

int TapeMapView::rowOf(const Cassette* cassette) const
{
    for (int row = 0; row < rowCount(); ++row) {
        if (cassetteAt(row) == cassette)
            return row;
    }
    return -1;
}

int TapeMapView::rowHeight() const
{
    return fontMetrics().height() + 12;
}

void TapeMapView::updateScrollBar()
{
    const int page = viewport()->height();
    verticalScrollBar()->setRange(0, std::max(0, rowCount() * rowHeight() - page));
    verticalScrollBar()->setPageStep(page);
    verticalScrollBar()->setSingleStep(std::max(1, rowHeight() / 2));
}

TapeMapView::Geometry TapeMapView::geometry() const
{
    const int width = viewport()->width();
    const int nameWidth = std::clamp(fontMetrics().averageCharWidth() * 18, 40, std::max(40, width / 3));
    const int barLeft = kMargin + nameWidth + 2 * kMargin;
    const int barWidth = std::max(1, width - barLeft - kMargin);
    return {kMargin, nameWidth, barLeft, double(barWidth) / double(longestHalfMinutes_)};
}

QRect TapeMapView::rowRect(int row) const
{
    return {0, row * rowHeight() - verticalScrollBar()->value(), viewport()->width(), rowHeight()};
}

QRect TapeMapView::barRect(const QRect& row) const
{
    return row.adjusted(0, 3, 0, -3);
}

int TapeMapView::rowAt(int y) const
{
    const int row = (y + verticalScrollBar()->value()) / rowHeight();
    return y >= 0 && row < rowCount() ? row : -1;
}

TapeMapView::Spot TapeMapView::spotAt(QPoint point) const
{
    const int row = rowAt(point.y());
    const Cassette* const cassette = cassetteAt(row);
    if (!cassette)
        return {};
    const Geometry g = geometry();
    const double half = (point.x() - g.barLeft) / g.perHalfMinute;
    for (const catalogue::TapeSegment& s : catalogue::tapeSegments(*cassette)) {
        if (half >= double(s.tapeStart) && half < double(s.tapeStart + s.tapeLength))
            return {cassette, s.film};
    }
    return {cassette, nullptr};
}

QRect TapeMapView::segmentRect(int row, const FilmRecord* film) const
{
    const Cassette* cassette = cassetteAt(row);
    if (!cassette)
        return {};
    const Geometry g = geometry();
    const QRect bar = barRect(rowRect(row));
    for (const catalogue::TapeSegment& s : catalogue::tapeSegments(*cassette)) {
        if (s.film != film)
            continue;
        const int left = g.barLeft + int(std::lround(double(s.tapeStart) * g.perHalfMinute));
        const int right = g.barLeft + int(std::lround(double(s.tapeStart + s.tapeLength) * g.perHalfMinute));
        return {left, bar.top(), std::max(1, right - left), bar.height()};
    }
    return {};
}

QString TapeMapView::toolTipAt(QPoint point) const
{
    const Spot spot = spotAt(point);
    if (!spot.cassette)
        return {};
    QStringList lines;
    if (spot.film) {
        const FilmRecord& film = *spot.film;
        qint64 start = 0;
        for (const catalogue::TapeSegment& s : catalogue::tapeSegments(*spot.cassette)) {
            if (s.film == spot.film)
                start = s.counterStart;
        }
        const QString title = catalogue::text(film.filmName);
        lines += u"<b>"_s + title.toHtmlEscaped() + u"</b>"_s +
                 (film.year ? u" (%1)"_s.arg(film.year) : QString());
        lines += tr("Counter: %1").arg(catalogue::counterRange(start, film.filmLength));
        lines += film.longplay ? tr("%1 min, long-play").arg(film.filmLength)
                               : tr("%1 min, normal play").arg(film.filmLength);
        return lines.join(u"<br>"_s);
    }
    const Cassette& cassette = *spot.cassette;
    lines += u"<b>"_s + cassette.name().toHtmlEscaped() + u"</b>"_s;
    lines += tr("Length: %1 min").arg(cassette.length());
    lines += tr("%n film(s)", nullptr, cassette.filmCount());
    const qint64 free = catalogue::freeMinutes(cassette, false);
    if (free < 0)
        lines += u"<span style='color:%1'>"_s.arg(kOverFull.name()) + tr("Over-full by %1 min").arg(-free) +
                 u"</span>"_s;
    else
        lines +=
            tr("Free: %1 min, or %2 min in long-play").arg(free).arg(catalogue::freeMinutes(cassette, true));
    return lines.join(u"<br>"_s);
}

TapeMapView::Spot TapeMapView::current() const
{
    if (!cursorCassette_)
        return {};
    const std::vector<catalogue::TapeSegment> segments = catalogue::tapeSegments(*cursorCassette_);
    const int at = std::min(cursorSegment_, int(segments.size()));
    return {cursorCassette_, at < int(segments.size()) ? segments[std::size_t(at)].film : nullptr};
}

int TapeMapView::segmentCount(int row) const
{
    const Cassette* cassette = cassetteAt(row);
    return cassette ? int(catalogue::tapeSegments(*cassette).size()) : 0;
}

void TapeMapView::paintSwatch(QPainter& painter, const QRect& rect, Kind kind)
{
    switch (kind) {
    case Kind::Film:
        fillFilm(painter, rect, false, false);
        break;
    case Kind::LongplayFilm:
        fillFilm(painter, rect, true, false);
        break;
    case Kind::Free:
        painter.fillRect(rect, Qt::white);
        break;
    case Kind::OverFull:
        painter.fillRect(rect, Qt::white);
        fillOverFull(painter, rect);
        break;
    }
    painter.setPen(kind == Kind::OverFull ? kOverFull : kTapeEdge);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
}

void TapeMapView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    const Geometry g = geometry();
    // Only the rows the exposed area touches.
    const QRect exposed = event->rect();
    const int first = std::max(0, rowAt(std::max(0, exposed.top())));
    for (int row = first; row < rowCount(); ++row) {
        const QRect rect = rowRect(row);
        if (rect.top() > exposed.bottom())
            break;
        paintRow(painter, row, g);
    }
}

void TapeMapView::paintRow(QPainter& painter, int row, const Geometry& g) const
{
    const Cassette& cassette = *cassetteAt(row);
    const QRect rect = rowRect(row);
    const QRect bar = barRect(rect);
    const bool cursorRow = &cassette == cursorCassette_ && hasFocus();
    const QFontMetrics metrics = fontMetrics();

    painter.setPen(palette().color(QPalette::Text));
    const QRect nameRect(g.nameLeft, rect.top(), g.nameWidth, rect.height());
    painter.drawText(nameRect, Qt::AlignLeft | Qt::AlignVCenter,
                     metrics.elidedText(all_[shown_[std::size_t(row)]].name, Qt::ElideRight, g.nameWidth));

    const auto x = [&g](qint64 halfMinutes) {
        return g.barLeft + int(std::lround(double(halfMinutes) * g.perHalfMinute));
    };
    const qint64 tapeHalfMinutes = 2 * qint64{cassette.length()};
    const QRect tape(g.barLeft, bar.top(), std::max(1, x(tapeHalfMinutes) - g.barLeft), bar.height());
    painter.fillRect(tape, Qt::white);

    const std::vector<catalogue::TapeSegment> segments = catalogue::tapeSegments(cassette);
    qint64 end = 0;
    for (std::size_t i = 0; i < segments.size(); ++i) {
        const catalogue::TapeSegment& s = segments[i];
        const QRect piece(x(s.tapeStart), bar.top(),
                          std::max(1, x(s.tapeStart + s.tapeLength) - x(s.tapeStart)), bar.height());
        fillFilm(painter, piece, s.film->longplay != 0, i % 2 != 0);
        painter.setPen(kTapeEdge);
        painter.drawLine(piece.topRight(), piece.bottomRight());
        // A title where there is room for a few letters of it.
        const QRect textRect = piece.adjusted(3, 0, -3, 0);
        if (textRect.width() >= 3 * metrics.averageCharWidth()) {
            const QString title = metrics.elidedText(catalogue::text(s.film->filmName).trimmed(),
                                                     Qt::ElideRight, textRect.width());
            // An ellipsis alone tells nothing; the tooltip has the title.
            if (title.size() > 1) {
                painter.setPen(kSegmentText);
                painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, title);
            }
        }
        end = s.tapeStart + s.tapeLength;
    }

    painter.setPen(kTapeEdge);
    painter.drawRect(tape.adjusted(0, 0, -1, -1));
    if (end > tapeHalfMinutes) {
        // Over-full: what lies beyond the tape's end, and the tape's frame, in red.
        const QRect beyond(tape.right() + 1, bar.top(), std::max(1, x(end) - tape.right() - 1), bar.height());
        fillOverFull(painter, beyond);
        QPen red(kOverFull);
        red.setWidth(2);
        painter.setPen(red);
        painter.drawRect(tape.united(beyond).adjusted(1, 1, -1, -1));
    }

    if (cursorRow) {
        const int at = std::min(cursorSegment_, int(segments.size()));
        QRect focus = tape;
        if (at < int(segments.size())) {
            const catalogue::TapeSegment& s = segments[std::size_t(at)];
            focus = QRect(x(s.tapeStart), bar.top(),
                          std::max(1, x(s.tapeStart + s.tapeLength) - x(s.tapeStart)), bar.height());
        } else if (end < tapeHalfMinutes) {
            focus = QRect(x(end), bar.top(), std::max(1, tape.right() + 1 - x(end)), bar.height());
        }
        QPen pen(palette().color(QPalette::Highlight));
        pen.setWidth(2);
        painter.setPen(pen);
        painter.drawRect(focus.adjusted(-1, -2, 0, 1));
        painter.drawRect(nameRect.adjusted(-2, 2, 2, -2));
    }
}

void TapeMapView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBar();
}

void TapeMapView::scrollContentsBy(int dx, int dy)
{
    // The rows in view move by themselves; only what comes into view is drawn.
    viewport()->scroll(dx, dy);
}

bool TapeMapView::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString text = toolTipAt(help->pos());
        if (text.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), text, viewport());
        }
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

void TapeMapView::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton ? spotAt(event->position().toPoint()) : Spot{};
    QAbstractScrollArea::mousePressEvent(event);
}

void TapeMapView::mouseReleaseEvent(QMouseEvent* event)
{
    QAbstractScrollArea::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !pressed_.cassette)
        return;
    const Spot released = spotAt(event->position().toPoint());
    const Spot pressed = pressed_;
    pressed_ = {};
    // Released where it was pressed: a click, not a drag that changed its mind.
    if (released.cassette != pressed.cassette || released.film != pressed.film)
        return;
    const std::vector<catalogue::TapeSegment> segments = catalogue::tapeSegments(*released.cassette);
    const auto at =
        std::find_if(segments.begin(), segments.end(),
                     [&released](const catalogue::TapeSegment& s) { return s.film == released.film; });
    moveCursor(rowOf(released.cassette), int(at - segments.begin()));
    open(released);
}

void TapeMapView::keyPressEvent(QKeyEvent* event)
{
    const int row = cursorCassette_ ? rowOf(cursorCassette_) : -1;
    const int page = std::max(1, viewport()->height() / rowHeight() - 1);
    switch (event->key()) {
    case Qt::Key_Up:
        moveCursor(row < 0 ? 0 : row - 1, cursorSegment_);
        break;
    case Qt::Key_Down:
        moveCursor(row + 1, cursorSegment_);
        break;
    case Qt::Key_PageUp:
        moveCursor(row - page, cursorSegment_);
        break;
    case Qt::Key_PageDown:
        moveCursor(row < 0 ? page : row + page, cursorSegment_);
        break;
    case Qt::Key_Home:
        moveCursor(0, cursorSegment_);
        break;
    case Qt::Key_End:
        moveCursor(rowCount() - 1, cursorSegment_);
        break;
    case Qt::Key_Left:
        moveCursor(std::max(row, 0), std::min(cursorSegment_, segmentCount(std::max(row, 0))) - 1);
        break;
    case Qt::Key_Right:
        moveCursor(std::max(row, 0), cursorSegment_ + 1);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (cursorCassette_)
            open(current());
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
}

void TapeMapView::moveCursor(int row, int segment)
{
    if (rowCount() == 0)
        return;
    row = std::clamp(row, 0, rowCount() - 1);
    cursorCassette_ = cassetteAt(row);
    cursorSegment_ = std::clamp(segment, 0, segmentCount(row));
    // Into view, with no more scrolling than needed.
    const int top = row * rowHeight();
    QScrollBar* bar = verticalScrollBar();
    if (top < bar->value())
        bar->setValue(top);
    else if (top + rowHeight() > bar->value() + viewport()->height())
        bar->setValue(top + rowHeight() - viewport()->height());
    viewport()->update();
}

void TapeMapView::open(const Spot& spot)
{
    if (!spot.cassette)
        return;
    // The free rest or the name: ready for a recording behind the last film.
    Q_EMIT filmWindowRequested(spot.cassette, spot.film ? spot.film : catalogue::lastFilm(*spot.cassette));
    // The film window has closed again: back here, where the user was.
    ui::reactivate(window());
}

void TapeMapView::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    // The cursor starts on the first row in view.
    if (!cursorCassette_ || rowOf(cursorCassette_) < 0) {
        const int first = rowAt(0);
        if (first >= 0) {
            cursorCassette_ = cassetteAt(first);
            cursorSegment_ = 0;
        }
    }
    viewport()->update();
}

void TapeMapView::focusOutEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

void TapeMapView::changeEvent(QEvent* event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        updateScrollBar();
        viewport()->update();
    }
}

} // namespace windows
