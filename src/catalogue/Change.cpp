// The catalogue's side of a Change: taking records out with their places and putting them back, and
// taking a recorded change back and making it again. The operations that record changes are in
// Catalogue.cpp.
#include "catalogue/Catalogue.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <iterator>
#include <string>
#include <type_traits>
#include <unordered_map>

namespace catalogue {

namespace {

// Puts items back into v at the indices they had, given ascending: one pass, however many.
template <typename T> void insertAt(std::vector<T>& v, std::vector<std::pair<std::size_t, T>>& items)
{
    if (items.empty())
        return;
    const std::size_t first = items.front().first;
    std::vector<T> tail(std::make_move_iterator(v.begin() + std::ptrdiff_t(first)),
                        std::make_move_iterator(v.end()));
    v.resize(first);
    std::size_t from = 0;
    for (auto& [index, item] : items) {
        while (v.size() < index)
            v.push_back(std::move(tail[from++]));
        v.push_back(std::move(item));
    }
    for (; from < tail.size(); ++from)
        v.push_back(std::move(tail[from]));
}

} // namespace

Change::Taken Catalogue::takeOut(const std::vector<FilmRecord*>& records, Notes& notes)
{
    // How many records each cassette loses, in the order the cassettes are first met, and whose each
    // record is.
    struct Loss
    {
        Cassette* cassette;
        std::size_t lost;
        bool whole;
    };
    std::vector<Loss> losses;
    std::vector<std::size_t> lossOfRecord;
    lossOfRecord.reserve(records.size());
    std::unordered_map<const Cassette*, std::size_t> lossOf;
    for (const FilmRecord* r : records) {
        Cassette* const cassette = ownCassetteOf(*r);
        const auto [it, isNew] = lossOf.try_emplace(cassette, losses.size());
        if (isNew)
            losses.push_back({cassette, 0, false});
        ++losses[it->second].lost;
        lossOfRecord.push_back(it->second);
    }
    std::vector<Cassette*> whole;
    std::vector<Cassette*> partial;
    for (Loss& loss : losses) {
        loss.whole = loss.lost == loss.cassette->records_.size();
        (loss.whole ? whole : partial).push_back(loss.cassette);
    }
    std::vector<const FilmRecord*> leaving;
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (!losses[lossOfRecord[i]].whole)
            leaving.push_back(records[i]);
    }
    std::sort(leaving.begin(), leaving.end());
    // Every allocation is made here, before anything changes: running out of memory leaves the
    // catalogue whole.
    Change::Taken taken;
    taken.records.reserve(records.size());
    taken.places.reserve(partial.size());
    for (const Loss& loss : losses) {
        if (!loss.whole) {
            taken.places.push_back({loss.cassette, {}});
            taken.places.back().at.reserve(loss.lost);
        }
    }
    taken.cassettes.reserve(whole.size());
    notes.changed.reserve(notes.changed.size() + partial.size());

    // Told while everything is still in place; the last cassettes first, so a list loses its rows
    // from the end.
    std::sort(whole.begin(), whole.end(),
              [](const Cassette* a, const Cassette* b) { return a->position_ > b->position_; });
    for (Cassette* cassette : whole)
        Q_EMIT cassetteAboutToBeRemoved(cassette);
    for (const FilmRecord* r : records) {
        if (!r->isPlaceholder() && std::binary_search(leaving.begin(), leaving.end(), r))
            Q_EMIT filmAboutToBeRemoved(r);
    }

    for (FilmRecord* r : records) {
        const FilmRecord* const next = r->next;
        unlink(r);
        countFilm(*r, -1);
        taken.records.emplace_back(std::unique_ptr<FilmRecord>(r), next);
    }
    for (Change::Taken::Places& places : taken.places) {
        Cassette* const cassette = places.cassette;
        std::vector<FilmRecord*>& own = cassette->records_;
        std::size_t kept = 0;
        for (std::size_t i = 0; i < own.size(); ++i) {
            if (std::binary_search(leaving.begin(), leaving.end(), own[i])) {
                cassette->count(*own[i], -1);
                places.at.emplace_back(i, own[i]);
            } else {
                own[kept++] = own[i];
            }
        }
        own.resize(kept);
        notes.changed.push_back(cassette);
    }
    if (!whole.empty()) {
        // One pass takes them out of the order, however many they are.
        std::reverse(whole.begin(), whole.end());
        const std::size_t first = whole.front()->position_;
        std::size_t next = 0;
        std::size_t kept = first;
        for (std::size_t i = first; i < order_.size(); ++i) {
            if (next < whole.size() && order_[i] == whole[next]) {
                ++next;
                continue;
            }
            order_[kept++] = order_[i];
        }
        order_.resize(kept);
        for (Cassette* cassette : whole) {
            const std::size_t at = cassette->position_;
            taken.cassettes.emplace_back(at, std::move(byName_.extract(cassette->nameBytes_).mapped()));
        }
        renumber(first);
        for (std::size_t i = 0; i < whole.size(); ++i)
            Q_EMIT cassetteRemoved();
    }
    return taken;
}

