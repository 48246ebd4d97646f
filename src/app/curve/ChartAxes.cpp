#include "curve/ChartAxes.h"

#include <QChart>
#include <QValueAxis>
#include <cmath>

QValueAxis* ChartAxis(const QString& title)
{
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setLabelFormat("%g");
    return axis;
}

void PlaceChartTicks(QValueAxis& axis, double from, double to)
{
    const double rough = (to - from) / 6;
    if (!(rough > 0)) return;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    const double interval = rough / power < 2 ? power : rough / power < 5 ? 2 * power : 5 * power;
    axis.setTickType(QValueAxis::TicksDynamic);
    axis.setTickAnchor(0);
    axis.setTickInterval(interval);
}

void ClearChart(QChart& chart)
{
    chart.removeAllSeries();
    for (QAbstractAxis* axis : chart.axes()) {
        chart.removeAxis(axis);
        delete axis;
    }
}
