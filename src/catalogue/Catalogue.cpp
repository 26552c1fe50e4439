#include "Catalogue.h"

#include "catalogue/Cp1252.h"
#include "catalogue/FilmRules.h"
#include "catalogue/RecordText.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <iterator>
#include <limits>
#include <type_traits>
#include <unordered_set>

namespace catalogue {

std::string_view tapeNameBytes(const FilmRecord& r)
{
    return {r.tapeName.chars, std::min(std::size_t{r.tapeName.length}, std::size_t(kTapeNameCapacity))};
}

bool sameTape(const FilmRecord& a, const FilmRecord& b)
{
    return tapeNameBytes(a) == tapeNameBytes(b);
}

int timeFactor(const FilmRecord& r)
{
    return ((r.longplay ^ 1) & 0x7F) + 1;
}

int remainingMinutes(int tapeLength, qint64 usedHalfMinutes)
{
    // 64-bit: a damaged archive may hold more film time than 32 bits can count.
    const qint64 remaining = (2 * qint64{tapeLength} - usedHalfMinutes) / 2; // rounds toward zero
    return static_cast<int>(
        std::clamp<qint64>(remaining, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

void copyFilmFields(FilmRecord& to, const FilmRecord& from)
{
    to.filmName = from.filmName;
    to.filmLength = from.filmLength;
    to.year = from.year;
    to.country = from.country;
    to.director = from.director;
    to.genre = from.genre;
    std::memcpy(to.actors, from.actors, sizeof to.actors);
    std::memcpy(to.story, from.story, sizeof to.story);
    to.longplay = from.longplay;
    to.blackWhite = from.blackWhite;
    to.seen = from.seen;
    to.deletable = from.deletable;
}

Catalogue::Catalogue(QObject* parent) : QObject(parent) {}

Catalogue::~Catalogue()
{
    // Quietly: nobody may listen to a catalogue that is going.
    const QSignalBlocker quiet(this);
    releaseAll();
}

Catalogue& Catalogue::instance()
{
    static Catalogue catalogue;
    return catalogue;
}

Cassette* Catalogue::cassette(std::string_view nameBytes) const
{
    const auto it = byName_.find(nameBytes);
    return it == byName_.end() ? nullptr : it->second.get();
}

Cassette* Catalogue::findCassette(QStringView name) const
{
    // A name the code page cannot hold, or one longer than the field, is no stored name.
    bool exact = true;
    const QByteArray bytes = cp1252::encode(name, &exact);
    if (!exact || bytes.size() > kTapeNameCapacity)
        return nullptr;
    return cassette(std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

std::unique_ptr<FilmRecord> Catalogue::newRecord()
{
    // Value-initialised: every byte zero, so no stale memory ever reaches the archive.
    return std::make_unique<FilmRecord>();
}

namespace {

std::array<char, kRecordSize> imageOf(const FilmRecord& r)
{
    std::array<char, kRecordSize> bytes;
    std::memcpy(bytes.data(), &r, kRecordSize);
    return bytes;
}

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

// Links r in front of `before`, or behind the tail when before is null.
void Catalogue::link(FilmRecord* r, FilmRecord* before)
{
    r->next = before;
    r->prev = before ? before->prev : tail_;
    if (r->prev)
        r->prev->next = r;
    else
        head_ = r;
    if (before)
        before->prev = r;
    else
        tail_ = r;
    ++recordCount_;
}

// Leaves r to whoever takes it.
void Catalogue::unlink(FilmRecord* r)
{
    if (r->prev)
        r->prev->next = r->next;
    else
        head_ = r->next;
    if (r->next)
        r->next->prev = r->prev;
    else
        tail_ = r->prev;
    --recordCount_;
}

void Catalogue::countFilm(const FilmRecord& r, int sign)
{
    if (!r.isPlaceholder())
        filmTotal_ += sign;
}

void Catalogue::renumber(std::size_t from)
{
    for (std::size_t i = from; i < order_.size(); ++i)
        order_[i]->position_ = i;
}

std::pair<Cassette*, bool> Catalogue::file(FilmRecord* r, const FilmRecord* before)
{
    const std::string_view name = tapeNameBytes(*r);
    auto it = byName_.find(name);
    const bool isNew = it == byName_.end();
    if (isNew) {
        it = byName_.emplace(std::string(name), std::make_unique<Cassette>(name)).first;
        it->second->position_ = order_.size();
        order_.push_back(it->second.get());
    }
    Cassette* const cassette = it->second.get();
    std::vector<FilmRecord*>& records = cassette->records_;
    const auto at = before ? std::find(records.begin(), records.end(), before) : records.end();
    cassette->add(r, std::size_t(at - records.begin()));
    countFilm(*r, +1);
    return {cassette, isNew};
}

FilmRecord* Catalogue::appendRecord(std::unique_ptr<FilmRecord> record)
{
    FilmRecord* const r = record.release();
    link(r, nullptr);
    file(r, nullptr);
    return r;
}

void Catalogue::releaseAll()
{
    // A loop, not a recursive chain of owners: 100,000 records must not exhaust the stack.
    FilmRecord* x = head_;
    while (x) {
        const std::unique_ptr<FilmRecord> freed(x);
        x = freed->next;
    }
    head_ = nullptr;
    tail_ = nullptr;
    recordCount_ = 0;
    filmTotal_ = 0;
    order_.clear();
    byName_.clear();
    Q_EMIT catalogueReset();
    Q_EMIT totalsChanged();
}

void Catalogue::rekey(Cassette& cassette, std::string_view name)
{
    auto node = byName_.extract(cassette.nameBytes_);
    cassette.nameBytes_ = std::string(name);
    node.key() = cassette.nameBytes_;
    byName_.insert(std::move(node));
}

std::unique_ptr<Cassette> Catalogue::detach(Cassette& cassette)
{
    const std::size_t at = cassette.position_;
    order_.erase(order_.begin() + std::ptrdiff_t(at));
    renumber(at);
    return std::move(byName_.extract(cassette.nameBytes_).mapped());
}

void Catalogue::reinstate(std::unique_ptr<Cassette> cassette, std::size_t at)
{
    order_.insert(order_.begin() + std::ptrdiff_t(at), cassette.get());
    renumber(at);
    std::string name = cassette->nameBytes_;
    byName_.emplace(std::move(name), std::move(cassette));
}

Cassette* Catalogue::createCassette(QStringView name, int length, Change* change)
{
    auto record = newRecord();
    setText(record->tapeName, name);
    record->tapeLength = quint16(length & 0xFFFF);
    FilmRecord* const r = record.release();
    link(r, nullptr);
    const auto [cassette, isNew] = file(r, nullptr);
    if (change)
        change->steps_.emplace_back(Change::Records{true, {r}, {}});
    if (isNew)
        Q_EMIT cassetteAdded(cassette);
    else
        Q_EMIT cassetteChanged(cassette);
    Q_EMIT totalsChanged();
    return cassette;
}

void Catalogue::renameCassette(Cassette& cassette, QStringView name, int length, Change* change)
{
    Change::Rename step;
    step.cassette = &cassette;
    step.own = cassette.records_;
    step.before.reserve(step.own.size());
    for (const FilmRecord* r : step.own)
        step.before.push_back({r->tapeName, r->tapeLength});
    auto named = newRecord();
    setText(named->tapeName, name);
    step.after = {named->tapeName, quint16(length & 0xFFFF)};
    rename(step);
    // Without a change to keep it, a cassette that joined this one goes for good here.
    if (change)
        change->steps_.emplace_back(std::move(step));
}

void Catalogue::rename(Change::Rename& step)
{
    Cassette& cassette = *step.cassette;
    for (FilmRecord* r : step.own) {
        r->tapeName = step.after.name;
        r->tapeLength = step.after.length;
    }
    const std::string_view newName = tapeNameBytes(*step.own.front());
    Cassette* const other = this->cassette(newName);
    if (other && other != &cassette) {
        // Both now carry one name: the other cassette's records join this one, in catalogue order.
        Q_EMIT cassetteAboutToBeRemoved(other);
        // Their records keep their lengths: only the renamed cassette's records took the new one.
        for (FilmRecord* r : other->records_)
            cassette.count(*r, +1);
        // One walk puts the records of both in catalogue order: they all carry the new name now. Made
        // again, the join knows that order.
        if (step.joinedOrder.empty()) {
            for (FilmRecord* r = head_; r; r = r->next) {
                if (tapeNameBytes(*r) == newName)
                    step.joinedOrder.push_back(r);
            }
        }
        cassette.records_ = step.joinedOrder;
        step.joined = other;
        step.joinedAt = other->position_;
        step.joinedOut = detach(*other);
        Q_EMIT cassetteRemoved();
    }
    rekey(cassette, newName);
    Q_EMIT cassetteChanged(&cassette);
    Q_EMIT totalsChanged();
}

void Catalogue::unrename(Change::Rename& step)
{
    Cassette& cassette = *step.cassette;
    for (std::size_t i = 0; i < step.own.size(); ++i) {
        step.own[i]->tapeName = step.before[i].name;
        step.own[i]->tapeLength = step.before[i].length;
    }
    rekey(cassette, tapeNameBytes(*step.own.front()));
    if (step.joined) {
        cassette.records_ = step.own;
        cassette.recount();
    }
    // Renamed back before the other returns: a list keyed by name sees the name free first.
    Q_EMIT cassetteChanged(&cassette);
    if (step.joined) {
        reinstate(std::move(step.joinedOut), step.joinedAt);
        Q_EMIT cassetteAdded(step.joined);
    }
    Q_EMIT totalsChanged();
}

void Catalogue::removeCassette(Cassette& cassette, Change* change)
{
    Notes notes;
    std::vector<FilmRecord*> records = cassette.records_;
    Change::Taken taken = takeOut(records, notes);
    tell(notes);
    // Without a change to keep them, the records and the cassette go for good with `taken`.
    if (change)
        change->steps_.emplace_back(Change::Records{false, std::move(records), std::move(taken)});
}

FilmRecord* Catalogue::addFilm(Cassette& cassette, const FilmRecord& fields, const FilmRecord* before,
                               Change* change)
{
    FilmRecord* film = nullptr;
    if (cassette.filmCount() == 0) {
        // The empty cassette's placeholder takes the film.
        film = cassette.firstRecord();
        if (change)
            change->steps_.emplace_back(Change::Image{film, imageOf(*film)});
        cassette.count(*film, -1);
        copyFilmFields(*film, fields);
        cassette.count(*film, +1);
        countFilm(*film, +1);
    } else {
        auto record = newRecord();
        record->tapeName = cassette.firstRecord()->tapeName;
        record->tapeLength = cassette.firstRecord()->tapeLength;
        copyFilmFields(*record, fields);
        film = record.release();
        // Behind the cassette's last record, wherever the archive put it.
        FilmRecord* const next = before ? const_cast<FilmRecord*>(before) : cassette.records_.back()->next;
        link(film, next);
        file(film, before);
        if (change)
            change->steps_.emplace_back(Change::Records{true, {film}, {}});
    }
    Q_EMIT cassetteChanged(&cassette);
    Q_EMIT totalsChanged();
    return film;
}

void Catalogue::appendFilms(Cassette& cassette, std::vector<std::unique_ptr<FilmRecord>> films,
                            Change* change)
{
    Change::Records added{true, {}, {}};
    for (std::unique_ptr<FilmRecord>& record : films) {
        record->tapeName = cassette.firstRecord()->tapeName;
        record->tapeLength = cassette.firstRecord()->tapeLength;
        FilmRecord* const last = cassette.records_.back();
        if (cassette.filmCount() == 0 && last->isPlaceholder()) {
            // As in the film window: the placeholder takes the first film, every byte of it.
            if (change)
                change->steps_.emplace_back(Change::Image{last, imageOf(*last)});
            FilmRecord* const prev = last->prev;
            FilmRecord* const next = last->next;
            cassette.count(*last, -1);
            *last = *record;
            last->prev = prev;
            last->next = next;
            cassette.count(*last, +1);
            countFilm(*last, +1);
            continue;
        }
        FilmRecord* const film = record.release();
        link(film, last->next);
        file(film, nullptr);
        if (change)
            added.records.push_back(film);
    }
    if (change && !added.records.empty())
        change->steps_.emplace_back(std::move(added));
    Q_EMIT cassetteChanged(&cassette);
    Q_EMIT totalsChanged();
}

void Catalogue::updateFilm(FilmRecord& film, const FilmRecord& fields, Change* change)
{
    Cassette* const cassette = cassetteOf(film);
    Q_ASSERT(cassette);
    if (change)
        change->steps_.emplace_back(Change::Image{&film, imageOf(film)});
    cassette->count(film, -1);
    countFilm(film, -1);
    copyFilmFields(film, fields);
    cassette->count(film, +1);
    countFilm(film, +1);
    Q_EMIT filmChanged(&film);
    Q_EMIT cassetteChanged(cassette);
}

void Catalogue::removeFilm(FilmRecord& film, Change* change)
{
    Cassette* const cassette = cassetteOf(film);
    Q_ASSERT(cassette);
    if (cassette->filmCount() > 1) {
        Notes notes;
        Change::Taken taken = takeOut({&film}, notes);
        tell(notes);
        if (change)
            change->steps_.emplace_back(Change::Records{false, {&film}, std::move(taken)});
        return;
    }
    // The cassette's only film: its record stays as the empty cassette's placeholder.
    Q_EMIT filmAboutToBeRemoved(&film);
    if (change)
        change->steps_.emplace_back(Change::Image{&film, imageOf(film)});
    countFilm(film, -1);
    cassette->count(film, -1);
    film.filmLength = 0;
    Q_EMIT cassetteChanged(cassette);
    Q_EMIT totalsChanged();
}

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
        Cassette* const cassette = cassetteOf(*r);
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
    // Told while everything is still in place; the last cassettes first, so a list loses its rows
    // from the end.
    std::sort(whole.begin(), whole.end(),
              [](const Cassette* a, const Cassette* b) { return a->position_ > b->position_; });
    for (Cassette* cassette : whole)
        Q_EMIT cassetteAboutToBeRemoved(cassette);
    std::vector<const FilmRecord*> leaving;
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (losses[lossOfRecord[i]].whole)
            continue;
        leaving.push_back(records[i]);
        if (!records[i]->isPlaceholder())
            Q_EMIT filmAboutToBeRemoved(records[i]);
    }
    std::sort(leaving.begin(), leaving.end());

    Change::Taken taken;
    taken.records.reserve(records.size());
    for (FilmRecord* r : records) {
        FilmRecord* const next = r->next;
        unlink(r);
        countFilm(*r, -1);
        taken.records.emplace_back(std::unique_ptr<FilmRecord>(r), next);
    }
    for (Cassette* cassette : partial) {
        Change::Taken::Places places{cassette, {}};
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
        taken.places.push_back(std::move(places));
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
    for (Cassette* cassette : back)
        Q_EMIT cassetteAdded(cassette);
}

void Catalogue::swapImage(Change::Image& image, Notes& notes)
{
    FilmRecord& r = *image.record;
    Cassette* const cassette = cassetteOf(r);
    Q_ASSERT(cassette);
    quint16 nextLength = 0;
    std::memcpy(&nextLength, image.bytes.data() + offsetof(FilmRecord, filmLength), sizeof nextLength);
    if (!r.isPlaceholder() && nextLength == 0)
        Q_EMIT filmAboutToBeRemoved(&r);
    cassette->count(r, -1);
    countFilm(r, -1);
    const std::array<char, kRecordSize> current = imageOf(r);
    std::memcpy(static_cast<void*>(&r), image.bytes.data(), kRecordSize);
    image.bytes = current;
    cassette->count(r, +1);
    countFilm(r, +1);
    // The name within its length stays: only bytes beyond it, or the film's, differ.
    Q_ASSERT(cassetteOf(r) == cassette);
    if (!r.isPlaceholder())
        Q_EMIT filmChanged(&r);
    notes.changed.push_back(cassette);
}

void Catalogue::tell(const Notes& notes)
{
    std::unordered_set<const Cassette*> told;
    for (Cassette* cassette : notes.changed) {
        // One that went meanwhile was told so already.
        if (this->cassette(cassette->nameBytes_) == cassette && told.insert(cassette).second)
            Q_EMIT cassetteChanged(cassette);
    }
    Q_EMIT totalsChanged();
}

void Catalogue::revert(Change& change)
{
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
                    rename(step);
                }
            },
            s);
    }
    tell(notes);
}

} // namespace catalogue
