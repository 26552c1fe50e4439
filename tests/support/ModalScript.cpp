#include "support/ModalScript.h"

#include <QFileDialog>
#include <QTest>

namespace testsupport {

ModalScript::ModalScript()
{
    ui::setModalHandler([this](QDialog* dialog) {
        opened_.append(dialog->objectName());
        if (actions_.isEmpty()) {
            ++unexpected_;
            qWarning("Unexpected modal dialog: %s", qPrintable(dialog->objectName()));
            return int(QDialog::Rejected);
        }
        return actions_.dequeue()(dialog);
    });
}

ModalScript::~ModalScript()
{
    ui::setModalHandler({});
    if (unexpected_ > 0)
        QTest::qFail("a modal dialog opened that the test did not expect", __FILE__, __LINE__);
    else if (!actions_.isEmpty())
        QTest::qFail("a modal dialog the test expected never opened", __FILE__, __LINE__);
}

void ModalScript::queue(Action action)
{
    actions_.enqueue(std::move(action));
}

void ModalScript::queueFile(const QString& path)
{
    queue([path](QDialog* dialog) {
        auto* const fileDialog = qobject_cast<QFileDialog*>(dialog);
        if (!fileDialog)
            return int(QDialog::Rejected);
        fileDialog->selectFile(path);
        return int(QDialog::Accepted);
    });
}

} // namespace testsupport
