#include "CassetteFilms.h"

#include "catalogue/Catalogue.h"

namespace catalogue {

CassetteFilms::CassetteFilms(const Catalogue& catalogue, const FilmRecord& anchor)
{
    qint64 minutes = 0;
    for (FilmRecord* r = catalogue.head(); r; r = r->next) {
        if (!sameTape(*r, anchor))
            continue;
        records_.push_back(r);
        startMinutes_.push_back(minutes);
        minutes += r->filmLength;
        if (r->filmLength > 0)
            ++filmCount_;
        if (r == &anchor)
            anchorIndex_ = filmCount_;
    }
    startMinutes_.push_back(minutes);
}

FilmRecord* CassetteFilms::recordAt(int index) const
{
    if (index < 1 || index > static_cast<int>(records_.size()))
        return nullptr;
    return records_[static_cast<std::size_t>(index - 1)];
}

qint64 CassetteFilms::minutesBefore(int index) const
{
    if (index < 1 || index > static_cast<int>(records_.size()))
        return startMinutes_.back();
    return startMinutes_[static_cast<std::size_t>(index - 1)];
}

QString counterRange(qint64 startMinutes, qint64 lengthMinutes)
{
    const auto clock = [](qint64 minutes) {
        return QStringLiteral("%1:%2")
            .arg(minutes / 60, 2, 10, QLatin1Char('0'))
            .arg(minutes % 60, 2, 10, QLatin1Char('0'));
    };
    return clock(startMinutes) + QLatin1Char('-') + clock(startMinutes + lengthMinutes);
}

} // namespace catalogue
