#include "exchange/StatisticsPage.h"

#include <QDate>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace exchange {
namespace {

constexpr double kHeadingPoints = 14;
constexpr double kBodyPoints = 9;
constexpr double kChartPoints = 8;
constexpr double kRulePoints = 0.5;
constexpr int kBlockLines = 12;        // the figures' and the fullness chart's height, in lines
constexpr int kDecadeLines = 16;       // the decades' chart, title and labels included
constexpr double kBarShare = 0.7;      // of a bar's slot, the rest is room between bars
constexpr double kFiguresShare = 0.58; // of the page's width, beside the fullness chart
const QColor kBarFill(0x4a, 0x7e, 0xbb);
const QColor kAxis(0x60, 0x60, 0x60);

int largest(const std::vector<ChartBar>& bars)
{
    int most = 0;
    for (const ChartBar& bar : bars)
        most = std::max(most, bar.value);
    return most;
}

// Upright bars in rect: the title on top, the values above the bars, the labels beneath them.
ChartPlace placeUpright(const std::vector<ChartBar>& bars, const QRectF& rect, double line, double labelWidth)
{
    ChartPlace chart;
    chart.title = QRectF(rect.left(), rect.top(), rect.width(), line);
    const double slot = bars.empty() ? rect.width() : rect.width() / double(bars.size());
    chart.turnedLabels = labelWidth > slot * 0.95;
    // Turned labels are never cut: the longest program text takes well under half the chart.
    const double labelHeight = chart.turnedLabels ? std::min(labelWidth, rect.height() / 2) : line;
    chart.plot = QRectF(rect.left(), rect.top() + 2 * line, rect.width(),
                        std::max(0.0, rect.height() - 2 * line - labelHeight - line * 0.3));
    const int most = largest(bars);
    for (std::size_t i = 0; i < bars.size(); ++i) {
        const double x = rect.left() + slot * double(i);
        const double height = most > 0 ? chart.plot.height() * bars[i].value / most : 0;
        const QRectF bar(x + slot * (1 - kBarShare) / 2, chart.plot.bottom() - height, slot * kBarShare,
                         height);
        chart.bars.push_back({bar, QRectF(x, chart.plot.bottom() + line * 0.3, slot, labelHeight),
                              QRectF(x, bar.top() - line, slot, line)});
    }
    return chart;
}

// Lying bars in rect, a row each: the labels on the left, the values after the bars.
ChartPlace placeLying(const std::vector<ChartBar>& bars, const QRectF& rect, double line, double labelWidth)
{
    ChartPlace chart;
    chart.title = QRectF(rect.left(), rect.top(), rect.width(), line);
    const double rows = double(std::max<std::size_t>(bars.size(), 1));
    const double row = std::min(line * 1.3, (rect.height() - line * 1.5) / rows);
    const double labels = std::min(labelWidth, rect.width() * 0.3);
    const double valueWidth = line * 3;
    chart.plot = QRectF(rect.left() + labels + line * 0.5, rect.top() + line * 1.5,
                        std::max(0.0, rect.width() - labels - line * 0.5 - valueWidth), row * rows);
    const int most = largest(bars);
    for (std::size_t i = 0; i < bars.size(); ++i) {
        const double y = chart.plot.top() + row * double(i);
        const double width = most > 0 ? chart.plot.width() * bars[i].value / most : 0;
        const QRectF bar(chart.plot.left(), y + row * (1 - kBarShare) / 2, width, row * kBarShare);
        chart.bars.push_back(
            {bar, QRectF(rect.left(), y, labels, row), QRectF(bar.right() + line * 0.3, y, valueWidth, row)});
    }
    return chart;
}

double widest(const QFontMetricsF& metrics, const auto& items, const auto& textOf)
{
    double width = 0;
    for (const auto& item : items)
        width = std::max(width, metrics.horizontalAdvance(textOf(item)));
    return width;
}

class StatisticsPainter final
{
public:
    // The page is measured on device, and painted in its units whatever the painter's device.
    StatisticsPainter(QPainter& painter, const LayoutDevice& device, const StatisticsContent& content)
        : painter_(painter), content_(content), heading_(pageFont(kHeadingPoints, true)),
          body_(pageFont(kBodyPoints)), chart_(pageFont(kChartPoints)),
          chartTitle_(pageFont(kBodyPoints, true)), headingMetrics_(heading_, &device),
          bodyMetrics_(body_, &device), chartMetrics_(chart_, &device), size_(device.width(), device.height())
    {}

