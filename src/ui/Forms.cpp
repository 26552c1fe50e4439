#include "ui/Forms.h"

#include <QFrame>
#include <QScreen>
#include <QWidget>

namespace ui {

void centreOnScreen(QWidget* window)
{
    if (const QScreen* screen = window->screen())
        window->move(screen->availableGeometry().center() - window->rect().center());
}

QFrame* horizontalBevel(QWidget* parent)
{
    auto* bevel = new QFrame(parent);
    bevel->setFrameShape(QFrame::HLine);
    bevel->setFrameShadow(QFrame::Sunken);
    return bevel;
}

} // namespace ui
