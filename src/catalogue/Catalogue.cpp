#include "Catalogue.h"

#include "catalogue/Cp1252.h"
#include "catalogue/FilmRules.h"
#include "catalogue/RecordText.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <utility>

namespace catalogue {

namespace {

// Room for n more items, growing as push_back would: an operation makes its room before it changes
// anything, so that running out of memory leaves the catalogue as it was.
template <typename T> void roomFor(std::vector<T>& v, std::size_t n)
{
    if (v.capacity() - v.size() < n)
        v.reserve(std::max(v.size() + n, 2 * v.capacity()));
}

template <typename T> void roomForOne(std::vector<T>& v)
{
    roomFor(v, 1);
}

} // namespace

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

const Cassette* Catalogue::cassette(std::string_view nameBytes) const
{
    ensureIndexed();
    const auto it = byName_.find(nameBytes);
    return it == byName_.end() ? nullptr : it->second.get();
}

Cassette* Catalogue::ownCassetteOf(const FilmRecord& r) const
{
    ensureIndexed();
    const auto it = byName_.find(tapeNameBytes(r));
    return it == byName_.end() ? nullptr : it->second.get();
}

const Cassette* Catalogue::findCassette(QStringView name) const
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

// Links r in front of `before`, or behind the tail when before is null.
void Catalogue::link(FilmRecord* r, const FilmRecord* before)
{
    r->next = before;
    r->prev = before ? before->prev : tail_;
    if (r->prev)
        own(*r->prev).next = r;
    else
        head_ = r;
    if (before)
        own(*before).prev = r;
    else
        tail_ = r;
    ++recordCount_;
}

// Leaves r to whoever takes it.
void Catalogue::unlink(FilmRecord* r)
{
    if (r->prev)
        own(*r->prev).next = r->next;
    else
        head_ = r->next ? &own(*r->next) : nullptr;
    if (r->next)
        own(*r->next).prev = r->prev;
    else
        tail_ = r->prev ? &own(*r->prev) : nullptr;
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

// Allocates before it changes anything: a failure leaves the index as it was.
std::pair<Cassette*, bool> Catalogue::file(FilmRecord* r, const FilmRecord* before) const
{
    const std::string_view name = tapeNameBytes(*r);
    // An archive holds a cassette's records one after the other: the cassette of the record before
    // is the likely one, and saves the look-up.
    Cassette* cassette =
        !before && !order_.empty() && order_.back()->nameBytes() == name ? order_.back() : nullptr;
    bool isNew = false;
    if (!cassette) {
        auto it = byName_.find(name);
        isNew = it == byName_.end();
        if (isNew) {
            roomForOne(order_);
            it = byName_.emplace(std::string(name), std::make_unique<Cassette>(name)).first;
            it->second->position_ = order_.size();
            order_.push_back(it->second.get());
        }
        cassette = it->second.get();
    }
    std::vector<FilmRecord*>& records = cassette->records_;
    if (!isNew)
        roomForOne(records);
    const auto at = before ? std::find(records.begin(), records.end(), before) : records.end();
    cassette->add(r, std::size_t(at - records.begin()));
    return {cassette, isNew};
}

void Catalogue::ensureIndexed() const
{
    if (indexed_)
        return;
    // A household tape holds a few films: a cassette for every few records is room enough.
    const auto expected = std::size_t(recordCount_ / 4);
    try {
        byName_.reserve(expected);
        order_.reserve(expected);
        for (const FilmRecord* r = head_; r; r = r->next)
            file(&own(*r), nullptr);
    } catch (...) {
        // Built again at the next look-up.
        order_.clear();
        byName_.clear();
        throw;
    }
    indexed_ = true;
}

std::span<const Cassette* const> Catalogue::cassettes() const
{
    ensureIndexed();
    return order_;
}

FilmRecord* Catalogue::appendRecord(std::unique_ptr<FilmRecord> record)
{
    FilmRecord* const r = record.release();
    link(r, nullptr);
    countFilm(*r, +1);
    if (indexed_)
        file(r, nullptr);
    return r;
}

void Catalogue::releaseAll()
{
    const Batch operation(*this, false);
    // Nothing is left to take back; the history lets go of the records it holds first.
    history_.clear();
    // A loop, not a recursive chain of owners: 100,000 records must not exhaust the stack.
    const FilmRecord* x = head_;
    while (x) {
        const std::unique_ptr<FilmRecord> freed(&own(*x));
        x = freed->next;
    }
    head_ = nullptr;
    tail_ = nullptr;
    recordCount_ = 0;
    filmTotal_ = 0;
    order_.clear();
    byName_.clear();
    indexed_ = false;
    Q_EMIT catalogueReset();
    if (tellsEachItem())
        Q_EMIT totalsChanged();
}

void Catalogue::rekey(Cassette& cassette, std::string key, std::string name)
{
    // The same number of keys before and after: the map does not grow, nothing is allocated.
    auto node = byName_.extract(cassette.nameBytes_);
    node.key() = std::move(key);
    cassette.nameBytes_ = std::move(name);
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

const Cassette* Catalogue::createCassette(QStringView name, int length)
{
    const Batch operation(*this, false);
    const History::Group recorded(history_);
    Change& change = history_.recording();
    ensureIndexed();
    auto record = newRecord();
    setText(record->tapeName, name);
    record->tapeLength = quint16(length & 0xFFFF);
    Change::Records step{true, {record.get()}, {}};
    roomForOne(change.steps_);
    // The last allocation, and it fails or files the record whole.
    const auto [cassette, isNew] = file(record.get(), nullptr);
    FilmRecord* const r = record.release();
    link(r, nullptr);
    countFilm(*r, +1);
    change.steps_.emplace_back(std::move(step));
    if (tellsEachItem()) {
        if (isNew)
            Q_EMIT cassetteAdded(cassette);
        else
            Q_EMIT cassetteChanged(cassette);
        Q_EMIT totalsChanged();
    }
    return cassette;
}

const Cassette* Catalogue::renameCassette(const Cassette& renamed, QStringView name, int length)
{
    const Batch operation(*this, false);
    const History::Group recorded(history_);
    Change& change = history_.recording();
    Cassette& cassette = own(renamed);
    Change::Rename step;
    step.cassette = &cassette;
    step.own = cassette.records_;
    step.before.reserve(step.own.size());
    for (const FilmRecord* r : step.own)
        step.before.push_back({r->tapeName, r->tapeLength});
    auto named = newRecord();
    setText(named->tapeName, name);
    step.after = {named->tapeName, quint16(length & 0xFFFF)};
    const std::string newName(tapeNameBytes(*named));
    // Room for everything a join needs, made before anything changes.
    const Cassette* const other = this->cassette(newName);
    if (other && other != &cassette) {
        step.joinedOrder.reserve(step.own.size() + other->records_.size());
        for (const FilmRecord* r = head_; r; r = r->next) {
            const std::string_view bytes = tapeNameBytes(*r);
            if (bytes == newName || bytes == cassette.nameBytes_)
                step.joinedOrder.push_back(&own(*r));
        }
        // Whichever of the two is kept takes the records of both.
        own(*other).records_.reserve(step.joinedOrder.size());
        cassette.records_.reserve(step.joinedOrder.size());
    }
    std::string key = newName;
    std::string keyName = newName;
    roomForOne(change.steps_);
    rename(step, std::move(key), std::move(keyName));
    const Cassette* const result = step.kept ? step.kept : &cassette;
    change.steps_.emplace_back(std::move(step));
    return result;
}

void Catalogue::rename(Change::Rename& step, std::string key, std::string name)
{
    Cassette& cassette = *step.cassette;
    for (FilmRecord* r : step.own) {
        r->tapeName = step.after.name;
        r->tapeLength = step.after.length;
    }
    const std::string_view newName = tapeNameBytes(*step.own.front());
    Cassette* const other = ownCassetteOf(*step.own.front());
    if (!other || other == &cassette) {
        rekey(cassette, std::move(key), std::move(name));
        if (tellsEachItem()) {
            Q_EMIT cassetteChanged(&cassette);
            Q_EMIT totalsChanged();
        }
        return;
    }
    // Both now carry one name and become one cassette, the one listed first, as a list that is never
    // re-sorted shows it: the first row of the name takes the joint counts and the other row goes.
    Cassette& kept = other->position_ < cassette.position_ ? *other : cassette;
    Cassette& gone = &kept == other ? cassette : *other;
    Q_EMIT cassetteAboutToBeRemoved(&gone);
    // One walk puts the records of both in catalogue order: they all carry the new name now. Made
    // again, the join knows that order.
    if (step.joinedOrder.empty()) {
        for (const FilmRecord* r = head_; r; r = r->next) {
            if (tapeNameBytes(*r) == newName)
                step.joinedOrder.push_back(&own(*r));
        }
    }
    // The other's records keep their lengths: only the renamed cassette's records took the new one.
    kept.records_ = step.joinedOrder;
    kept.recount();
    step.joined = &gone;
    step.kept = &kept;
    step.joinedAt = gone.position_;
    step.joinedOut = detach(gone);
    Q_EMIT cassetteRemoved();
    // Kept under the old name until now, the renamed cassette takes the new one; the other has it.
    if (&kept == &cassette)
        rekey(cassette, std::move(key), std::move(name));
    if (tellsEachItem()) {
        Q_EMIT cassetteChanged(&kept);
        Q_EMIT totalsChanged();
    }
}

void Catalogue::removeCassette(const Cassette& removed)
{
    const Batch operation(*this, false);
    const History::Group recorded(history_);
    Change& change = history_.recording();
    Notes notes;
    std::vector<FilmRecord*> records = removed.records_;
    roomForOne(change.steps_);
    Change::Taken taken = takeOut(records, notes);
    change.steps_.emplace_back(Change::Records{false, std::move(records), std::move(taken)});
    tell(notes);
}

const FilmRecord* Catalogue::addFilm(const Cassette& target, const Film& film, const FilmRecord* before)
{
    const Batch operation(*this, false);
    const History::Group recorded(history_);
    Change& change = history_.recording();
    Cassette& cassette = own(target);
    const FilmRecord fields = filmFields(film);
    roomForOne(change.steps_);
    FilmRecord* added = nullptr;
    if (cassette.filmCount() == 0) {
        // The empty cassette's placeholder takes the film.
        added = cassette.records_.front();
        change.steps_.emplace_back(Change::Image(*added));
        cassette.count(*added, -1);
        copyFilmFields(*added, fields);
        cassette.count(*added, +1);
        countFilm(*added, +1);
    } else {
        auto record = newRecord();
        record->tapeName = cassette.records_.front()->tapeName;
        record->tapeLength = cassette.records_.front()->tapeLength;
        copyFilmFields(*record, fields);
        Change::Records step{true, {record.get()}, {}};
        // Behind the run of records its first record starts: an archive may hold a cassette's records
        // in several runs, and the film goes to the first.
        const FilmRecord* next = before;
        const FilmRecord* filedBefore = before;
        if (!before) {
            std::size_t run = 1;
            const FilmRecord* x = cassette.records_.front();
            while (x->next && run < cassette.records_.size() && x->next == cassette.records_[run]) {
                x = x->next;
                ++run;
            }
            next = x->next;
            filedBefore = run < cassette.records_.size() ? cassette.records_[run] : nullptr;
        }
        // The last allocation, and it fails or files the record whole.
        file(record.get(), filedBefore);
        added = record.release();
        link(added, next);
        countFilm(*added, +1);
        change.steps_.emplace_back(std::move(step));
    }
    if (tellsEachItem()) {
        Q_EMIT cassetteChanged(&cassette);
        Q_EMIT totalsChanged();
    }
    return added;
}

void Catalogue::appendFilms(const Cassette& target, std::vector<std::unique_ptr<FilmRecord>> films)
{
    const Batch operation(*this, false);
    const History::Group recorded(history_);
    Change& change = history_.recording();
    Cassette& cassette = own(target);
    // Room for all of them first: the films come all or not at all.
    Change::Records added{true, {}, {}};
    added.records.reserve(films.size());
    roomFor(change.steps_, 2);
    roomFor(cassette.records_, films.size());
    for (std::unique_ptr<FilmRecord>& record : films) {
        record->tapeName = cassette.records_.front()->tapeName;
        record->tapeLength = cassette.records_.front()->tapeLength;
        FilmRecord* const last = cassette.records_.back();
        if (cassette.filmCount() == 0 && last->isPlaceholder()) {
            // As in the film window: the placeholder takes the first film, every byte of it.
            change.steps_.emplace_back(Change::Image(*last));
            const FilmRecord* const prev = last->prev;
            const FilmRecord* const next = last->next;
            cassette.count(*last, -1);
            *last = *record;
            last->prev = prev;
            last->next = next;
            cassette.count(*last, +1);
            countFilm(*last, +1);
            continue;
        }
        FilmRecord* const film = record.release();
        const FilmRecord* const next = last->next;
        file(film, nullptr);
        link(film, next);
        countFilm(*film, +1);
        added.records.push_back(film);
    }
    if (!added.records.empty())
        change.steps_.emplace_back(std::move(added));
    if (tellsEachItem()) {
        Q_EMIT cassetteChanged(&cassette);
        Q_EMIT totalsChanged();
    }
}

void Catalogue::replaceRecords(std::vector<std::unique_ptr<FilmRecord>> records)
{
    const Batch operation(*this);
    const History::Group recorded(history_);
    Change& change = history_.recording();
    ensureIndexed();
    std::vector<FilmRecord*> old;
    old.reserve(std::size_t(recordCount_));
    for (const FilmRecord* r = head_; r; r = r->next)
        old.push_back(&own(*r));
    roomFor(change.steps_, 2);
    Change::Records added{true, {}, {}};
    added.records.reserve(records.size());
    Notes notes;
    Change::Taken taken = takeOut(old, notes);
    change.steps_.emplace_back(Change::Records{false, std::move(old), std::move(taken)});
    // Filed in the history before the first record comes: should memory run out on the way, an undo
    // still takes back exactly what came.
    std::vector<FilmRecord*>& came =
        std::get<Change::Records>(change.steps_.emplace_back(std::move(added))).records;
    for (std::unique_ptr<FilmRecord>& record : records) {
        file(record.get(), nullptr);
        FilmRecord* const r = record.release();
        link(r, nullptr);
        countFilm(*r, +1);
        came.push_back(r);
    }
    tell(notes);
}

void Catalogue::updateFilm(const FilmRecord& record, const Film& film)
{
    const Batch operation(*this, false);
    const History::Group recorded(history_);
    Change& change = history_.recording();
    FilmRecord& r = own(record);
    Cassette* const cassette = ownCassetteOf(r);
    Q_ASSERT(cassette);
    const FilmRecord fields = filmFields(film);
    roomForOne(change.steps_);
    change.steps_.emplace_back(Change::Image(r));
    cassette->count(r, -1);
    countFilm(r, -1);
    copyFilmFields(r, fields);
    cassette->count(r, +1);
    countFilm(r, +1);
    if (tellsEachItem()) {
        Q_EMIT filmChanged(&r);
        Q_EMIT cassetteChanged(cassette);
    }
}

void Catalogue::removeFilm(const FilmRecord& record)
{
    const Batch operation(*this, false);
    const History::Group recorded(history_);
    Change& change = history_.recording();
    FilmRecord& film = own(record);
    Cassette* const cassette = ownCassetteOf(film);
    Q_ASSERT(cassette);
    roomForOne(change.steps_);
    if (cassette->filmCount() > 1) {
        Notes notes;
        std::vector<FilmRecord*> records{&film};
        Change::Taken taken = takeOut(records, notes);
        change.steps_.emplace_back(Change::Records{false, std::move(records), std::move(taken)});
        tell(notes);
        return;
    }
    // The cassette's only film: its record stays as the empty cassette's placeholder.
    Change::Image image(film);
    Q_EMIT filmAboutToBeRemoved(&film);
    change.steps_.emplace_back(std::move(image));
    countFilm(film, -1);
    cassette->count(film, -1);
    film.filmLength = 0;
    if (tellsEachItem()) {
        Q_EMIT cassetteChanged(cassette);
        Q_EMIT totalsChanged();
    }
}

} // namespace catalogue
