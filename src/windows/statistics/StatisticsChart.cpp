#include "windows/statistics/StatisticsChart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QFontMetrics>
#include <QHorizontalBarSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace windows {
namespace {

const QColor kBarFill(0x4a, 0x7e, 0xbb);
// More upright bars than this, or level labels that would ask for a wider chart than kMostLevelWidth,
// and their labels are turned, so that they do not run into each other.
constexpr int kLevelLabels = 8;
constexpr int kMostLevelWidth = 700;
constexpr QSize kLeastSize(220, 180);
// Around a label's text the chart keeps a margin; beside the categories, the title and the other axis.
constexpr int kLabelMargins = 12;
constexpr int kAxisRoom = 110;
// Below a turned label, the axis keeps room for its ticks and margins.
constexpr int kTurnedLabelRoom = 48;

// A step of 1, 2 or 5 times a power of ten, whole and at least 1, giving about five ticks up to most.
int tickStep(int most)
{
    const double rough = std::max(1.0, most / 5.0);
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
        if (factor * power >= rough)
            return std::max(1, int(factor * power));
    }
    return std::max(1, int(10 * power));
}

} // namespace

// The chart is handed to the view as it is made: a view made without one makes a chart of its own, which
// setChart() would then let go without deleting.
StatisticsChart::StatisticsChart(Direction direction, QWidget* parent)
    : QChartView(new QChart, parent), direction_(direction), set_(new QBarSet(QString())),
      categoryAxis_(new QBarCategoryAxis), valueAxis_(new QValueAxis)
{
    QChart* const chart = this->chart();
    chart->legend()->hide();
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundRoundness(0);
    set_->setColor(kBarFill);
    set_->setBorderColor(kBarFill);
    set_->setLabelColor(Qt::black);
    if (direction == Direction::Lying)
        series_ = new QHorizontalBarSeries;
    else
        series_ = new QBarSeries;
    series_->append(set_);
    series_->setBarWidth(0.7);
    series_->setLabelsVisible(true);
    series_->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    series_->setLabelsFormat(u"@value"_s);
    series_->setLabelsPrecision(std::numeric_limits<int>::digits10 + 1);
    chart->addSeries(series_);
    // Whole numbers; "%d" would show no label at all once the chart writes numbers as its locale does.
    valueAxis_->setLabelFormat(u"%.0f"_s);
    valueAxis_->setTickType(QValueAxis::TicksDynamic);
    valueAxis_->setTickAnchor(0);
    valueAxis_->setMinorTickCount(0);
    categoryAxis_->setGridLineVisible(false);
    const bool lying = direction == Direction::Lying;
    chart->addAxis(categoryAxis_, lying ? Qt::AlignLeft : Qt::AlignBottom);
    chart->addAxis(valueAxis_, lying ? Qt::AlignBottom : Qt::AlignLeft);
    series_->attachAxis(categoryAxis_);
    series_->attachAxis(valueAxis_);
    setRenderHint(QPainter::Antialiasing);
    setFocusPolicy(Qt::NoFocus);
    setMinimumSize(kLeastSize);
}

StatisticsChart::~StatisticsChart() = default;

void StatisticsChart::setTitle(const QString& title)
{
    chart()->setTitle(title);
    setAccessibleName(title);
}

void StatisticsChart::setBars(const std::vector<exchange::ChartBar>& bars, const QLocale& locale)
{
    // The bars' labels are written as doubles, six digits at most unless told otherwise ("1.00005e+06");
    // in the chart's locale they are grouped as the axis is.
    chart()->setLocalizeNumbers(true);
    chart()->setLocale(locale);
    QStringList categories;
    QList<int> values;
    int most = 0;
    for (const exchange::ChartBar& bar : bars) {
        categories.append(bar.label);
        values.append(bar.value);
        most = std::max(most, bar.value);
    }
    if (categories == categories_ && values == values_)
        return;
    categories_ = categories;
    values_ = values;

    // A lying chart lists its categories from the bottom up: the first one goes on top.
    if (direction_ == Direction::Lying) {
        std::reverse(categories.begin(), categories.end());
        std::reverse(values.begin(), values.end());
    }
    set_->remove(0, set_->count());
    categoryAxis_->clear();
    categoryAxis_->append(categories);
    for (const int value : std::as_const(values))
        set_->append(value);
    // Room for every category's label: the chart leaves out a label taller (or, turned, wider) than its
    // category's share of the axis, and cuts one longer than the room beside (or, turned, below) it.
    const QFontMetrics labels(categoryAxis_->labelsFont());
    const int perCategory = labels.height() + kLabelMargins;
    const int needed = kAxisRoom + int(categories.size()) * perCategory;
    int longest = 0;
    for (const QString& category : std::as_const(categories))
        longest = std::max(longest, labels.horizontalAdvance(category));
    if (direction_ == Direction::Lying) {
        setMinimumSize(std::max(kLeastSize.width(), kAxisRoom + longest + kLabelMargins),
                       std::max(kLeastSize.height(), needed));
    } else {
        // Level labels take a category's width each, and the first and the last stand out over the
        // plot's ends by half of theirs: the plot narrows by about one more label.
        const int levelWidth = kAxisRoom + int(categories.size() + 2) * (longest + kLabelMargins);
        const bool turned = categories.size() > kLevelLabels || levelWidth > kMostLevelWidth;
        categoryAxis_->setLabelsAngle(turned ? -90 : 0);
        // The axis below the plot gets no more than about two fifths of the chart's height.
        const int height =
            turned ? std::max(kAxisRoom + longest + kAxisRoom, (longest + kTurnedLabelRoom) * 5 / 2)
                   : kAxisRoom + perCategory + kAxisRoom;
        setMinimumSize(std::max(kLeastSize.width(), turned ? needed : levelWidth),
                       std::max(kLeastSize.height(), height));
    }
    // Room beyond the longest bar for its count.
    const int step = tickStep(most);
    valueAxis_->setTickInterval(step);
    valueAxis_->setRange(0, (most / step + 1) * step);
}

} // namespace windows
