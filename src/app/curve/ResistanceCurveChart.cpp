#include "curve/ResistanceCurveChart.h"

#include <QChart>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>
#include <algorithm>

#include "analysis/ResistanceCurve.h"
#include "curve/ChartAxes.h"

using sloopform::ResistanceComponent;
using sloopform::SpeedUnit;

namespace {

// Frictional, residuary, total: the total the strongest line. The optimum
// dash-dotted, speeds beyond the fitted range dashed.
QPen ComponentPen(std::size_t component, bool optimum, bool extrapolated)
{
    static const QColor colours[] = {QColor(0x1f, 0x5f, 0xbf), QColor(0xc0, 0x39, 0x2b), Qt::black};
    QPen pen(colours[std::min<std::size_t>(component, 2)]);
    pen.setWidthF(component + 1 == sloopform::ResistanceComponents().size() ? 2.5 : 1.5);
    if (optimum) pen.setStyle(Qt::DashDotLine);
    if (extrapolated) pen.setStyle(Qt::DashLine);
    return pen;
}

// The dashed part of each line's name, and the legend's one entry for them all.
const QString kFittedLimit = QString::number(double(sloopform::kFittedHighestFn), 'f', 2);
const QString kBeyondFittedRange = QStringLiteral(", extrapolated above Fn %1").arg(kFittedLimit);
const QString kDashedNote = QStringLiteral("Dashed: extrapolated above Fn %1").arg(kFittedLimit);

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
    bool extrapolated = false;
    for (std::size_t c = 0; c < curves.size(); ++c) {
        const ChartedCurve& curve = curves[c];
        for (std::size_t k = 0; k < components.size(); ++k) {
            const ResistanceComponent& component = components[k];
            const QString name = QString(c == 0 ? "" : kOptimumPrefix) + component.Name;
            const QString caption = QString(component.Caption) + curve.legendSuffix;
            QLineSeries* fitted = nullptr;
            QLineSeries* beyond = nullptr;
            const auto line = [&](QLineSeries*& series, bool extrapolated) {
                if (series) return series;
                series = new QLineSeries;
                series->setObjectName(extrapolated ? name + kExtrapolatedSuffix : name);
                series->setName(extrapolated ? caption + kBeyondFittedRange : caption);
                series->setPen(ComponentPen(k, curve.optimum, extrapolated));
                chart.addSeries(series);
                series->attachAxis(x);
                series->attachAxis(y);
                return series;
            };
            for (const sloopform::ResistanceResult& point : curve.points) {
                const double newtons = (point.*component.Newtons).Value();
                const QPointF at(ChartSpeed(point, unit), newtons);
                if (sloopform::Extrapolated(point)) {
                    // Joined to the last fitted speed, so the line runs on unbroken.
                    if (!beyond && fitted) line(beyond, true)->append(fitted->points().constLast());
                    line(beyond, true)->append(at);
                    extrapolated = true;
                } else {
                    line(fitted, false)->append(at);
                }
                highest = std::max(highest, newtons);
            }
        }
    }
    // One legend entry says what every dashed part means.
    for (QAbstractSeries* series : chart.series())
        if (series->objectName().endsWith(kExtrapolatedSuffix))
            for (QLegendMarker* marker : chart.legend()->markers(series)) marker->setVisible(false);
    if (extrapolated) {
        auto* note = new QLineSeries;
        note->setObjectName(QStringLiteral("extrapolated_note"));
        note->setName(kDashedNote);
        note->setPen(QPen(Qt::black, 1.5, Qt::DashLine));
        chart.addSeries(note);
        note->attachAxis(x);
        note->attachAxis(y);
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