    void paint()
    {
        const auto barLabel = [](const ChartBar& bar) { return bar.label; };
        const StatisticsMetrics metrics{
            size_,
            headingMetrics_.lineSpacing() * 1.5,
            bodyMetrics_.lineSpacing(),
            widest(bodyMetrics_, content_.figures, [](const Figure& figure) { return figure.caption; }),
            widest(chartMetrics_, content_.genres, barLabel),
            widest(chartMetrics_, content_.decades, barLabel),
            widest(chartMetrics_, content_.fullness, barLabel)};
        const StatisticsPlaces places = layoutStatisticsPage(content_, metrics);

        painter_.setFont(fontForPainter(heading_, painter_));
        painter_.drawText(places.title, Qt::AlignLeft | Qt::AlignTop, StatisticsTexts::pageTitle());
        painter_.setFont(fontForPainter(body_, painter_));
        painter_.drawText(places.title, Qt::AlignRight | Qt::AlignTop,
                          u"reelMINDER/32 \u00B7 %1"_s.arg(QDate::currentDate().toString(Qt::ISODate)));
        for (std::size_t i = 0; i < content_.figures.size(); ++i) {
            painter_.drawText(places.figureCaptions[i], Qt::AlignLeft | Qt::AlignVCenter,
                              content_.figures[i].caption);
            painter_.drawText(places.figureValues[i], Qt::AlignLeft | Qt::AlignVCenter,
                              content_.figures[i].value);
        }
        paintChart(places.fullness, content_.fullness, StatisticsTexts::fullnessChart(), true);
        paintChart(places.genres, content_.genres, StatisticsTexts::genreChart(), false);
        paintChart(places.decades, content_.decades, StatisticsTexts::decadeChart(), true);
    }

private:
    void paintChart(const ChartPlace& chart, const std::vector<ChartBar>& bars, const QString& title,
                    bool upright)
    {
        painter_.setFont(fontForPainter(chartTitle_, painter_));
        painter_.drawText(chart.title, Qt::AlignLeft | Qt::AlignTop, title);
        painter_.setFont(fontForPainter(chart_, painter_));
        for (std::size_t i = 0; i < bars.size(); ++i) {
            const ChartPlace::Bar& place = chart.bars[i];
            painter_.fillRect(place.bar, kBarFill);
            painter_.drawText(
                place.value,
                (upright ? Qt::AlignHCenter | Qt::AlignBottom : Qt::AlignLeft | Qt::AlignVCenter),
                content_.locale.toString(bars[i].value));
            if (!upright) {
                painter_.drawText(
                    place.label, Qt::AlignLeft | Qt::AlignVCenter,
                    chartMetrics_.elidedText(bars[i].label, Qt::ElideRight, place.label.width()));
            } else if (chart.turnedLabels) {
                // Written upwards, ending at the bar's foot.
                painter_.save();
                painter_.translate(place.label.center().x(), place.label.top());
                painter_.rotate(-90);
                painter_.drawText(
                    QRectF(-place.label.height(), -place.label.width() / 2, place.label.height(),
                           place.label.width()),
                    Qt::AlignRight | Qt::AlignVCenter,
                    chartMetrics_.elidedText(bars[i].label, Qt::ElideRight, place.label.height()));
                painter_.restore();
            } else {
                painter_.drawText(place.label, Qt::AlignHCenter | Qt::AlignTop, bars[i].label);
            }
        }
        painter_.setPen(QPen(kAxis, kRulePoints * PagedDocument::kUnitsPerInch / 72));
        if (upright)
            painter_.drawLine(chart.plot.bottomLeft(), chart.plot.bottomRight());
        else
            painter_.drawLine(chart.plot.topLeft(), chart.plot.bottomLeft());
        painter_.setPen(Qt::black);
    }

    QPainter& painter_;
    const StatisticsContent& content_;
    const QFont heading_;
    const QFont body_;
    const QFont chart_;
    const QFont chartTitle_;
    const QFontMetricsF headingMetrics_;
    const QFontMetricsF bodyMetrics_;
    const QFontMetricsF chartMetrics_;
    const QSizeF size_;
};

} // namespace

StatisticsPlaces layoutStatisticsPage(const StatisticsContent& content, const StatisticsMetrics& metrics)
{
    const double width = metrics.page.width();
    const double line = metrics.lineHeight;
    StatisticsPlaces places;
    places.title = QRectF(0, 0, width, metrics.headingHeight);
    double y = metrics.headingHeight + line;

    // The figures on the left, the fullness chart on the right.
    const double split = width * kFiguresShare;
    const double captions = std::min(metrics.captionWidth, split * 0.6);
    for (std::size_t i = 0; i < content.figures.size(); ++i) {
        const double top = y + line * double(i);
        places.figureCaptions.emplace_back(0, top, captions, line);
        places.figureValues.emplace_back(captions + line, top, split - captions - 2 * line, line);
    }
    const double block = line * double(std::max<std::size_t>(kBlockLines, content.figures.size()));
    places.fullness = placeUpright(content.fullness, QRectF(split, y, width - split, block), line,
                                   metrics.fullnessLabelWidth);
    y += block + line * 2;

    // The genres' rows, as high as they need or as the decades' chart below them leaves.
    const double decadesHeight = line * kDecadeLines;
    const double genresNeeded = line * (1.5 + 1.3 * double(std::max<std::size_t>(content.genres.size(), 1)));
    const double genresRoom = std::max(line * 3, metrics.page.height() - y - decadesHeight - line * 2);
    const double genresHeight = std::min(genresNeeded, genresRoom);
    places.genres =
        placeLying(content.genres, QRectF(0, y, width, genresHeight), line, metrics.barLabelWidth);
    y += genresHeight + line * 2;
    places.decades =
        placeUpright(content.decades, QRectF(0, y, width, decadesHeight), line, metrics.decadeLabelWidth);
    return places;
}

StatisticsDocument::StatisticsDocument(StatisticsContent content) : content_(std::move(content)) {}

QString StatisticsDocument::title() const
{
    return StatisticsTexts::pageTitle();
}

QPageLayout StatisticsDocument::pageLayout() const
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                       QPageLayout::Millimeter);
}

void StatisticsDocument::paintPage(QPainter& painter, int page)
{
    if (page != 0)
        return;
    const LayoutDevice device(pageLayout().paintRectPixels(kUnitsPerInch).size());
    StatisticsPainter(painter, device, content_).paint();
}

} // namespace exchange