void Catalogue::putBack(Change::Taken& taken, Notes& notes)
{
    // The last one taken out first: each goes before the record that followed it then, which is in
    // the list again by now.
    for (auto it = taken.records.rbegin(); it != taken.records.rend(); ++it) {
        FilmRecord* const r = it->first.release();
        link(r, it->second);
        countFilm(*r, +1);
    }
    taken.records.clear();
    for (Change::Taken::Places& places : taken.places) {
        for (const auto& [index, r] : places.at)
            places.cassette->count(*r, +1);
        insertAt(places.cassette->records_, places.at);
        notes.changed.push_back(places.cassette);
    }
    taken.places.clear();
    if (taken.cassettes.empty())
        return;
    std::vector<Cassette*> back;
    std::vector<std::pair<std::size_t, Cassette*>> at;
    for (auto& [index, cassette] : taken.cassettes) {
        back.push_back(cassette.get());
        at.emplace_back(index, cassette.get());
        std::string name = cassette->nameBytes_;
        byName_.emplace(std::move(name), std::move(cassette));
    }
    const std::size_t first = at.front().first;
    insertAt(order_, at);
    renumber(first);
    taken.cassettes.clear();
    // Told in catalogue order, each once the whole catalogue is back in place.
    for (Cassette* cassette : back) {
        if (tellsEachItem())
            Q_EMIT cassetteAdded(cassette);
    }
}

void Catalogue::swapImage(Change::Image& image, Notes& notes)
{
    FilmRecord& r = *image.record;
    Cassette* const cassette = ownCassetteOf(r);
    Q_ASSERT(cassette);
    quint16 nextLength = 0;
    std::memcpy(&nextLength, image.bytes->data() + offsetof(FilmRecord, filmLength), sizeof nextLength);
    if (!r.isPlaceholder() && nextLength == 0)
        Q_EMIT filmAboutToBeRemoved(&r);
    cassette->count(r, -1);
    countFilm(r, -1);
    std::array<char, kRecordSize> current;
    std::memcpy(current.data(), &r, kRecordSize);
    std::memcpy(static_cast<void*>(&r), image.bytes->data(), kRecordSize);
    *image.bytes = current;
    cassette->count(r, +1);
    countFilm(r, +1);
    // The name within its length stays: only bytes beyond it, or the film's, differ.
    Q_ASSERT(ownCassetteOf(r) == cassette);
    if (!r.isPlaceholder() && tellsEachItem())
        Q_EMIT filmChanged(&r);
    notes.changed.push_back(cassette);
}

void Catalogue::tell(const Notes& notes)
{
    if (!tellsEachItem())
        return;
    // Marked on the cassettes, not gathered in a set: telling allocates nothing once the work is done.
    for (Cassette* cassette : notes.changed) {
        // One that went meanwhile was told so already.
        if (this->cassette(cassette->nameBytes_) == cassette && !cassette->told_) {
            cassette->told_ = true;
            Q_EMIT cassetteChanged(cassette);
        }
    }
    for (Cassette* cassette : notes.changed)
        cassette->told_ = false;
    Q_EMIT totalsChanged();
}

void Catalogue::revert(Change& change)
{
    const Batch operation(*this, false);
    Notes notes;
    for (auto it = change.steps_.rbegin(); it != change.steps_.rend(); ++it) {
        std::visit(
            [&](auto& step) {
                using Step = std::decay_t<decltype(step)>;
                if constexpr (std::is_same_v<Step, Change::Records>) {
                    if (step.added)
                        step.taken = takeOut(step.records, notes);
                    else
                        putBack(step.taken, notes);
                } else if constexpr (std::is_same_v<Step, Change::Image>) {
                    swapImage(step, notes);
                } else {
                    unrename(step);
                }
            },
            *it);
    }
    tell(notes);
}

void Catalogue::reapply(Change& change)
{
    const Batch operation(*this, false);
    Notes notes;
    for (Change::Step& s : change.steps_) {
        std::visit(
            [&](auto& step) {
                using Step = std::decay_t<decltype(step)>;
                if constexpr (std::is_same_v<Step, Change::Records>) {
                    if (step.added)
                        putBack(step.taken, notes);
                    else
                        step.taken = takeOut(step.records, notes);
                } else if constexpr (std::is_same_v<Step, Change::Image>) {
                    swapImage(step, notes);
                } else {
                    const ShortString<50>& after = step.after.name;
                    const std::string name(after.chars,
                                           std::min(std::size_t{after.length}, sizeof after.chars));
                    rename(step, name, name);
                }
            },
            s);
    }
    tell(notes);
}

void Catalogue::unrename(Change::Rename& step)
{
    Cassette& cassette = *step.cassette;
    for (std::size_t i = 0; i < step.own.size(); ++i) {
        step.own[i]->tapeName = step.before[i].name;
        step.own[i]->tapeLength = step.before[i].length;
    }
    const std::string name(tapeNameBytes(*step.own.front()));
    if (step.joined == &cassette) {
        // The renamed cassette went into the one listed before it: that one gives its records back,
        // and the renamed one returns under its old name, which it kept while it was away.
        Cassette& kept = *step.kept;
        std::erase_if(kept.records_,
                      [&kept](const FilmRecord* r) { return tapeNameBytes(*r) != kept.nameBytes_; });
        kept.recount();
        if (tellsEachItem())
            Q_EMIT cassetteChanged(&kept);
        cassette.recount();
        reinstate(std::move(step.joinedOut), step.joinedAt);
        if (tellsEachItem()) {
            Q_EMIT cassetteAdded(&cassette);
            Q_EMIT totalsChanged();
        }
        return;
    }
    rekey(cassette, name, name);
    if (step.joined) {
        cassette.records_ = step.own;
        cassette.recount();
    }
    // Renamed back before the other returns: a list keyed by name sees the name free first.
    if (tellsEachItem())
        Q_EMIT cassetteChanged(&cassette);
    if (step.joined) {
        reinstate(std::move(step.joinedOut), step.joinedAt);
        if (tellsEachItem())
            Q_EMIT cassetteAdded(step.joined);
    }
    if (tellsEachItem())
        Q_EMIT totalsChanged();
}

} // namespace catalogue
