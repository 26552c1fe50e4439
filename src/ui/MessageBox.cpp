#include "ui/MessageBox.h"

#include "ui/Forms.h"
#include "ui/Language.h"

#include <QCoreApplication>
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

protected:
    void showEvent(QShowEvent* event) override
    {
        QMessageBox::showEvent(event);
        centreOnScreen(this);
    }
};

MessageBoxHandler& installedHandler()
{
    static MessageBoxHandler handler;
    return handler;
}

QMessageBox::Icon iconFor(unsigned flags)
{
    switch (flags & 0xF0u) {
    case MB_ICONERROR:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONWARNING:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
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

int messageBox(QWidget* owner, const QString& text, const QString& caption, unsigned flags)
{
    // A copy, so that a handler may uninstall itself while it answers.
    if (const MessageBoxHandler handler = installedHandler()) {
        return handler(MessageBoxCall{owner, text, caption, flags});
    }

    CentredMessageBox box(owner);
    box.setWindowTitle(caption);
    box.setTextFormat(Qt::PlainText);
    box.setText(displayText(text));
    box.setIcon(iconFor(flags));

    QPushButton* yes = nullptr;
    QPushButton* no = nullptr;
    QPushButton* ok = nullptr;
    if ((flags & 0x0Fu) == MB_YESNO) {
        // Labels set by hand: the style's standard buttons would follow the system locale.
        yes = box.addButton(QCoreApplication::translate("ui::MessageBox", "&Yes"), QMessageBox::YesRole);
        no = box.addButton(QCoreApplication::translate("ui::MessageBox", "&No"), QMessageBox::NoRole);
        box.setDefaultButton((flags & MB_DEFBUTTON2) != 0 ? no : yes);
        box.setEscapeButton(no);
    } else {
        ok = box.addButton(QCoreApplication::translate("ui::MessageBox", "OK"), QMessageBox::AcceptRole);
        box.setDefaultButton(ok);
        box.setEscapeButton(ok);
    }

    box.exec();
    const QAbstractButton* const clicked = box.clickedButton();
    if (ok != nullptr) {
        return IDOK;
    }
    return clicked == yes ? IDYES : IDNO;
}

} // namespace ui
