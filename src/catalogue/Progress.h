#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>
#include <memory>

namespace catalogue {

// How far a long job has come, told to whoever shows it as a fraction of the whole, from 0 to 1. The
// listener answers false to stop the job, which then stops at once and leaves nothing behind. A
// default Progress tells no one and never stops a job.
class Progress final
{
public:
    using Listener = std::function<bool(double fraction)>;

    Progress() = default;
    explicit Progress(Listener listener);

    // One step of this job, from `from` to `to` of it, as a job of its own.
    Progress part(double from, double to) const;

    // done of total units are complete; false when the job is to stop.
    bool advance(qint64 done, qint64 total) const;
    bool report(double fraction) const;

private:
    std::shared_ptr<const Listener> listener_;
    double from_ = 0;
    double to_ = 1;
};

// How a job that writes a file ended. A cancelled or failed job leaves the file as it was.
struct WriteOutcome
{
    enum Status
    {
        Written,
        Cancelled,
        Failed,
    };
    Status status = Written;
    QString reason; // why it failed

    static WriteOutcome failed(const QString& reason) { return {Failed, reason}; }
};

} // namespace catalogue
