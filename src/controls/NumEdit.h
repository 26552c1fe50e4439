#pragma once

#include <QClipboard>
#include <QLineEdit>
#include <QString>
#include <QStringView>

class QContextMenuEvent;
class QFocusEvent;
class QInputMethodEvent;
class QKeyEvent;
class QMouseEvent;

namespace controls {

// One-line entry field for whole numbers that are not negative: years, lengths, counts.
// Takes digits only; an emptied field shows "0" unless its user asked for a blank one.
class NumEdit : public QLineEdit
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NumEdit)

public:
    explicit NumEdit(QWidget* parent = nullptr);

    // The digits of the current value.
    QString value() const { return value_; }
    // Ignored unless every character is a digit.
    void setValue(const QString& value);
    // 0 for a blank field; a value beyond the int range gives the largest int.
    int intValue() const;
    // Ignored for a negative n.
    void setIntValue(int n);

    // Selects the whole text whenever the field is entered; on by default.
    bool autoSelect() const { return autoSelect_; }
    void setAutoSelect(bool on) { autoSelect_ = on; }

    // True for the empty text; only 0 to 9 count as digits.
    static bool allDigits(QStringView text);

    // A user that wants a blank field clears this before emptying the text; the next change sets it again.
    bool zeroWhenEmpty() const { return zeroWhenEmpty_; }
    void setZeroWhenEmpty(bool on) { zeroWhenEmpty_ = on; }

Q_SIGNALS:
    // Fires on every change of the text, however it came (keys, paste, input method, setText(),
    // setValue()): text() already holds the new text, value() still the previous value. A digit typed
    // or pasted over a lone 0 first empties the field, so two changes fire ("0" to "", then "" to the
    // digit). An emptied field fires once more as it turns to "0", value() still giving the value from
    // before it was emptied.
    void valueChanging();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void acceptTextChange();
    void pasteDigits(QClipboard::Mode mode);
    void prepareForDigits();
    bool isDiscardedCharacter(const QKeyEvent& event) const;

    QString value_;
    bool zeroWhenEmpty_ = false;
    bool autoSelect_ = true;
    // Has the focus, or had it when its window or a menu took the focus away.
    bool entered_ = false;
    // A click that gave the focus selects the whole text on release, unless it dragged a selection.
    bool selectOnRelease_ = false;
};

} // namespace controls
