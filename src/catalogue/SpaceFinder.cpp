#include "catalogue/SpaceFinder.h"

#include "catalogue/Cassette.h"
#include "catalogue/Catalogue.h"
#include "catalogue/FilmRules.h"
#include "catalogue/NameOrder.h"
#include "catalogue/TapeSpace.h"

#include <algorithm>

namespace catalogue {

SpaceFinder::SpaceFinder(const Catalogue& catalogue) : catalogue_(catalogue), collator_(nameCollator())
{
    rebuild();
}

SpaceFinder::~SpaceFinder() = default;

SpaceFinder::Entry SpaceFinder::entryOf(const Cassette* cassette) const
{
    return {cassette, collator_.sortKey(cassette->name()), cassette->length(), cassette->usedHalfMinutes(),
            cassette->minutesBefore(0)};
}

bool SpaceFinder::before(const Entry& a, const Entry& b)
{
    // Names the collation takes as equal (letter case only) still come in one fixed order.
    const int order = a.key.compare(b.key);
    return order != 0 ? order < 0 : a.cassette->nameBytes() < b.cassette->nameBytes();
}

void SpaceFinder::rebuild()
{
    entries_.clear();
    changed_.clear();
    rebuildDue_ = false;
    entries_.reserve(catalogue_.cassettes().size());
    for (const Cassette* cassette : catalogue_.cassettes())
        entries_.push_back(entryOf(cassette));
    std::sort(entries_.begin(), entries_.end(), before);
}

void SpaceFinder::changed(const Cassette* cassette)
{
    if (rebuildDue_)
        return;
    changed_.push_back(cassette);
    // Past a point, taking them all afresh is cheaper than one at a time.
    if (changed_.size() > 64 && changed_.size() > entries_.size() / 8) {
        rebuildDue_ = true;
        changed_.clear();
    }
}

void SpaceFinder::remove(const Cassette* cassette)
{
    std::erase(changed_, cassette);
    std::erase_if(entries_, [cassette](const Entry& e) { return e.cassette == cassette; });
}

void SpaceFinder::settle()
{
    if (rebuildDue_) {
        rebuild();
        return;
    }
    std::sort(changed_.begin(), changed_.end());
    changed_.erase(std::unique(changed_.begin(), changed_.end()), changed_.end());
    for (const Cassette* cassette : changed_) {
        std::erase_if(entries_, [cassette](const Entry& e) { return e.cassette == cassette; });
        Entry entry = entryOf(cassette);
        entries_.insert(std::upper_bound(entries_.begin(), entries_.end(), entry, before), std::move(entry));
    }
    changed_.clear();
}

std::vector<SpaceFit> SpaceFinder::fits(int lengthMinutes, bool longplay)
{
    settle();
    std::vector<SpaceFit> found;
    for (const Entry& entry : entries_) {
        if (!filmFits(entry.length, entry.usedHalfMinutes, lengthMinutes, longplay))
            continue;
        // It fits, so what is free lies between the recording's length and twice the longest tape.
        const int free = int(freeMinutes(entry.length, entry.usedHalfMinutes, longplay));
        found.push_back({entry.cassette, free, entry.endMinutes, free - lengthMinutes});
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const SpaceFit& a, const SpaceFit& b) { return a.minutesLeft < b.minutesLeft; });
    return found;
}

} // namespace catalogue
