#include "ui/JobProgress.h"

#include <QCoreApplication>
#include <QProgressDialog>

using namespace Qt::StringLiterals;

namespace ui {
namespace {

// A job shorter than this shows no dialog.
constexpr int kShowAfterMs = 500;
// How often the job lets the windows repaint and the dialog answer.
constexpr qint64 kEventsEveryMs = 30;
constexpr int kSteps = 1000;

} // namespace

JobProgress::JobProgress(QWidget* owner, const QString& caption, const QString& label, bool cancellable)
    : dialog_(new QProgressDialog(owner))
{
    dialog_->setObjectName(u"progressDialog"_s);
    dialog_->setWindowTitle(caption);
    dialog_->setLabelText(label);
    dialog_->setRange(0, kSteps);
    dialog_->setWindowModality(Qt::ApplicationModal);
    dialog_->setMinimumDuration(kShowAfterMs);
    dialog_->setAutoReset(false);
    dialog_->setAutoClose(false);
    // The dialog's own Cancel button, in the program's language through Qt's translation.
    if (!cancellable)
        dialog_->setCancelButton(nullptr);
    // Starts the clock that shows the dialog once the job has taken long enough.
    dialog_->setValue(0);
}

JobProgress::~JobProgress()
{
    delete dialog_.data();
}

catalogue::Progress JobProgress::progress()
{
    return catalogue::Progress([this](double fraction) { return report(fraction); });
}

bool JobProgress::report(double fraction)
{
    if (!dialog_ || cancelled_)
        return !cancelled_;
    const int value = qRound(fraction * kSteps);
    if (value > dialog_->value())
        dialog_->setValue(value);
    // The first step already lets events through, so that even a short job can be cancelled by a
    // timer; after that, often enough for the windows to repaint and the dialog to answer.
    if (!sinceEvents_.isValid() || sinceEvents_.elapsed() >= kEventsEveryMs) {
        // Until the dialog is up, the user's input waits: nothing may change under the job.
        QCoreApplication::processEvents(dialog_->isVisible() ? QEventLoop::AllEvents
                                                             : QEventLoop::ExcludeUserInputEvents);
        sinceEvents_.start();
    }
    cancelled_ = dialog_ && dialog_->wasCanceled();
    return !cancelled_;
}

} // namespace ui
