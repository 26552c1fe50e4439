#pragma once

#include "catalogue/CollectionStatistics.h"

#include <QCoreApplication>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <vector>

// The collection's figures and charts as the statistics window and its printed page show them: the
// same captions, numbers and bars for both, in the language of the installed translation.
namespace exchange {

struct Figure
{
    QString caption;
    QString value;
};

struct ChartBar
{
    QString label;
    int value = 0;
};

// The genre chart's bars at most, its "other" and "no genre" bars included, unless the genre list
// alone takes more: as many as the printed page shows legibly.
inline constexpr int kMostGenreBars = 30;

struct StatisticsContent
{
    std::vector<Figure> figures;
    // The genres that hold films, most films first (by name among equals): those of the genre list,
    // and as many of the typed ones as kMostGenreBars leaves room for, the largest first; then the
    // films of the other typed genres and of none, where there are any.
    std::vector<ChartBar> genres;
    // Every decade listed (see CollectionStatistics::decades), then the films of no known year.
    std::vector<ChartBar> decades;
    // One bar per band of fullness, empty bands too, from the emptiest.
    std::vector<ChartBar> fullness;
    // How the bars' counts are written: whole numbers, grouped as the language groups them.
    QLocale locale;
};

class StatisticsTexts final
{
    Q_DECLARE_TR_FUNCTIONS(exchange::StatisticsTexts)

public:
    static QString pageTitle() { return tr("Statistics"); }
    static QString genreChart() { return tr("Films per genre"); }
    static QString decadeChart() { return tr("Films per decade of production"); }
    static QString fullnessChart() { return tr("Tapes by how full they are"); }
};

// genreNames: the genre names the statistics were counted by. Numbers are written as locale writes them.
StatisticsContent statisticsContent(const catalogue::CollectionStatistics& statistics,
                                    const QStringList& genreNames, const QLocale& locale);

} // namespace exchange
