#pragma once

#include "exchange/StatisticsContent.h"

#include <QChartView>
#include <QList>
#include <QStringList>

#include <vector>

class QAbstractBarSeries;
class QBarCategoryAxis;
class QBarSet;
class QValueAxis;

namespace windows {

// One bar chart of the statistics window: a bar per category, its count written at its end, on an
// axis of whole numbers.
class StatisticsChart final : public QChartView
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StatisticsChart)

public:
    enum class Direction
    {
        Upright,
        Lying, // one row a category, the first on top
    };

    explicit StatisticsChart(Direction direction, QWidget* parent = nullptr);
    ~StatisticsChart() override;

    void setTitle(const QString& title);
    // The counts are written as locale writes whole numbers.
    void setBars(const std::vector<exchange::ChartBar>& bars, const QLocale& locale);

    // What the chart shows, in the order given to setBars().
    QStringList categories() const { return categories_; }
    QList<int> values() const { return values_; }

private:
    Direction direction_;
    QBarSet* set_;
    QAbstractBarSeries* series_;
    QBarCategoryAxis* categoryAxis_;
    QValueAxis* valueAxis_;
    QStringList categories_;
    QList<int> values_;
};

} // namespace windows
