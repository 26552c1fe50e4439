#include "support/MessageBoxScript.h"

#include <QTest>
#include <QtDebug>

namespace testsupport {

namespace {
// The handler seam holds one handler; a second script would silently take over from the first.
const MessageBoxScript* activeScript = nullptr;
} // namespace

MessageBoxScript::MessageBoxScript()
{
    if (activeScript != nullptr) {
        QTest::qFail("a second MessageBoxScript while another one lives", __FILE__, __LINE__);
    }
    activeScript = this;
    ui::setMessageBoxHandler([this](const ui::MessageBoxCall& call) { return answer(call); });
}

MessageBoxScript::~MessageBoxScript()
{
    ui::setMessageBoxHandler({});
    if (activeScript == this) {
        activeScript = nullptr;
    }
    if (!answers_.isEmpty()) {
        const QByteArray message =
            QByteArray::number(answers_.size()) + " queued message box answer(s) never used";
        QTest::qFail(message.constData(), __FILE__, __LINE__);
    } else if (unexpected_ > 0) {
        const QByteArray message =
            QByteArray::number(unexpected_) + " message box(es) without a queued answer";
        QTest::qFail(message.constData(), __FILE__, __LINE__);
    }
}

void MessageBoxScript::queue(ui::Button answer)
{
    answers_.enqueue(answer);
}

ui::MessageBoxCall MessageBoxScript::lastCall() const
{
    return calls_.isEmpty() ? ui::MessageBoxCall{} : calls_.constLast();
}

void MessageBoxScript::clear()
{
    calls_.clear();
    unexpected_ = 0;
}

ui::Button MessageBoxScript::answer(const ui::MessageBoxCall& call)
{
    calls_.append(call);
    if (!answers_.isEmpty()) {
        return answers_.dequeue();
    }
    ++unexpected_;
    qWarning().noquote() << "UNEXPECTED MESSAGE BOX (no answer queued): caption" << call.caption << "text"
                         << call.text;
    return call.buttons.testFlag(QMessageBox::No) ? QMessageBox::No : QMessageBox::Ok;
}

} // namespace testsupport
