#include "curve/ResistanceCurveChart.h"

#include <QChart>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>
#include <algorithm>

#include "analysis/ResistanceCurve.h"
#include "curve/ChartAxes.h"

using sloopform::ResistanceComponent;
using sloopform::SpeedUnit;

namespace {

// Frictional, residuary, total: the total the strongest line.
QPen ComponentPen(std::size_t component, bool dashed)
{
    static const QColor colours[] = {QColor(0x1f, 0x5f, 0xbf), QColor(0xc0, 0x39, 0x2b), Qt::black};
    QPen pen(colours[std::min<std::size_t>(component, 2)]);
    pen.setWidthF(component + 1 == sloopform::ResistanceComponents().size() ? 2.5 : 1.5);
    if (dashed) pen.setStyle(Qt::DashLine);
    return pen;
}

}  // namespace

double ChartSpeed(const sloopform::ResistanceResult& point, SpeedUnit unit)
{
    return unit == SpeedUnit::Knots ? static_cast<double>(sloopform::KnotsOf(point)) : point.Fn.Value();
}

void ShowResistanceCurves(QChart& chart, SpeedUnit unit, const std::vector<ChartedCurve>& curves)
{
    ClearChart(chart);
    QValueAxis* x = ChartAxis(unit == SpeedUnit::Knots ? "Speed (knots)" : "Froude number");
    QValueAxis* y = ChartAxis("Resistance (N)");
    chart.addAxis(x, Qt::AlignBottom);
    chart.addAxis(y, Qt::AlignLeft);
    const auto& components = sloopform::ResistanceComponents();
    double highest = 0;
    for (std::size_t c = 0; c < curves.size(); ++c) {
        const ChartedCurve& curve = curves[c];
        for (std::size_t k = 0; k < components.size(); ++k) {
            const ResistanceComponent& component = components[k];
            auto* series = new QLineSeries;
            series->setObjectName(QString(c == 0 ? "" : kOptimumPrefix) + component.Name);
            series->setName(QString(component.Caption) + curve.legendSuffix);
            series->setPen(ComponentPen(k, curve.dashed));
            for (const sloopform::ResistanceResult& point : curve.points) {
                const double newtons = (point.*component.Newtons).Value();
                series->append(ChartSpeed(point, unit), newtons);
                highest = std::max(highest, newtons);
            }
            chart.addSeries(series);
            series->attachAxis(x);
            series->attachAxis(y);
        }
    }
    y->setRange(0, highest > 0 ? highest : 1);
    y->applyNiceNumbers();
    if (curves.empty() || curves.front().points.empty()) return;
    const auto& points = curves.front().points;
    const double slowest = ChartSpeed(points.front(), unit), fastest = ChartSpeed(points.back(), unit);
    // A single speed still gets an axis to stand on.
    const double margin = fastest > slowest ? 0 : 0.05 * slowest;
    x->setRange(slowest - margin, fastest + margin);
    PlaceChartTicks(*x, slowest - margin, fastest + margin);
}
