#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

namespace ui {

// What a message box shows beside its text.
enum class Icon
{
    None,
    Information,
    Warning,
    Error,
    Question,
};

using Button = QMessageBox::StandardButton;
using Buttons = QMessageBox::StandardButtons;
inline constexpr Buttons kYesNo = Buttons(QMessageBox::Yes) | QMessageBox::No;

// A modal message box over owner with the given buttons (QMessageBox::Ok, or Yes and No), labelled in
// the program's language; returns the button that closed it. Return presses defaultButton; Escape
// answers No on a question, OK on a box with OK alone. An error with Yes and No (whether to try saving
// again) takes only an explicit answer: there No loses the run's work, so neither Escape nor the
// window's close button may give it.
Button messageBox(QWidget* owner, const QString& text, const QString& caption, Icon icon,
                  Buttons buttons = QMessageBox::Ok, Button defaultButton = QMessageBox::NoButton);

// Test seam: while a handler is installed, messageBox() hands every call to it instead of showing
// a box, and returns its answer.
struct MessageBoxCall
{
    QPointer<QWidget> owner;
    QString text;
    QString caption;
    Icon icon = Icon::None;
    Buttons buttons = QMessageBox::Ok;
    Button defaultButton = QMessageBox::Ok;
};
using MessageBoxHandler = std::function<Button(const MessageBoxCall&)>;
void setMessageBoxHandler(MessageBoxHandler handler);

} // namespace ui
