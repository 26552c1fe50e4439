#pragma once

#include <QSize>
#include <QString>
#include <Qt>

class QFrame;
class QLabel;
class QWidget;

// Small pieces every window of the program shares.
namespace ui {

// A dialog of fixed size with a title bar, a system menu and a close box, and nothing else.
inline constexpr Qt::WindowFlags kFixedDialog = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint |
                                                Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                                Qt::WindowCloseButtonHint;

// A window of its own beside the main window, as the tools are: a title bar, a system menu, a
// minimise, a maximise and a close box, and a size the user may change. A plain window, not a dialog:
// window systems keep a dialog, even one without an owner, above the program's other windows.
inline constexpr Qt::WindowFlags kToolWindow = Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                               Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                                               Qt::WindowCloseButtonHint;

// Moves window, frame included, to the centre of its owner's screen (its own when it has no owner),
// with the size its layout gives it now. A window larger than the screen keeps its top left corner
// on it. Meant for a show handler, once the captions are set.
void centreOnScreen(QWidget* window);

// Gives flexible (a list, a memo) the height it was designed with, less as much as window, frame
// included, would be taller than the available area of its screen, but never below minimumHeight.
// Meant for a show handler, before centreOnScreen().
void fitHeightToScreen(QWidget* window, QWidget* flexible, int designedHeight, int minimumHeight);

// Gives a window whose size the user may change the size it would like, as far as its owner's screen
// holds it, frame included. Meant for its first show, before centreOnScreen().
void sizeToScreen(QWidget* window, QSize preferred);

// Brings a window that is still shown back to the front and gives it the focus: for a window that
// opened a modal one, which hands the focus to its own owner when it closes.
void reactivate(QWidget* window);

// widget, given the object name by which tests and style sheets find it.
template <class Widget> Widget* named(Widget* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

// A list or table is not named after its buddy label for a screen reader, as a field is: it takes the
// label's caption (without the accelerator's '&') as its name. Called again whenever the caption changes.
void nameAfterLabel(QWidget* view, const QLabel& label);

// A sunken horizontal line that separates parts of a window.
QFrame* horizontalBevel(QWidget* parent);

} // namespace ui
