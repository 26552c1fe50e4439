#pragma once

class QFrame;
class QWidget;

// Small pieces every window of the program shares.
namespace ui {

// Moves window to the centre of the screen it is on.
void centreOnScreen(QWidget* window);

// A sunken horizontal line that separates parts of a window.
QFrame* horizontalBevel(QWidget* parent);

} // namespace ui
