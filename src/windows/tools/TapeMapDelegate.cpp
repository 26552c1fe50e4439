#include "windows/tools/TapeMapDelegate.h"

#include "catalogue/Cassette.h"
#include "catalogue/RecordText.h"
#include "catalogue/TapeSpace.h"
#include "windows/models/TapeMapModel.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

using catalogue::Cassette;

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

QRect segmentPiece(const TapeMapGeometry& g, const QRect& bar, const catalogue::TapeSegment& s)
{
    const int left = g.x(s.tapeStart);
    return {left, bar.top(), std::max(1, g.x(s.tapeStart + s.tapeLength) - left), bar.height()};
}

} // namespace

TapeMapGeometry::TapeMapGeometry(int width, const QFontMetrics& metrics, qint64 longestHalfMinutes,
                                 int chosenNameWidth)
    : nameLeft(kMargin), nameWidth(nameWidthFor(width, metrics, chosenNameWidth)),
      barLeft(kMargin + nameWidth + 2 * kMargin),
      perHalfMinute(double(std::max(1, width - barLeft - kMargin)) /
                    double(std::max<qint64>(1, longestHalfMinutes)))
{}

int TapeMapGeometry::nameWidthFor(int width, const QFontMetrics& metrics, int chosenNameWidth)
{
    constexpr int kNarrowest = 40;
    // Widened by hand the names may take up to two thirds of the row; the bar keeps the rest.
    if (chosenNameWidth > 0)
        return std::clamp(chosenNameWidth, kNarrowest, std::max(kNarrowest, width * 2 / 3));
    return std::clamp(metrics.averageCharWidth() * 18, kNarrowest, std::max(kNarrowest, width / 3));
}

int TapeMapGeometry::handleX() const
{
    return barLeft - kMargin;
}

int TapeMapGeometry::x(qint64 halfMinutes) const
{
    return barLeft + int(std::lround(double(halfMinutes) * perHalfMinute));
}

TapeMapDelegate::TapeMapDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

TapeMapDelegate::~TapeMapDelegate() = default;

int TapeMapDelegate::rowHeight(const QFontMetrics& metrics)
{
    return metrics.height() + 12;
}

QRect TapeMapDelegate::barRect(const QRect& row)
{
    return row.adjusted(0, 3, 0, -3);
}

QColor TapeMapDelegate::overFullColour()
{
    return kOverFull;
}

QSize TapeMapDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const
{
    // The view stretches every row across its width.
    return {1, rowHeight(option.fontMetrics)};
}

QRect TapeMapDelegate::segmentRect(const QRect& row, const TapeMapGeometry& g, const Cassette& cassette,
                                   const catalogue::FilmRecord* film)
{
    for (const catalogue::TapeSegment& s : catalogue::tapeSegments(cassette)) {
        if (s.film == film)
            return segmentPiece(g, barRect(row), s);
    }
    return {};
}

void TapeMapDelegate::paintSwatch(QPainter& painter, const QRect& rect, Kind kind)
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

void TapeMapDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const
{
    const auto* model = qobject_cast<const TapeMapModel*>(index.model());
    const Cassette* cassette = model ? model->cassetteAt(index.row()) : nullptr;
    if (!cassette)
        return; // gone, its row not yet made anew
    const QRect rect = option.rect;
    const QFontMetrics& metrics = option.fontMetrics;
    const TapeMapGeometry g(rect.width(), metrics, model->longestHalfMinutes(), nameWidth_);
    const QRect bar = barRect(rect);
    painter->save();

    painter->setPen(option.palette.color(QPalette::Text));
    const QRect nameRect(g.nameLeft, rect.top(), g.nameWidth, rect.height());
    // Names that differ only at their ends (a number, a year) stay apart; the tooltip has the whole.
    painter->drawText(nameRect, Qt::AlignLeft | Qt::AlignVCenter,
                      metrics.elidedText(cassette->name(), Qt::ElideMiddle, g.nameWidth));
    // The border that can be dragged to give the names more room.
    painter->setPen(option.palette.color(QPalette::Midlight));
    painter->drawLine(g.handleX(), rect.top(), g.handleX(), rect.bottom());
    painter->setPen(option.palette.color(QPalette::Text));

    const qint64 tapeHalfMinutes = 2 * qint64{cassette->length()};
    const QRect tape(g.barLeft, bar.top(), std::max(1, g.x(tapeHalfMinutes) - g.barLeft), bar.height());
    painter->fillRect(tape, Qt::white);

    const std::vector<catalogue::TapeSegment> segments = catalogue::tapeSegments(*cassette);
    qint64 end = 0;
    for (std::size_t i = 0; i < segments.size(); ++i) {
        const catalogue::TapeSegment& s = segments[i];
        const QRect piece = segmentPiece(g, bar, s);
        fillFilm(*painter, piece, s.film->longplay != 0, i % 2 != 0);
        painter->setPen(kTapeEdge);
        painter->drawLine(piece.topRight(), piece.bottomRight());
        // A title where there is room for a few letters of it.
        const QRect textRect = piece.adjusted(3, 0, -3, 0);
        if (textRect.width() >= 3 * metrics.averageCharWidth()) {
            const QString title = metrics.elidedText(catalogue::text(s.film->filmName).trimmed(),
                                                     Qt::ElideRight, textRect.width());
            // An ellipsis alone tells nothing; the tooltip has the title.
            if (title.size() > 1) {
                painter->setPen(kSegmentText);
                painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, title);
            }
        }
        end = s.tapeStart + s.tapeLength;
    }

    painter->setPen(kTapeEdge);
    painter->drawRect(tape.adjusted(0, 0, -1, -1));
    if (end > tapeHalfMinutes) {
        // Over-full: what lies beyond the tape's end, and the tape's frame, in red.
        const QRect beyond(tape.right() + 1, bar.top(), std::max(1, g.x(end) - tape.right() - 1),
                           bar.height());
        fillOverFull(*painter, beyond);
        QPen red(kOverFull);
        red.setWidth(2);
        painter->setPen(red);
        painter->drawRect(tape.united(beyond).adjusted(1, 1, -1, -1));
    }

    if (option.state & QStyle::State_HasFocus) {
        // The keyboard cursor: a film's segment, the free rest, or the tape where neither is.
        const int at = std::min(cursorSegment_, int(segments.size()));
        QRect focus = tape;
        if (at < int(segments.size()))
            focus = segmentPiece(g, bar, segments[std::size_t(at)]);
        else if (end < tapeHalfMinutes)
            focus = QRect(g.x(end), bar.top(), std::max(1, tape.right() + 1 - g.x(end)), bar.height());
        QPen pen(option.palette.color(QPalette::Highlight));
        pen.setWidth(2);
        painter->setPen(pen);
        painter->drawRect(focus.adjusted(-1, -2, 0, 1));
        painter->drawRect(nameRect.adjusted(-2, 2, 2, -2));
    }
    painter->restore();
}

} // namespace windows
