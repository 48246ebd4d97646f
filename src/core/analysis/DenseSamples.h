#pragma once
#include <optional>
#include <vector>

#include "analysis/CurveCrossing.h"
#include "analysis/ExtendedBSpline.h"

namespace sloopform {

// How finely the hull check and the drawings that mark its faults sample a
// curve: this many points per knot span.
constexpr int kDenseSamplesPerSpan = 48;

// The curve's points at kDenseSamplesPerSpan even parameter steps per span,
// both ends included.
std::vector<ExtendedPoint> DenseSamples(const ExtendedBSpline& curve);

// The largest of the other coordinate where the polyline crosses the value
// along `across`; nothing when it lies wholly to one side of it.
std::optional<long double> OutermostWhere(const std::vector<ExtendedPoint>& points, CurveAxis across, long double value);

}  // namespace sloopform
