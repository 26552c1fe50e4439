#pragma once

#include <QPlainTextEdit>

namespace controls {

// A multi-line text field whose text always fits a record field of the given capacity: a line
// break counts the two characters (CR LF) it takes there. Typing, pasting and input methods alike
// stop at the capacity; a paste that does not fit is cut.
class MemoEdit final : public QPlainTextEdit
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MemoEdit)

public:
    explicit MemoEdit(QWidget* parent = nullptr);

    int capacity() const { return capacity_; }
    void setCapacity(int capacity);

private:
    void cutToCapacity();

    int capacity_ = -1; // -1: no limit
    bool cutting_ = false;
};

} // namespace controls
