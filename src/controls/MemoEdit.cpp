#include "controls/MemoEdit.h"

#include "catalogue/RecordText.h"

#include <QTextCursor>

namespace controls {

MemoEdit::MemoEdit(QWidget* parent) : QPlainTextEdit(parent)
{
    // Tab leaves the field, as in every other field of the form.
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, &MemoEdit::cutToCapacity);
}

void MemoEdit::setCapacity(int capacity)
{
    capacity_ = capacity;
    cutToCapacity();
}

// Whatever was just put in ends at the cursor: the excess is taken back from there, so a typed
// character that does not fit is refused and a paste keeps its beginning.
void MemoEdit::cutToCapacity()
{
    if (capacity_ < 0 || cutting_)
        return;
    qsizetype excess = catalogue::recordLength(toPlainText()) - capacity_;
    if (excess <= 0)
        return;
    cutting_ = true;
    QTextCursor cursor = textCursor();
    cursor.clearSelection();
    // A text set as a whole leaves the cursor at the start: then its end gives way.
    if (cursor.position() == 0)
        cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    const QString text = toPlainText();
    while (excess > 0 && cursor.position() > 0) {
        excess -= text[cursor.position() - 1] == u'\n' ? 2 : 1;
        cursor.deletePreviousChar();
    }
    cursor.endEditBlock();
    setTextCursor(cursor);
    cutting_ = false;
}

} // namespace controls
