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
class TNumEdit : public QLineEdit
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TNumEdit)

public:
    explicit TNumEdit(QWidget* parent = nullptr);

    // The digits of the current value.
    QString Value() const { return FValue; }
    // Ignored unless every character is a digit.
    void SetValue(const QString& value);
    // 0 for a blank field; a value beyond the int range gives the largest int.
    int IntValue() const;
    // Ignored for a negative n.
    void SetIntValue(int n);

    Qt::Alignment Alignment() const { return FAlignment; }
    void SetAlignment(Qt::Alignment alignment);

    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool on) { autoSelect_ = on; }

    // True for the empty text; only 0 to 9 count as digits.
    static bool AllDigits(QStringView text);

    // Cleared by a user that wants a blank field before emptying the text; the next change sets it again.
    bool FZeroWhenEmpty = false;

Q_SIGNALS:
    // Fires on every change of the text, while Value() still holds the previous value.
    void OnChange();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void Change();
    void Paste(QClipboard::Mode mode);
    void PrepareForDigits();
    bool IsDiscardedCharacter(const QKeyEvent& event) const;

    Qt::Alignment FAlignment = Qt::AlignRight;
    QString FValue;
    bool autoSelect_ = true;
    // Has the focus, or had it when its window or a menu took the focus away.
    bool entered_ = false;
    // A click that gave the focus selects the whole text on release, unless it dragged a selection.
    bool selectOnRelease_ = false;
};

} // namespace controls
