#include "ui/Forms.h"

#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <QWidget>

namespace ui {
namespace {

QMargins frameMarginsOf(const QWidget* window)
{
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

// The screen a window belongs on (its owner's) and the frame it will wear, with its layout run so
// that its size is final.
struct Placement
{
    const QScreen* screen = nullptr;
    QMargins frame;
};

Placement placementOf(QWidget* window)
{
    // Captions set just before showing change the size only when the layout next runs: run it now.
    if (QLayout* layout = window->layout())
        layout->activate();
    const QWidget* owner = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    Placement placement{owner ? owner->screen() : window->screen(), frameMarginsOf(window)};
    // Before its first showing a window's frame is not known yet; the owner's has the same decorations.
    if (placement.frame.isNull() && owner)
        placement.frame = frameMarginsOf(owner);
    return placement;
}

} // namespace

void centreOnScreen(QWidget* window)
{
    const auto [screen, frame] = placementOf(window);
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    QRect outer = QRect(QPoint(), window->size()).marginsAdded(frame);
    outer.moveCenter(area.center());
    // Larger than the screen: the title bar and the left edge stay on it.
    outer.moveLeft(qMax(area.left(), qMin(outer.left(), area.right() + 1 - outer.width())));
    outer.moveTop(qMax(area.top(), qMin(outer.top(), area.bottom() + 1 - outer.height())));

    // move() takes the frame's position, as far as the window system has reported the frame.
    const QPoint client = outer.topLeft() + QPoint(frame.left(), frame.top());
    window->move(client - (window->geometry().topLeft() - window->pos()));
}

void fitHeightToScreen(QWidget* window, QWidget* flexible, int designedHeight, int minimumHeight)
{
    flexible->setFixedHeight(designedHeight);
    const auto [screen, frame] = placementOf(window);
    if (!screen)
        return;
    const int excess =
        window->sizeHint().height() + frame.top() + frame.bottom() - screen->availableGeometry().height();
    if (excess > 0)
        flexible->setFixedHeight(qMax(minimumHeight, designedHeight - excess));
}

void sizeToScreen(QWidget* window, QSize preferred)
{
    const auto [screen, frame] = placementOf(window);
    QSize size = preferred.expandedTo(window->minimumSizeHint());
    if (screen) {
        const QSize room = screen->availableGeometry().size().shrunkBy(frame);
        size = size.boundedTo(room);
    }
    window->resize(size);
}

void reactivate(QWidget* window)
{
    if (!window || !window->isVisible())
        return;
    window->raise();
    window->activateWindow();
}

void nameAfterLabel(QWidget* view, const QLabel& label)
{
    QString name;
    const QString caption = label.text();
    for (qsizetype i = 0; i < caption.size(); ++i) {
        // "&&" stands for an '&' of the text; a lone '&' marks the accelerator.
        if (caption[i] == u'&' && ++i == caption.size())
            break;
        name += caption[i];
    }
    view->setAccessibleName(name);
}

QFrame* horizontalBevel(QWidget* parent)
{
    auto* bevel = new QFrame(parent);
    bevel->setFrameShape(QFrame::HLine);
    bevel->setFrameShadow(QFrame::Sunken);
    return bevel;
}

} // namespace ui
