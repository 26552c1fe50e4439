#include "ui/MessageBox.h"

#include "ui/Forms.h"
#include "ui/Language.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>

#include <utility>

namespace ui {

namespace {

// QMessageBox takes its size only as it shows, after Qt has placed it by its provisional size; without
// an owner that put it near the top left of the screen.
class CentredMessageBox final : public QMessageBox
{
public:
    using QMessageBox::QMessageBox;

    // Only a click on a button (or its key) closes the box: Escape, Alt+F4 and the close button do not.
    void requireAnswer()
    {
        answerRequired_ = true;
        // A title without the close button: the window manager draws only what the flags name.
        setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    }

protected:
    void showEvent(QShowEvent* event) override
    {
        QMessageBox::showEvent(event);
        centreOnScreen(this);
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        if (answerRequired_ && event->matches(QKeySequence::Cancel)) {
            event->accept();
            return;
        }
        QMessageBox::keyPressEvent(event);
    }

    void closeEvent(QCloseEvent* event) override
    {
        if (answerRequired_ && clickedButton() == nullptr) {
            event->ignore();
            return;
        }
        QMessageBox::closeEvent(event);
    }

private:
    bool answerRequired_ = false;
};

MessageBoxHandler& installedHandler()
{
    static MessageBoxHandler handler;
    return handler;
}

QMessageBox::Icon iconFor(Icon icon)
{
    switch (icon) {
    case Icon::Error:
        return QMessageBox::Critical;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::Warning:
        return QMessageBox::Warning;
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// The texts break paragraphs with carriage returns alone, which a label would not show as breaks.
QString displayText(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace

void setMessageBoxHandler(MessageBoxHandler handler)
{
    installedHandler() = std::move(handler);
}

Button messageBox(QWidget* owner, const QString& text, const QString& caption, Icon icon, Buttons buttons,
                  Button defaultButton)
{
    const bool yesNo = buttons.testFlag(QMessageBox::Yes) && buttons.testFlag(QMessageBox::No);
    if (defaultButton == QMessageBox::NoButton)
        defaultButton = yesNo ? QMessageBox::Yes : QMessageBox::Ok;
    // A copy, so that a handler may uninstall itself while it answers.
    if (const MessageBoxHandler handler = installedHandler()) {
        return handler(
            MessageBoxCall{owner, text, caption, icon, yesNo ? kYesNo : QMessageBox::Ok, defaultButton});
    }

    CentredMessageBox box(owner);
    box.setWindowTitle(caption);
    box.setTextFormat(Qt::PlainText);
    box.setText(displayText(text));
    box.setIcon(iconFor(icon));

    QPushButton* yes = nullptr;
    QPushButton* no = nullptr;
    QPushButton* ok = nullptr;
    if (yesNo) {
        // Labels set by hand: the style's standard buttons would follow the system locale.
        yes = box.addButton(QCoreApplication::translate("ui::MessageBox", "&Yes"), QMessageBox::YesRole);
        no = box.addButton(QCoreApplication::translate("ui::MessageBox", "&No"), QMessageBox::NoRole);
        box.setDefaultButton(defaultButton == QMessageBox::No ? no : yes);
        if (icon == Icon::Error)
            box.requireAnswer();
        else
            box.setEscapeButton(no);
    } else {
        ok = box.addButton(QCoreApplication::translate("ui::MessageBox", "OK"), QMessageBox::AcceptRole);
        box.setDefaultButton(ok);
        box.setEscapeButton(ok);
    }

    box.exec();
    if (ok != nullptr) {
        return QMessageBox::Ok;
    }
    return box.clickedButton() == yes ? QMessageBox::Yes : QMessageBox::No;
}

} // namespace ui
