#pragma once

#include "ui/Modal.h"

#include <QDialog>
#include <QQueue>
#include <QStringList>

#include <functional>

namespace testsupport {

// Stands in for the modal loop while it lives: every dialog opened through ui::execModal() is
// handed to the next queued action, which drives the dialog and returns its result. A dialog
// with no action queued counts as unexpected and is answered with Rejected; unexpected dialogs
// and actions left unused fail the test at the end of the scope.
class ModalScript final
{
public:
    using Action = std::function<int(QDialog*)>;

    ModalScript();
    ~ModalScript();
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    void queue(Action action);
    // Shows the dialog (so that its show handler runs), runs act on it, hides it again and
    // returns the dialog's result.
    template <class Dialog> void queueShown(std::function<void(Dialog*)> act)
    {
        queue([act](QDialog* dialog) {
            dialog->setResult(0);
            dialog->show();
            act(qobject_cast<Dialog*>(dialog));
            const int result = dialog->result();
            dialog->hide();
            return result;
        });
    }

    // Answers the next dialog, a file dialog, with path as the file chosen.
    void queueFile(const QString& path);

    // objectName of each dialog opened so far, in order.
    const QStringList& opened() const { return opened_; }
    int pendingActions() const { return int(actions_.size()); }
    int unexpected() const { return unexpected_; }

private:
    QQueue<Action> actions_;
    QStringList opened_;
    int unexpected_ = 0;
};

} // namespace testsupport
