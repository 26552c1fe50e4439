#pragma once

#include <QDateTime>
#include <QTimeZone>

#include <vector>

namespace catalogue {

// How many generations of an archive are kept, by age: every save of the last day (up to a number),
// then the newest of each day for some days, then the newest of each month for some months; of
// those, as many from the newest on as either the size budget or the count budget allows, whichever
// allows more.
struct ThinningRules
{
    qint64 recentSeconds = 24 * 60 * 60;
    int recentCount = 20;
    int days = 30;
    int months = 24;
    qint64 budgetBytes = qint64{2} * 1024 * 1024 * 1024;
    int budgetCount = 20;
};

struct GenerationStamp
{
    QDateTime saved;
    qint64 bytes = 0;
};

// Which of the generations stay: one flag for each, in the order given. Days and months are those of
// the calendar in zone. The newest always stays; a time after now counts as a save of the last day.
std::vector<bool> generationsToKeep(const std::vector<GenerationStamp>& generations, const QDateTime& now,
                                    const QTimeZone& zone, const ThinningRules& rules = {});

} // namespace catalogue
