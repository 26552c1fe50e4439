#include "ui/ToolWindow.h"

#include "ui/Forms.h"
#include "ui/SettingsStore.h"

#include <QGuiApplication>
#include <QHideEvent>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <array>
#include <utility>

namespace ui {
namespace {

// Room left between the companion and the window beside it.
constexpr int kGap = 8;

QMargins frameMarginsOf(const QWidget* window)
{
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

// rect moved (not resized) so that as much of it as can lies in area, its top left corner first.
QRect clampedInto(QRect rect, const QRect& area)
{
    rect.moveLeft(std::max(area.left(), std::min(rect.left(), area.right() + 1 - rect.width())));
    rect.moveTop(std::max(area.top(), std::min(rect.top(), area.bottom() + 1 - rect.height())));
    return rect;
}

qint64 overlap(const QRect& a, const QRect& b)
{
    const QRect common = a.intersected(b);
    return common.isEmpty() ? 0 : qint64(common.width()) * common.height();
}

} // namespace

QRect besidePlacement(QSize outer, QSize minimum, const QRect& companion, const QRect& area)
{
    const QRect right(QPoint(companion.right() + 1 + kGap, companion.top()), outer);
    const QRect left(QPoint(companion.left() - kGap - outer.width(), companion.top()), outer);
    const QRect below(QPoint(companion.left(), companion.bottom() + 1 + kGap), outer);
    const QRect above(QPoint(companion.left(), companion.top() - kGap - outer.height()), outer);
    // Beside it, the window slides along the companion's edge as far as the screen asks, not away from it.
    const std::pair<QRect, bool> sides[] = {{right, true}, {left, true}, {below, false}};
    for (const auto& [side, leftAndRight] : sides) {
        const QRect placed = clampedInto(side, area);
        const bool besideStill = leftAndRight ? placed.left() == side.left() : placed.top() == side.top();
        if (besideStill && area.contains(placed))
            return placed;
    }
    // Made narrower or lower, as far as its minimum allows, it may still fit beside.
    const int roomRight = area.right() - companion.right() - kGap;
    const int roomLeft = companion.left() - kGap - area.left();
    const int roomBelow = area.bottom() - companion.bottom() - kGap;
    if (outer.height() <= area.height()) {
        if (roomRight >= minimum.width())
            return clampedInto(QRect(QPoint(companion.right() + 1 + kGap, companion.top()),
                                     QSize(roomRight, outer.height())),
                               area);
        if (roomLeft >= minimum.width())
            return clampedInto(QRect(QPoint(area.left(), companion.top()), QSize(roomLeft, outer.height())),
                               area);
    }
    if (outer.width() <= area.width() && roomBelow >= minimum.height())
        return clampedInto(
            QRect(QPoint(companion.left(), companion.bottom() + 1 + kGap), QSize(outer.width(), roomBelow)),
            area);
    // No side has room: the place on the screen that covers least of the companion.
    std::array<QRect, 4> choices = {right, left, below, above};
    for (QRect& choice : choices)
        choice = clampedInto(choice, area);
    const auto best = std::min_element(choices.begin(), choices.end(), [&](const QRect& a, const QRect& b) {
        return overlap(a, companion) < overlap(b, companion);
    });
    return *best;
}

ToolWindow::ToolWindow(QWidget* parent) : QDialog(parent, kToolWindow) {}

ToolWindow::~ToolWindow() = default;

void ToolWindow::setCompanion(QWidget* companion)
{
    if (companion_)
        companion_->removeEventFilter(this);
    companion_ = companion;
    if (companion_)
        companion_->installEventFilter(this);
}

void ToolWindow::setSettings(SettingsStore* settings)
{
    settings_ = settings;
}

void ToolWindow::present()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

QString ToolWindow::settingsKey(const QString& name) const
{
    return objectName() + u'/' + name;
}

void ToolWindow::rememberPlace()
{
    if (!settings_ || !placed_)
        return;
    settings_->store(settingsKey(QStringLiteral("Geometry")), saveGeometry());
    rememberLayout(*settings_);
}

QSize ToolWindow::preferredSize()
{
    return sizeHint();
}

void ToolWindow::restoreLayout(const SettingsStore&) {}

void ToolWindow::rememberLayout(SettingsStore&) {}

void ToolWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (placed_)
        return;
    placed_ = true;
    // On the companion's screen, which the sizes below are measured against.
    if (companion_ && windowHandle() && companion_->screen())
        windowHandle()->setScreen(companion_->screen());
    if (settings_)
        restoreLayout(*settings_);
    if (!restorePlace()) {
        sizeToScreen(this, preferredSize());
        placeBeside();
    }
}

void ToolWindow::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    // Closed, not only minimised.
    if (!event->spontaneous())
        rememberPlace();
}

bool ToolWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == companion_ && event->type() == QEvent::Hide && !event->spontaneous())
        close();
    return QDialog::eventFilter(watched, event);
}

bool ToolWindow::restorePlace()
{
    if (!settings_)
        return false;
    const QByteArray stored = settings_->readBytes(settingsKey(QStringLiteral("Geometry")));
    if (stored.isEmpty() || !restoreGeometry(stored))
        return false;
    keepOnScreen();
    return true;
}

// A screen the window was left on may have gone, or grown smaller, since: it comes back whole on the
// screen that holds its middle, else on its companion's.
void ToolWindow::keepOnScreen()
{
    const QMargins frame = frameMarginsOf(this);
    const QRect outer = geometry().marginsAdded(frame);
    const QScreen* screen = QGuiApplication::screenAt(outer.center());
    if (!screen)
        screen = companion_ ? companion_->screen() : QGuiApplication::primaryScreen();
    if (!screen || screen->availableGeometry().contains(outer))
        return;
    const QRect area = screen->availableGeometry();
    resize(size().boundedTo(area.size().shrunkBy(frame)));
    const QRect placed = clampedInto(geometry().marginsAdded(frame), area);
    const QPoint client = placed.topLeft() + QPoint(frame.left(), frame.top());
    move(client - (geometry().topLeft() - pos()));
}

void ToolWindow::placeBeside()
{
    if (!companion_ || !companion_->isVisible()) {
        centreOnScreen(this);
        return;
    }
    const QScreen* screen = companion_->screen();
    if (!screen)
        return;
    QMargins frame = frameMarginsOf(this);
    // Before its first showing a window's frame is not known yet; the companion's has the same decorations.
    if (frame.isNull())
        frame = frameMarginsOf(companion_);
    const QSize outer = size().grownBy(frame);
    // Narrower or lower beside the main window, but not so much that most of it would need scrolling.
    const QSize minimum =
        minimumSizeHint().expandedTo(minimumSize()).grownBy(frame).expandedTo(outer * 3 / 4).boundedTo(outer);
    const QRect placed =
        besidePlacement(outer, minimum, companion_->frameGeometry(), screen->availableGeometry());
    if (placed.size() != outer)
        resize(placed.size().shrunkBy(frame));
    // move() takes the frame's position, as far as the window system has reported the frame.
    const QPoint client = placed.topLeft() + QPoint(frame.left(), frame.top());
    move(client - (geometry().topLeft() - pos()));
}

} // namespace ui
