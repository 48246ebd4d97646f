#include "analysis/DenseSamples.h"

#include <algorithm>

namespace sloopform {

std::vector<ExtendedPoint> DenseSamples(const ExtendedBSpline& curve)
{
    const int count = curve.LastKnot() * kDenseSamplesPerSpan;
    std::vector<ExtendedPoint> points;
    points.reserve(static_cast<std::size_t>(count) + 1);
    for (int i = 0; i <= count; ++i)
        points.push_back(curve.PositionAt(static_cast<long double>(curve.LastKnot()) * i / count));
    return points;
}

std::optional<long double> OutermostWhere(const std::vector<ExtendedPoint>& points, CurveAxis across, long double value)
{
    const auto cross = [across](const ExtendedPoint& p) { return across == CurveAxis::A ? p.a : p.b; };
    const auto other = [across](const ExtendedPoint& p) { return across == CurveAxis::A ? p.b : p.a; };
    std::optional<long double> outermost;
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        const ExtendedPoint& p = points[i];
        const ExtendedPoint& q = points[i + 1];
        if ((cross(p) - value) * (cross(q) - value) > 0 || cross(p) == cross(q)) continue;
        const long double at = other(p) + (other(q) - other(p)) * (value - cross(p)) / (cross(q) - cross(p));
        outermost = std::max(outermost.value_or(at), at);
    }
    return outermost;
}

}  // namespace sloopform
