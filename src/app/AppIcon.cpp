#include "app/AppIcon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

namespace app {
namespace {

// The sizes the window system and the dialogs are likely to ask for; any other size is drawn as well.
constexpr int kStandardSizes[] = {16, 24, 32, 48, 64, 128, 256};

// A video cassette designed on a 32-unit grid. Every edge is rounded to a whole pixel of the size
// drawn, so that no edge falls across a pixel and blurs at the small sizes.
void drawCassette(QPainter& p, const QRect& square)
{
    const qreal unit = square.width() / 32.0;
    auto snapped = [&](qreal x, qreal y, qreal width, qreal height) {
        const QPoint topLeft(qRound(x * unit), qRound(y * unit));
        const QPoint bottomRight(qMax(topLeft.x() + 1, qRound((x + width) * unit)),
                                 qMax(topLeft.y() + 1, qRound((y + height) * unit)));
        return QRectF(topLeft, bottomRight).translated(square.topLeft());
    };
    const QColor body(0x20, 0x20, 0x28);
    const QRectF label = snapped(5, 9, 22, 8);
    const QRectF stripe = snapped(5, 9, 22, 2);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawRoundedRect(snapped(1, 6, 30, 20), 2.5 * unit, 2.5 * unit);
    p.setBrush(QColor(0xe8, 0xe8, 0xe0));
    p.drawRect(label);
    p.setBrush(QColor(0xc0, 0x10, 0x10));
    p.drawRect(stripe);
    // The reels fill the label below the stripe, whole pixels across, at every size.
    const qreal room = label.bottom() - stripe.bottom();
    const qreal reel = qMin(room, qMax(2.0, qreal(qRound(5.2 * unit))));
    const qreal reelTop = stripe.bottom() + qRound((room - reel) / 2);
    p.setBrush(body);
    for (qreal centre : {11.0, 21.0})
        p.drawEllipse(QRectF(square.left() + qRound(centre * unit - reel / 2), reelTop, reel, reel));
    p.setBrush(QColor(0x50, 0x50, 0x60));
    p.drawRect(snapped(8, 20, 16, 6));
}

// Draws the cassette afresh for every size and device pixel ratio asked for, rather than scaling
// one of a few pixmaps.
class CassetteIconEngine final : public QIconEngine
{
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override
    {
        QRect square(0, 0, qMin(rect.width(), rect.height()), qMin(rect.width(), rect.height()));
        square.moveCenter(rect.center());
        painter->save();
        drawCassette(*painter, square);
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, pixmap.rect(), mode, state);
        return pixmap;
    }

    QIconEngine* clone() const override { return new CassetteIconEngine; }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (int size : kStandardSizes)
            sizes.append(QSize(size, size));
        return sizes;
    }
};

} // namespace

QIcon appIcon()
{
    return QIcon(new CassetteIconEngine);
}

} // namespace app
