#pragma once

#include "exchange/PagedDocument.h"
#include "exchange/StatisticsContent.h"

#include <QRectF>
#include <QSizeF>

#include <vector>

namespace exchange {

// Where a chart's parts go on the page.
struct ChartPlace
{
    QRectF title;
    QRectF plot; // the bars' area
    struct Bar
    {
        QRectF bar;
        QRectF label;
        QRectF value;
    };
    std::vector<Bar> bars;
    bool turnedLabels = false; // labels too wide for their bars, written upwards beneath them
};

// The statistics page laid out, in the units of the page.
struct StatisticsPlaces
{
    QRectF title;
    std::vector<QRectF> figureCaptions;
    std::vector<QRectF> figureValues;
    ChartPlace fullness; // upright bars, beside the figures
    ChartPlace genres;   // bars lying, one row a genre, across the page
    ChartPlace decades;  // upright bars, across the page
};

// What the layout needs to know of the fonts, in the units of the page.
struct StatisticsMetrics
{
    QSizeF page;
    double headingHeight = 0;
    double lineHeight = 0;
    double captionWidth = 0;       // the widest figure caption
    double barLabelWidth = 0;      // the widest label of a lying bar
    double decadeLabelWidth = 0;   // the widest label of the decades' chart
    double fullnessLabelWidth = 0; // the widest label of the fullness chart
};

// Places the parts of the page; the genres' rows share what the other parts leave of its height.
StatisticsPlaces layoutStatisticsPage(const StatisticsContent& content, const StatisticsMetrics& metrics);

// The statistics on one A4 page.
class StatisticsDocument final : public PagedDocument
{
public:
    explicit StatisticsDocument(StatisticsContent content);

    QString title() const override;
    QPageLayout pageLayout() const override;
    int pageCount() const override { return 1; }
    void paintPage(QPainter& painter, int page) override;

private:
    StatisticsContent content_;
};

} // namespace exchange
