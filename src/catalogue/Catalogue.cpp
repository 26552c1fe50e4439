#include "Catalogue.h"

#include "catalogue/Cp1252.h"
#include "catalogue/RecordText.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <string_view>

namespace catalogue {

namespace {

constexpr std::size_t kTapeNameCapacity = sizeof(FilmRecord::tapeName.chars);

// A name as the bytes it must match. Empty when no stored name can equal it: it holds a character
// the code page lacks, or it is longer than the field.
std::optional<QByteArray> nameKey(QStringView name)
{
    bool exact = true;
    QByteArray bytes = cp1252::encode(name, &exact);
    if (!exact || static_cast<std::size_t>(bytes.size()) > kTapeNameCapacity)
        return std::nullopt;
    return bytes;
}

bool matches(const FilmRecord& r, const QByteArray& key)
{
    return tapeNameBytes(r) == std::string_view(key.constData(), static_cast<std::size_t>(key.size()));
}

} // namespace

std::string_view tapeNameBytes(const FilmRecord& r)
{
    return {r.tapeName.chars, std::min(static_cast<std::size_t>(r.tapeName.length), kTapeNameCapacity)};
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

bool hasTapeName(const FilmRecord& r, QStringView name)
{
    const auto key = nameKey(name);
    return key && matches(r, *key);
}

Catalogue::~Catalogue()
{
    releaseAll();
}

Catalogue& Catalogue::instance()
{
    static Catalogue catalogue;
    return catalogue;
}

std::unique_ptr<FilmRecord> Catalogue::newRecord()
{
    // Value-initialised: every byte zero, so no stale memory ever reaches the archive.
    return std::make_unique<FilmRecord>();
}

FilmRecord* Catalogue::appendRecord(std::unique_ptr<FilmRecord> n)
{
    Q_ASSERT(n);
    FilmRecord* const r = n.release();
    r->prev = tail_;
    r->next = nullptr;
    if (head_)
        tail_->next = r;
    else
        head_ = r;
    tail_ = r;
    ++recordCount_;
    return r;
}

FilmRecord* Catalogue::insertAfterCassette(FilmRecord* r, std::unique_ptr<FilmRecord> n)
{
    Q_ASSERT(r && n);
    FilmRecord* x = r;
    while (x->next && sameTape(*x->next, *r))
        x = x->next;
    FilmRecord* const added = n.release();
    added->prev = x;
    added->next = x->next;
    x->next = added;
    if (added->next)
        added->next->prev = added;
    else
        tail_ = added;
    ++recordCount_;
    return added;
}

FilmRecord* Catalogue::insertBefore(FilmRecord* x, std::unique_ptr<FilmRecord> n)
{
    Q_ASSERT(x && n);
    FilmRecord* const added = n.release();
    added->prev = x->prev;
    added->next = x;
    if (x == head_)
        head_ = added;
    else
        x->prev->next = added;
    x->prev = added;
    ++recordCount_;
    return added;
}

void Catalogue::unlinkRecord(FilmRecord* x)
{
    Q_ASSERT(x);
    if (x->prev)
        x->prev->next = x->next;
    else
        head_ = x->next;
    if (x->next)
        x->next->prev = x->prev;
    else
        tail_ = x->prev;
    if (cursor_ == x)
        cursor_ = nullptr;
    --recordCount_;
    // The catalogue owned x since it was linked; this is its one release.
    std::unique_ptr<FilmRecord> freed(x);
}

FilmRecord* Catalogue::findCassette(QStringView name) const
{
    const auto key = nameKey(name);
    if (!key)
        return nullptr;
    for (FilmRecord* x = head_; x; x = x->next) {
        if (matches(*x, *key))
            return x;
    }
    return nullptr;
}

void Catalogue::renameCassette(QStringView name, QStringView newName, int length)
{
    // The old name is taken once, before any record changes.
    const auto key = nameKey(name);
    if (!key)
        return;
    const auto newLength = static_cast<quint16>(length & 0xFFFF);
    for (FilmRecord* x = head_; x; x = x->next) {
        if (matches(*x, *key)) {
            setText(x->tapeName, newName);
            x->tapeLength = newLength;
        }
    }
}

void Catalogue::removeCassette(QStringView name)
{
    const auto key = nameKey(name);
    if (!key)
        return;
    for (FilmRecord* x = head_; x;) {
        FilmRecord* const next = x->next;
        if (matches(*x, *key))
            unlinkRecord(x);
        x = next;
    }
}

TapeSummary Catalogue::cassetteSummary(const FilmRecord& r) const
{
    TapeSummary summary;
    qint64 used = 0;
    for (const FilmRecord* s = head_; s; s = s->next) {
        if (s->filmLength > 0 && sameTape(*s, r)) {
            ++summary.filmCount;
            used += qint64{timeFactor(*s)} * s->filmLength;
        }
    }
    summary.remainingMinutes = remainingMinutes(r.tapeLength, used);
    return summary;
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
    cursor_ = nullptr;
    recordCount_ = 0;
    filmTotal_ = 0;
}

} // namespace catalogue
