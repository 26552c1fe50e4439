#include "catalogue/Cassette.h"

#include "catalogue/Catalogue.h"
#include "catalogue/Cp1252.h"
#include "catalogue/FilmRules.h"

#include <algorithm>
#include <limits>

namespace catalogue {

Cassette::Cassette(std::string_view nameBytes) : nameBytes_(nameBytes)
{
    // Room for the films a household tape holds, so that filling it seldom reallocates.
    records_.reserve(8);
}

QString Cassette::name() const
{
    return cp1252::decode(nameBytes_.data(), qsizetype(nameBytes_.size()));
}

int Cassette::length() const
{
    return records_.empty() ? 0 : records_.front()->tapeLength;
}

int Cassette::remainingMinutes() const
{
    return catalogue::remainingMinutes(length(), usedHalfMinutes_);
}

int Cassette::usedMinutes() const
{
    // 64-bit, clamped: the remaining minutes of a damaged archive may reach the end of int.
    return int(std::min<qint64>(qint64{length()} - remainingMinutes(), std::numeric_limits<int>::max()));
}

const FilmRecord* Cassette::recordAt(int index) const
{
    if (index < 1 || index > int(records_.size()))
        return nullptr;
    return records_[std::size_t(index - 1)];
}

int Cassette::filmIndexOf(const FilmRecord* r) const
{
    int films = 0;
    for (const FilmRecord* x : records_) {
        if (!x->isPlaceholder())
            ++films;
        if (x == r)
            return x->isPlaceholder() ? 0 : films;
    }
    return 0;
}

qint64 Cassette::minutesBefore(int index) const
{
    const std::size_t end =
        index < 1 || index > int(records_.size()) ? records_.size() : std::size_t(index - 1);
    qint64 minutes = 0;
    for (std::size_t i = 0; i < end; ++i)
        minutes += records_[i]->filmLength;
    return minutes;
}

bool Cassette::fits(int lengthMinutes, bool longplay, const FilmRecord* leaving) const
{
    qint64 used = usedHalfMinutes_;
    if (leaving && std::find(records_.begin(), records_.end(), leaving) != records_.end())
        used -= qint64{timeFactor(*leaving)} * leaving->filmLength;
    return filmFits(length(), used, lengthMinutes, longplay);
}

void Cassette::add(FilmRecord* r, std::size_t at)
{
    records_.insert(records_.begin() + std::ptrdiff_t(at), r);
    count(*r, +1);
}

void Cassette::remove(std::size_t at)
{
    count(*records_[at], -1);
    records_.erase(records_.begin() + std::ptrdiff_t(at));
}

void Cassette::count(const FilmRecord& r, int sign)
{
    if (r.isPlaceholder())
        return;
    filmCount_ += sign;
    usedHalfMinutes_ += sign * qint64{timeFactor(r)} * r.filmLength;
}

void Cassette::recount()
{
    filmCount_ = 0;
    usedHalfMinutes_ = 0;
    for (const FilmRecord* r : records_)
        count(*r, +1);
}

QString counterPosition(qint64 minutes)
{
    return QStringLiteral("%1:%2")
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString counterRange(qint64 startMinutes, qint64 lengthMinutes)
{
    return counterPosition(startMinutes) + QLatin1Char('-') + counterPosition(startMinutes + lengthMinutes);
}

} // namespace catalogue
