#include "curve/StabilityChart.h"

#include <QChart>
#include <QLineSeries>
#include <QPen>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <vector>

#include "curve/ChartAxes.h"
#include "numeric/Geometry.h"

namespace {

constexpr double kRadian = 180 / static_cast<double>(sloopform::kPi);

QScatterSeries* Mark(const QString& name, const QString& caption, QColor colour, double heel, double gz)
{
    auto* mark = new QScatterSeries;
    mark->setObjectName(name);
    mark->setName(caption);
    mark->setColor(colour);
    mark->setMarkerSize(10);
    mark->append(heel, gz);
    return mark;
}

}  // namespace

void ShowStabilityCurve(QChart& chart, const sloopform::StabilityResult& result)
{
    ClearChart(chart);
    std::vector<sloopform::StabilityPoint> points = result.Curve;
    std::sort(points.begin(), points.end(), [](const auto& a, const auto& b) { return a.Heel < b.Heel; });
    const sloopform::StabilitySummary& s = result.Summary;
    const double first = std::min(0.0, points.front().Heel), last = std::max(points.back().Heel, 1.0);

    auto* gz = new QLineSeries;
    gz->setObjectName("gz");
    gz->setName("GZ");
    gz->setPen(QPen(Qt::black, 2.5));
    double low = 0, high = 0;
    for (const sloopform::StabilityPoint& p : points) {
        gz->append(p.Heel, p.Gz);
        low = std::min(low, p.Gz);
        high = std::max(high, p.Gz);
    }
    auto* tangent = new QLineSeries;
    tangent->setObjectName("gm");
    tangent->setName(QStringLiteral("GM %1 m at 0°").arg(s.Gm, 0, 'f', 3));
    QPen dashed(QColor(0x1f, 0x5f, 0xbf), 1.5);
    dashed.setStyle(Qt::DashLine);
    tangent->setPen(dashed);
    const double reach = std::min(kRadian, last);
    tangent->append(0, 0);
    tangent->append(reach, s.Gm * reach / kRadian);
    std::vector<QAbstractSeries*> series = {gz, tangent,
                                            Mark("gz_max", QStringLiteral("Largest GZ %1 m at %2°")
                                                               .arg(s.GzMax, 0, 'f', 3)
                                                               .arg(s.HeelGzMax, 0, 'f', 1),
                                                 QColor(0xc0, 0x39, 0x2b), s.HeelGzMax, s.GzMax)};
    if (s.Avs)
        series.push_back(Mark("avs", QStringLiteral("AVS %1°").arg(*s.Avs, 0, 'f', 1), QColor(0x27, 0x8c, 0x3c),
                              *s.Avs, 0));

    QValueAxis* x = ChartAxis("Heel (degrees)");
    QValueAxis* y = ChartAxis("GZ (m)");
    chart.addAxis(x, Qt::AlignBottom);
    chart.addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* one : series) {
        chart.addSeries(one);
        one->attachAxis(x);
        one->attachAxis(y);
    }
    x->setRange(first, last);
    PlaceChartTicks(*x, first, last);
    const double margin = 0.1 * std::max(high - low, 0.01);
    y->setRange(low - margin, std::max(high, s.Gm * reach / kRadian) + margin);
    y->applyNiceNumbers();
}
