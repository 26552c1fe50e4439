#pragma once

#include "catalogue/Progress.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QString>

class QProgressDialog;
class QWidget;

namespace ui {

// The progress of a long job over owner, with a way to cancel it: a modal progress dialog that appears
// only once the job has run for about half a second, so that short jobs show nothing. Between the
// job's steps the windows are repainted; the user's input waits until the dialog is up, and then only
// the dialog takes it, so that nothing changes under the job.
class JobProgress final
{
public:
    // A job without cancellable is one that cannot stop halfway: its dialog has no Cancel button.
    JobProgress(QWidget* owner, const QString& caption, const QString& label, bool cancellable = true);
    ~JobProgress();
    JobProgress(const JobProgress&) = delete;
    JobProgress& operator=(const JobProgress&) = delete;

    // What the job is handed to tell its progress.
    catalogue::Progress progress();

private:
    bool report(double fraction);

    QPointer<QProgressDialog> dialog_;
    QElapsedTimer sinceEvents_;
    bool cancelled_ = false;
};

} // namespace ui
