#include "storage/GenerationThinning.h"

#include <algorithm>
#include <numeric>
#include <set>

namespace catalogue {

namespace {

int monthIndex(QDate date)
{
    return date.year() * 12 + date.month() - 1;
}

} // namespace

std::vector<bool> generationsToKeep(const std::vector<GenerationStamp>& generations, const QDateTime& now,
                                    const QTimeZone& zone, const ThinningRules& rules)
{
    std::vector<std::size_t> newestFirst(generations.size());
    std::iota(newestFirst.begin(), newestFirst.end(), std::size_t{0});
    std::stable_sort(newestFirst.begin(), newestFirst.end(), [&](std::size_t a, std::size_t b) {
        return generations[a].saved > generations[b].saved;
    });

    const QDate today = now.toTimeZone(zone).date();
    int recent = 0;
    std::set<QDate> daysTaken;
    std::set<int> monthsTaken;
    // The candidates by age, newest first; each tier looks only at what is too old for the one before.
    std::vector<std::size_t> candidates;
    for (const std::size_t i : newestFirst) {
        const QDateTime& saved = generations[i].saved;
        if (saved.secsTo(now) < rules.recentSeconds) {
            if (recent++ < rules.recentCount)
                candidates.push_back(i);
            continue;
        }
        const QDate day = saved.toTimeZone(zone).date();
        if (day.daysTo(today) <= rules.days) {
            if (daysTaken.insert(day).second)
                candidates.push_back(i);
            continue;
        }
        if (monthIndex(today) - monthIndex(day) <= rules.months && monthsTaken.insert(monthIndex(day)).second)
            candidates.push_back(i);
    }

    std::vector<bool> keep(generations.size(), false);
    if (!newestFirst.empty())
        keep[newestFirst.front()] = true;
    int count = 0;
    qint64 bytes = 0;
    for (const std::size_t i : candidates) {
        bytes += generations[i].bytes;
        // Whichever budget allows more; past it, everything older goes.
        if (count >= rules.budgetCount && bytes > rules.budgetBytes)
            break;
        keep[i] = true;
        ++count;
    }
    return keep;
}

} // namespace catalogue
