#include "windows/tools/TapeMapView.h"

#include "catalogue/Cassette.h"
#include "catalogue/Catalogue.h"
#include "catalogue/RecordText.h"
#include "catalogue/TapeSpace.h"
#include "ui/Forms.h"
#include "windows/models/TapeMapModel.h"
#include "windows/tools/TapeMapDelegate.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QToolTip>

#include <algorithm>

using catalogue::Cassette;
using catalogue::FilmRecord;
using namespace Qt::StringLiterals;

namespace windows {

TapeMapView::TapeMapView(catalogue::Catalogue& catalogue, QWidget* parent)
    : QListView(parent), model_(new TapeMapModel(catalogue, this)), delegate_(new TapeMapDelegate(this))
{
    setModel(model_);
    setItemDelegate(delegate_);
    // Every row as high as the next: the view never measures them one by one.
    setUniformItemSizes(true);
    setSpacing(0);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The cursor moves the view itself, and no further than it must.
    setAutoScroll(false);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setBackgroundRole(QPalette::Base);
    // The border beside the names shows it can be dragged as the mouse passes it.
    viewport()->setMouseTracking(true);
    viewport()->setAutoFillBackground(true);

    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        restoreCursor();
        Q_EMIT rowsChanged();
    });
    // The cursor and a press let go of a cassette as it goes.
    connect(&catalogue, &catalogue::Catalogue::cassetteAboutToBeRemoved, this,
            [this](const Cassette* cassette) {
                if (cursorCassette_ == cassette)
                    cursorCassette_ = nullptr;
                if (pressed_.cassette == cassette)
                    pressed_ = {};
            });
    connect(&catalogue, &catalogue::Catalogue::catalogueReset, this, [this] {
        cursorCassette_ = nullptr;
        pressed_ = {};
    });
}

TapeMapView::~TapeMapView() = default;

void TapeMapView::showEvent(QShowEvent* event)
{
    QListView::showEvent(event);
    model_->setActive(true);
}

void TapeMapView::hideEvent(QHideEvent* event)
{
    QListView::hideEvent(event);
    // Closed, not only minimised with its owner: nothing is kept until it opens again.
    if (!event->spontaneous()) {
        cursorCassette_ = nullptr;
        pressed_ = {};
        model_->setActive(false);
    }
}

void TapeMapView::setFilter(const QString& text)
{
    model_->setFilter(text);
}

int TapeMapView::rowCount() const
{
    return model_->rowCount();
}

const Cassette* TapeMapView::cassetteAt(int row) const
{
    return model_->cassetteAt(row);
}

int TapeMapView::rowOf(const Cassette* cassette) const
{
    return model_->rowOf(cassette);
}

int TapeMapView::rowHeight() const
{
    return TapeMapDelegate::rowHeight(fontMetrics());
}

int TapeMapView::nameWidth() const
{
    return TapeMapGeometry::nameWidthFor(viewport()->width(), fontMetrics(), delegate_->nameWidth());
}

int TapeMapView::chosenNameWidth() const
{
    return delegate_->nameWidth();
}

void TapeMapView::setNameWidth(int width)
{
    delegate_->setNameWidth(std::max(0, width));
    viewport()->update();
}

int TapeMapView::nameBorder() const
{
    return TapeMapGeometry(viewport()->width(), fontMetrics(), 1, delegate_->nameWidth()).handleX();
}

bool TapeMapView::onNameBorder(QPoint point) const
{
    return indexAt(point).isValid() && std::abs(point.x() - nameBorder()) <= 3;
}

void TapeMapView::updateGeometries()
{
    QListView::updateGeometries();
    verticalScrollBar()->setSingleStep(std::max(1, rowHeight() / 2));
}

TapeMapView::Spot TapeMapView::spotAt(QPoint point) const
{
    const QModelIndex index = indexAt(point);
    const Cassette* const cassette = index.isValid() ? cassetteAt(index.row()) : nullptr;
    if (!cassette)
        return {};
    const TapeMapGeometry g(viewport()->width(), fontMetrics(), model_->longestHalfMinutes(),
                            delegate_->nameWidth());
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
    const TapeMapGeometry g(viewport()->width(), fontMetrics(), model_->longestHalfMinutes(),
                            delegate_->nameWidth());
    return TapeMapDelegate::segmentRect(visualRect(model_->index(row)), g, *cassette, film);
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
    bool overFull = false;
    lines = TapeMapModel::facts(*spot.cassette, &overFull);
    if (overFull) {
        lines.last() = u"<span style='color:%1'>"_s.arg(TapeMapDelegate::overFullColour().name()) +
                       lines.last() + u"</span>"_s;
    }
    lines.prepend(u"<b>"_s + spot.cassette->name().toHtmlEscaped() + u"</b>"_s);
    return lines.join(u"<br>"_s);
}

