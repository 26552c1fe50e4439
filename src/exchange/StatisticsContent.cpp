#include "exchange/StatisticsContent.h"

#include <algorithm>

using catalogue::CollectionStatistics;

namespace exchange {
namespace {

class FigureTexts final
{
    Q_DECLARE_TR_FUNCTIONS(exchange::StatisticsTexts)

public:
    static std::vector<Figure> figures(const CollectionStatistics& s, const QLocale& locale)
    {
        const auto hours = [&](qint64 minutes) {
            return tr("%1 h").arg(locale.toString(double(minutes) / 60, 'f', 1));
        };
        const auto share = [&](int films) {
            if (s.films == 0)
                return tr("none");
            return tr("%1 % (%2)")
                .arg(locale.toString(100.0 * films / s.films, 'f', 1), locale.toString(films));
        };
        QString most = locale.toString(s.mostFilms);
        if (!s.mostFilmsTape.isEmpty())
            most = tr("%1 (on \"%2\")").arg(most, s.mostFilmsTape);
        return {
            {tr("Tapes"), locale.toString(s.cassettes)},
            {tr("Films"), locale.toString(s.films)},
            {tr("Recorded"), hours(s.recordedMinutes)},
            {tr("Free in normal mode"), hours(s.freeMinutes)},
            {tr("Free in long-play mode"), hours(s.freeLongPlayMinutes)},
            {tr("Films per tape, on average"), locale.toString(s.averageFilms(), 'f', 1)},
            {tr("Most films on one tape"), most},
            {tr("Long-play films"), share(s.longPlayFilms)},
            {tr("Black-and-white films"), share(s.blackWhiteFilms)},
            {tr("Films seen"), share(s.seenFilms)},
            {tr("Films to be deleted"), share(s.deletableFilms)},
        };
    }

    static std::vector<ChartBar> genres(const CollectionStatistics& s, const QStringList& names)
    {
        std::vector<ChartBar> listed;
        for (std::size_t genre = 0; genre < s.genreFilms.size(); ++genre) {
            if (const int films = s.genreFilms[genre]; films > 0)
                listed.push_back({names.value(qsizetype(genre)), films});
        }
        std::vector<ChartBar> typed;
        for (const CollectionStatistics::TypedGenre& genre : s.typedGenres)
            typed.push_back({genre.name, genre.films});
        const auto mostFirst = [](const ChartBar& a, const ChartBar& b) {
            if (a.value != b.value)
                return a.value > b.value;
            return a.label.compare(b.label, Qt::CaseInsensitive) < 0;
        };
        std::sort(typed.begin(), typed.end(), mostFirst);

        // The typed genres take the bars the list leaves, the largest first; a bar is kept for the rest.
        const int fixed = int(listed.size()) + (s.noGenreFilms > 0 ? 1 : 0);
        std::size_t shown = typed.size();
        if (fixed + int(typed.size()) > kMostGenreBars)
            shown = std::size_t(std::max(0, kMostGenreBars - fixed - 1));
        int other = 0;
        for (std::size_t i = shown; i < typed.size(); ++i)
            other += typed[i].value;
        std::vector<ChartBar> bars = std::move(listed);
        bars.insert(bars.end(), typed.begin(), typed.begin() + std::ptrdiff_t(shown));
        std::stable_sort(bars.begin(), bars.end(), mostFirst);
        if (other > 0)
            bars.push_back({tr("Other"), other});
        if (s.noGenreFilms > 0)
            bars.push_back({tr("No genre"), s.noGenreFilms});
        return bars;
    }

    static std::vector<ChartBar> decades(const CollectionStatistics& s)
    {
        std::vector<ChartBar> bars;
        for (const catalogue::DecadeCount& decade : s.decades)
            bars.push_back({tr("%1s", "a decade, such as the 1950s").arg(decade.firstYear), decade.films});
        if (s.unknownYearFilms > 0)
            bars.push_back({tr("Unknown year"), s.unknownYearFilms});
        return bars;
    }

    static std::vector<ChartBar> fullness(const CollectionStatistics& s)
    {
        const QString labels[catalogue::kFullnessBands] = {tr("0–25 %"), tr("25–50 %"), tr("50–75 %"),
                                                           tr("75–100 %"), tr("Over-full")};
        std::vector<ChartBar> bars;
        for (int band = 0; band < catalogue::kFullnessBands; ++band)
            bars.push_back({labels[band], s.fullness[std::size_t(band)]});
        return bars;
    }
};

} // namespace

StatisticsContent statisticsContent(const CollectionStatistics& statistics, const QStringList& genreNames,
                                    const QLocale& locale)
{
    return {FigureTexts::figures(statistics, locale), FigureTexts::genres(statistics, genreNames),
            FigureTexts::decades(statistics), FigureTexts::fullness(statistics), locale};
}

} // namespace exchange
