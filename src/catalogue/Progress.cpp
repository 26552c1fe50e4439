#include "catalogue/Progress.h"

#include <algorithm>

namespace catalogue {

Progress::Progress(Listener listener) : listener_(std::make_shared<const Listener>(std::move(listener))) {}

Progress Progress::part(double from, double to) const
{
    Progress step = *this;
    step.from_ = from_ + (to_ - from_) * from;
    step.to_ = from_ + (to_ - from_) * to;
    return step;
}

bool Progress::advance(qint64 done, qint64 total) const
{
    return report(total > 0 ? double(done) / double(total) : 1.0);
}

bool Progress::report(double fraction) const
{
    if (!listener_ || !*listener_)
        return true;
    return (*listener_)(from_ + (to_ - from_) * std::clamp(fraction, 0.0, 1.0));
}

} // namespace catalogue
