#include "NumEdit.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMouseEvent>

#include <limits>

namespace controls {

namespace {

constexpr int kDefaultMaxLength = 9;

// Text a key or an input method would insert, made of digits only.
bool isDigitText(const QString& text)
{
    return !text.isEmpty() && NumEdit::allDigits(text);
}

} // namespace

NumEdit::NumEdit(QWidget* parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight); // numbers line up by their last digit
    setMaxLength(kDefaultMaxLength);
    // Dropped text would reach the field past the key filter and the paste rules.
    setAcceptDrops(false);
    setInputMethodHints(Qt::ImhDigitsOnly);
    connect(this, &QLineEdit::textChanged, this, &NumEdit::acceptTextChange);
    setValue(QStringLiteral("0"));
}

void NumEdit::setValue(const QString& value)
{
    if (value == value_ || !allDigits(value))
        return;
    // value_ follows only through acceptTextChange(), so valueChanging handlers still read the old value.
    setText(value);
    // The field cuts a value to its maximum length; if that left the text as it was, no change ran.
    value_ = text();
}

int NumEdit::intValue() const
{
    constexpr qint64 largest = std::numeric_limits<int>::max();
    qint64 n = 0;
    for (const QChar c : value_) {
        n = n * 10 + (c.unicode() - u'0');
        if (n > largest)
            return static_cast<int>(largest);
    }
    return static_cast<int>(n);
}

void NumEdit::setIntValue(int n)
{
    const QString digits = QString::number(n);
    if (text() != digits)
        setValue(digits);
}

bool NumEdit::allDigits(QStringView text)
{
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

void NumEdit::acceptTextChange()
{
    Q_EMIT valueChanging();
    // Read the text afresh: a valueChanging handler may already have set another one.
    const QString current = text();
    if (current.isEmpty() ? zeroWhenEmpty_ : !allDigits(current))
        setText(QStringLiteral("0")); // runs this function once more, nested
    zeroWhenEmpty_ = true;
    value_ = text();
}

void NumEdit::prepareForDigits()
{
    const QString current = text();
    if (current.isEmpty() || (selectionStart() == 0 && selectionLength() == current.size()))
        zeroWhenEmpty_ = false;
    if (value_ == u"0") {
        zeroWhenEmpty_ = false;
        // The digit replaces the zero instead of following it.
        setText(QString());
    }
}

void NumEdit::pasteDigits(QClipboard::Mode mode)
{
    if (isReadOnly())
        return;
    const QString clip = QGuiApplication::clipboard()->text(mode);
    // An empty clipboard would at most blank the field, which no completed edit may leave behind.
    if (!isDigitText(clip))
        return;
    if (value_ == u"0") {
        zeroWhenEmpty_ = false;
        setText(QString());
    }
    insert(clip);
}

bool NumEdit::isDiscardedCharacter(const QKeyEvent& event) const
{
    // Undo may also lie on Alt+Backspace, which would otherwise pass as a backspace.
    if (event.matches(QKeySequence::Undo) || event.matches(QKeySequence::Redo))
        return true;
    // Ctrl or Alt with a character key: copy, cut, paste and the other control characters.
    // Select-all stays, as it changes no text.
    constexpr Qt::KeyboardModifiers commandKeys = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if ((event.modifiers() & commandKeys) && event.key() < Qt::Key_Escape)
        return !event.matches(QKeySequence::SelectAll);
    const QString typed = event.text();
    return !typed.isEmpty() && typed.front().isPrint() && !isDigitText(typed);
}

void NumEdit::keyPressEvent(QKeyEvent* event)
{
    // A read-only field refuses edits by itself; its keys stay as the base field handles them.
    if (isReadOnly()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        // Left to the dialog: Enter clicks its default button, Escape cancels it.
        event->ignore();
        return;
    default:
        break;
    }
    if (isDiscardedCharacter(*event)) {
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        pasteDigits(QClipboard::Clipboard);
        event->accept();
        return;
    }
    if (isDigitText(event->text()))
        prepareForDigits();
    QLineEdit::keyPressEvent(event);
}

void NumEdit::inputMethodEvent(QInputMethodEvent* event)
{
    const QString commit = event->commitString();
    if (isReadOnly() || commit.isEmpty()) {
        QLineEdit::inputMethodEvent(event);
    } else if (isDigitText(commit)) {
        prepareForDigits();
        QLineEdit::inputMethodEvent(event);
    } else {
        // Composed characters bypass the key filter: keep the composition going, drop what it yields.
        QInputMethodEvent withoutCommit(event->preeditString(), event->attributes());
        QLineEdit::inputMethodEvent(&withoutCommit);
        event->accept();
    }
}

void NumEdit::focusInEvent(QFocusEvent* event)
{
    const bool hadSelection = hasSelectedText();
    QLineEdit::focusInEvent(event);
    const Qt::FocusReason reason = event->reason();
    // Back from another window or a menu, the field was never left.
    const bool returning =
        entered_ && (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason);
    entered_ = true;
    if (returning)
        return;
    if (reason == Qt::MouseFocusReason) {
        // The press that follows places the caret; the release selects unless it dragged a selection.
        selectOnRelease_ = autoSelect_;
    } else if (autoSelect_) {
        selectAll();
    } else if (!hadSelection) {
        // The base field selects everything on Tab by itself.
        deselect();
    }
}

void NumEdit::focusOutEvent(QFocusEvent* event)
{
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
        entered_ = false;
    selectOnRelease_ = false;
    QLineEdit::focusOutEvent(event);
}

void NumEdit::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        // The selection paste of X11 obeys the same rules as any other paste.
        pasteDigits(QClipboard::Selection);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && selectOnRelease_ && !hasSelectedText())
        selectAll();
    selectOnRelease_ = false;
}

void NumEdit::contextMenuEvent(QContextMenuEvent* event)
{
    selectOnRelease_ = false;
    QMenu* const menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (QAction* const action : menu->actions()) {
        // Most of the key hints name shortcuts the key filter discards.
        action->setText(action->text().section(u'\t', 0, 0));
        // The menu's paste obeys the same rules as Shift+Insert.
        // It is found by its connection to the base field's paste, made in either connect style.
        if (disconnect(action, &QAction::triggered, this, &QLineEdit::paste) ||
            disconnect(action, SIGNAL(triggered()), this, SLOT(paste()))) {
            connect(action, &QAction::triggered, this, [this] { pasteDigits(QClipboard::Clipboard); });
        }
    }
    menu->popup(event->globalPos());
}

} // namespace controls
