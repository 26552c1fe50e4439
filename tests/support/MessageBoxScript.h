#pragma once

#include "ui/MessageBox.h"

#include <QList>
#include <QQueue>

namespace testsupport {

// Answers ui::messageBox() for one test: queue the answers the boxes should get, then check what was
// asked. While it lives, no real box appears. A box with no queued answer counts as unexpected: it is
// warned about at once, answered safely (OK, or No on a Yes/No box), and fails the test at the end
// of the scope, as do answers left unused. Only one script may live at a time.
class MessageBoxScript final
{
public:
    MessageBoxScript();
    ~MessageBoxScript();
    MessageBoxScript(const MessageBoxScript&) = delete;
    MessageBoxScript& operator=(const MessageBoxScript&) = delete;

    // Answers are used in the order queued: QMessageBox::Ok, Yes or No.
    void queue(ui::Button answer);
    int pendingAnswers() const { return static_cast<int>(answers_.size()); }

    const QList<ui::MessageBoxCall>& calls() const { return calls_; }
    int callCount() const { return static_cast<int>(calls_.size()); }
    // The latest call; an empty one when there was none.
    ui::MessageBoxCall lastCall() const;
    int unexpectedCalls() const { return unexpected_; }

    // Forgets the calls so far and the unexpected ones among them; queued answers stay.
    void clear();

private:
    ui::Button answer(const ui::MessageBoxCall& call);

    QQueue<ui::Button> answers_;
    QList<ui::MessageBoxCall> calls_;
    int unexpected_ = 0;
};

} // namespace testsupport
