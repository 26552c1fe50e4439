#include "app/AppIcon.h"

#include <QPainter>
#include <QPixmap>

namespace app {
namespace {

QPixmap cassette(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x20, 0x20, 0x28));
    p.drawRoundedRect(QRectF(1, 6, 30, 20), 2.5, 2.5);
    p.setBrush(QColor(0xe8, 0xe8, 0xe0));
    p.drawRect(QRectF(5, 9, 22, 8));
    p.setBrush(QColor(0xc0, 0x10, 0x10));
    p.drawRect(QRectF(5, 9, 22, 2));
    p.setBrush(QColor(0x20, 0x20, 0x28));
    p.drawEllipse(QPointF(11, 13.5), 2.6, 2.6);
    p.drawEllipse(QPointF(21, 13.5), 2.6, 2.6);
    p.setBrush(QColor(0x50, 0x50, 0x60));
    p.drawRect(QRectF(8, 20, 16, 6));
    return pixmap;
}

} // namespace

QIcon appIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addPixmap(cassette(size));
    return icon;
}

} // namespace app