TapeMapView::Spot TapeMapView::current() const
{
    if (!cursorCassette_)
        return {};
    const std::vector<catalogue::TapeSegment> segments = catalogue::tapeSegments(*cursorCassette_);
    const int at = std::min(delegate_->cursorSegment(), int(segments.size()));
    return {cursorCassette_, at < int(segments.size()) ? segments[std::size_t(at)].film : nullptr};
}

int TapeMapView::segmentCount(int row) const
{
    const Cassette* cassette = cassetteAt(row);
    return cassette ? int(catalogue::tapeSegments(*cassette).size()) : 0;
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
    return QListView::viewportEvent(event);
}

// The map's clicks are its own: no selection to drag, no item to edit.
void TapeMapView::mousePressEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    if (event->button() == Qt::LeftButton && onNameBorder(point)) {
        dragOffset_ = point.x() - nameBorder();
        pressed_ = {};
        return;
    }
    pressed_ = event->button() == Qt::LeftButton ? spotAt(point) : Spot{};
    QAbstractScrollArea::mousePressEvent(event);
}

void TapeMapView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    if (dragOffset_) {
        // The border follows the mouse; the names end where it is, less the room on either side of it.
        setNameWidth(nameWidth() + point.x() - *dragOffset_ - nameBorder());
        return;
    }
    if (onNameBorder(point))
        viewport()->setCursor(Qt::SplitHCursor);
    else
        viewport()->unsetCursor();
    QAbstractScrollArea::mouseMoveEvent(event);
}

void TapeMapView::mouseDoubleClickEvent(QMouseEvent* event)
{
    mousePressEvent(event);
}

void TapeMapView::mouseReleaseEvent(QMouseEvent* event)
{
    if (dragOffset_ && event->button() == Qt::LeftButton) {
        dragOffset_.reset();
        return;
    }
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
    placeCursor(rowOf(released.cassette), int(at - segments.begin()));
    open(released);
}

void TapeMapView::keyPressEvent(QKeyEvent* event)
{
    const int row = cursorCassette_ ? rowOf(cursorCassette_) : -1;
    const int segment = delegate_->cursorSegment();
    const int page = std::max(1, viewport()->height() / rowHeight() - 1);
    switch (event->key()) {
    case Qt::Key_Up:
        placeCursor(row < 0 ? 0 : row - 1, segment);
        break;
    case Qt::Key_Down:
        placeCursor(row + 1, segment);
        break;
    case Qt::Key_PageUp:
        placeCursor(row - page, segment);
        break;
    case Qt::Key_PageDown:
        placeCursor(row < 0 ? page : row + page, segment);
        break;
    case Qt::Key_Home:
        placeCursor(0, segment);
        break;
    case Qt::Key_End:
        placeCursor(rowCount() - 1, segment);
        break;
    case Qt::Key_Left:
        placeCursor(std::max(row, 0), std::min(segment, segmentCount(std::max(row, 0))) - 1);
        break;
    case Qt::Key_Right:
        placeCursor(std::max(row, 0), segment + 1);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (cursorCassette_)
            open(current());
        break;
    default:
        // Not the item view's: typing searches nothing here, and Escape belongs to the window.
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
}

void TapeMapView::placeCursor(int row, int segment)
{
    if (rowCount() == 0)
        return;
    row = std::clamp(row, 0, rowCount() - 1);
    cursorCassette_ = cassetteAt(row);
    delegate_->setCursorSegment(std::clamp(segment, 0, segmentCount(row)));
    const QModelIndex index = model_->index(row);
    setCurrentIndex(index);
    scrollTo(index);
    update(index);
}

void TapeMapView::restoreCursor()
{
    const int row = cursorCassette_ ? rowOf(cursorCassette_) : -1;
    setCurrentIndex(row >= 0 ? model_->index(row) : QModelIndex());
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
    QListView::focusInEvent(event);
    // The cursor starts on the first row in view.
    if (!cursorCassette_ || rowOf(cursorCassette_) < 0) {
        const QModelIndex first = indexAt(QPoint(0, 0));
        if (first.isValid() && cassetteAt(first.row())) {
            cursorCassette_ = cassetteAt(first.row());
            delegate_->setCursorSegment(0);
        }
    }
    restoreCursor();
    viewport()->update();
}

void TapeMapView::changeEvent(QEvent* event)
{
    QListView::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        scheduleDelayedItemsLayout();
}

} // namespace windows
