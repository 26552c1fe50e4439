#include "exchange/StatisticsContent.h"

#include <algorithm>
#include <numeric>

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
        std::vector<int> order(s.genreFilms.size());
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            return s.genreFilms[std::size_t(a)] > s.genreFilms[std::size_t(b)];
        });
        std::vector<ChartBar> bars;
        for (const int genre : order) {
            if (const int films = s.genreFilms[std::size_t(genre)]; films > 0)
                bars.push_back({names.value(genre), films});
        }
        if (s.otherGenreFilms > 0)
            bars.push_back({tr("Other"), s.otherGenreFilms});
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
