#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

namespace ui {

// Flags and results of the classic message box.
enum MessageBoxFlag : unsigned
{
    MB_OK = 0x0,
    MB_YESNO = 0x4,
    MB_ICONERROR = 0x10,
    MB_ICONQUESTION = 0x20,
    MB_ICONWARNING = 0x30,
    MB_ICONINFORMATION = 0x40,
    MB_DEFBUTTON2 = 0x100,
};

enum MessageBoxResult : int
{
    IDOK = 1,
    IDYES = 6,
    IDNO = 7,
};

// A modal message box over owner. Icon and buttons follow flags; the buttons are labelled in the
// program's language. With MB_DEFBUTTON2, No is the default and Escape answers No.
int messageBox(QWidget* owner, const QString& text, const QString& caption, unsigned flags);

// Test seam: while a handler is installed, messageBox() hands every call to it instead of showing
// a box, and returns its answer.
struct MessageBoxCall
{
    QPointer<QWidget> owner;
    QString text;
    QString caption;
    unsigned flags = 0;
};
using MessageBoxHandler = std::function<int(const MessageBoxCall&)>;
void setMessageBoxHandler(MessageBoxHandler handler);

} // namespace ui
