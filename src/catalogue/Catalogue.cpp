#include "Catalogue.h"

#include "catalogue/Cp1252.h"
#include "catalogue/FilmRules.h"
#include "catalogue/RecordText.h"

#include <algorithm>
#include <cstring>
#include <limits>

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

const std::vector<Cassette*>& Catalogue::cassettes() const
{
    ensureIndexed();
    return order_;
}

void Catalogue::ensureIndexed() const
{
    if (indexed_)
        return;
    indexed_ = true;
    // A household tape holds a few films: a cassette for every few records is room enough.
    const auto expected = std::size_t(recordCount_ / 4);
    byName_.reserve(expected);
    order_.reserve(expected);
    for (FilmRecord* r = head_; r; r = r->next)
        file(r, nullptr);
}

Cassette* Catalogue::cassette(std::string_view nameBytes) const
{
    ensureIndexed();
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
    // The catalogue owned r since it was linked; this is its one release.
    const std::unique_ptr<FilmRecord> freed(r);
}

void Catalogue::countFilm(const FilmRecord& r, int sign)
{
    if (!r.isPlaceholder())
        filmTotal_ += sign;
}

std::pair<Cassette*, bool> Catalogue::file(FilmRecord* r, const FilmRecord* before) const
{
    const std::string_view name = tapeNameBytes(*r);
    // An archive holds a cassette's records one after the other: the cassette of the record before
    // is the likely one, and saves the look-up.
    Cassette* cassette = order_.empty() || order_.back()->nameBytes() != name ? nullptr : order_.back();
    bool isNew = false;
    if (!cassette) {
        auto it = byName_.find(name);
        isNew = it == byName_.end();
        if (isNew) {
            it = byName_.emplace(std::string(name), std::make_unique<Cassette>(name)).first;
            order_.push_back(it->second.get());
        }
        cassette = it->second.get();
    }
    std::vector<FilmRecord*>& records = cassette->records_;
    const auto at = before ? std::find(records.begin(), records.end(), before) : records.end();
    cassette->add(r, std::size_t(at - records.begin()));
    return {cassette, isNew};
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
    indexed_ = false;
    Q_EMIT catalogueReset();
    Q_EMIT totalsChanged();
}

Cassette* Catalogue::createCassette(QStringView name, int length)
{
    auto record = newRecord();
    setText(record->tapeName, name);
    record->tapeLength = quint16(length & 0xFFFF);
    ensureIndexed();
    FilmRecord* const r = record.release();
    link(r, nullptr);
    countFilm(*r, +1);
    const auto [cassette, isNew] = file(r, nullptr);
    if (isNew)
        Q_EMIT cassetteAdded(cassette);
    else
        Q_EMIT cassetteChanged(cassette);
    Q_EMIT totalsChanged();
    return cassette;
}

void Catalogue::renameCassette(Cassette& cassette, QStringView name, int length)
{
    auto named = newRecord();
    setText(named->tapeName, name);
    const auto newLength = quint16(length & 0xFFFF);
    for (FilmRecord* r : cassette.records_) {
        r->tapeName = named->tapeName;
        r->tapeLength = newLength;
    }
    const std::string_view newName = tapeNameBytes(*named);
    Cassette* const other = this->cassette(newName);
    if (other && other != &cassette) {
        // Both now carry one name: the other cassette's records join this one, in catalogue order.
        Q_EMIT cassetteAboutToBeRemoved(other);
        // Their records keep their lengths: only the renamed cassette's records took the new one.
        for (FilmRecord* r : other->records_)
            cassette.count(*r, +1);
        // One walk puts the records of both in catalogue order: they all carry the new name now.
        cassette.records_.clear();
        for (FilmRecord* r = head_; r; r = r->next) {
            if (tapeNameBytes(*r) == tapeNameBytes(*named))
                cassette.records_.push_back(r);
        }
        other->records_.clear();
        dropCassette(*other);
        Q_EMIT cassetteRemoved();
    }
    auto node = byName_.extract(cassette.nameBytes_);
    cassette.nameBytes_ = std::string(newName);
    node.key() = cassette.nameBytes_;
    byName_.insert(std::move(node));
    Q_EMIT cassetteChanged(&cassette);
    Q_EMIT totalsChanged();
}

void Catalogue::dropCassette(Cassette& cassette)
{
    order_.erase(std::find(order_.begin(), order_.end(), &cassette));
    byName_.erase(cassette.nameBytes_);
}

void Catalogue::removeCassette(Cassette& cassette)
{
    Q_EMIT cassetteAboutToBeRemoved(&cassette);
    for (FilmRecord* r : cassette.records_) {
        countFilm(*r, -1);
        unlink(r);
    }
    cassette.records_.clear();
    dropCassette(cassette);
    Q_EMIT cassetteRemoved();
    Q_EMIT totalsChanged();
}

FilmRecord* Catalogue::addFilm(Cassette& cassette, const FilmRecord& fields, const FilmRecord* before)
{
    FilmRecord* film = nullptr;
    if (cassette.filmCount() == 0) {
        // The empty cassette's placeholder takes the film.
        film = cassette.firstRecord();
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
        countFilm(*film, +1);
    }
    Q_EMIT cassetteChanged(&cassette);
    Q_EMIT totalsChanged();
    return film;
}

void Catalogue::appendFilms(Cassette& cassette, std::vector<std::unique_ptr<FilmRecord>> films)
{
    for (std::unique_ptr<FilmRecord>& record : films) {
        record->tapeName = cassette.firstRecord()->tapeName;
        record->tapeLength = cassette.firstRecord()->tapeLength;
        FilmRecord* const last = cassette.records_.back();
        if (cassette.filmCount() == 0 && last->isPlaceholder()) {
            // As in the film window: the placeholder takes the first film, every byte of it.
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
        countFilm(*film, +1);
    }
    Q_EMIT cassetteChanged(&cassette);
    Q_EMIT totalsChanged();
}

void Catalogue::updateFilm(FilmRecord& film, const FilmRecord& fields)
{
    Cassette* const cassette = cassetteOf(film);
    Q_ASSERT(cassette);
    cassette->count(film, -1);
    countFilm(film, -1);
    copyFilmFields(film, fields);
    cassette->count(film, +1);
    countFilm(film, +1);
    Q_EMIT filmChanged(&film);
    Q_EMIT cassetteChanged(cassette);
}

void Catalogue::removeFilm(FilmRecord& film)
{
    Cassette* const cassette = cassetteOf(film);
    Q_ASSERT(cassette);
    Q_EMIT filmAboutToBeRemoved(&film);
    countFilm(film, -1);
    std::vector<FilmRecord*>& records = cassette->records_;
    const auto at = std::find(records.begin(), records.end(), &film);
    if (cassette->filmCount() <= 1) {
        // The cassette's only film: its record stays as the empty cassette's placeholder.
        cassette->count(film, -1);
        film.filmLength = 0;
    } else {
        cassette->remove(std::size_t(at - records.begin()));
        unlink(&film);
    }
    Q_EMIT cassetteChanged(cassette);
    Q_EMIT totalsChanged();
}

} // namespace catalogue
