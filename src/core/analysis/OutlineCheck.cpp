#include "analysis/OutlineCheck.h"

#include <algorithm>
#include <string>

#include "analysis/DenseSamples.h"
#include "analysis/SheerCurves.h"
#include "model/HullOutlines.h"
#include "numeric/NumberText.h"

namespace sloopform {

namespace {

constexpr int kCubicOrder = 4;

std::string Metres(long double value) { return FormatFixed(value, 3) + " m"; }

}  // namespace

ProfileRunBack WorstProfileRunBack(const HullRecord& hull)
{
    const std::vector<ExtendedPoint> points =
        DenseSamples(ExtendedBSpline(kProfilePointCount, kCubicOrder, hull.ProfilePoints));
    const auto aftmost = std::max_element(points.begin(), points.end(),
                                          [](const ExtendedPoint& p, const ExtendedPoint& q) { return p.a < q.a; });
    ProfileRunBack worst;
    long double farthest = points.front().a;
    for (auto p = points.begin(); p != aftmost; ++p) {
        farthest = std::max(farthest, p->a);
        if (farthest - p->a > worst.Distance) worst = {farthest - p->a, p->a, farthest};
    }
    return worst;
}

std::vector<long double> WaterlineOutsideSheerAtStations(const HullRecord& hull)
{
    const std::vector<ExtendedPoint> waterline =
        DenseSamples(ExtendedBSpline(kWaterlinePointCount, kCubicOrder, hull.WaterlinePoints));
    const std::vector<ExtendedPoint> sheer = DenseSamples(SheerPlan(hull));
    std::vector<long double> outside(kStationCount, 0.0L);
    for (int s = 0; s <= kLastStation; ++s) {
        const long double x = StationPosition(hull, s);
        const auto waterlineHalfBreadth = OutermostWhere(waterline, CurveAxis::A, x);
        const auto sheerHalfBreadth = OutermostWhere(sheer, CurveAxis::A, x);
        if (waterlineHalfBreadth && sheerHalfBreadth)
            outside[static_cast<std::size_t>(s)] = std::max(0.0L, *waterlineHalfBreadth - *sheerHalfBreadth);
    }
    return outside;
}

std::optional<HullFault> CheckProfile(const HullRecord& hull)
{
    const ProfileRunBack back = WorstProfileRunBack(hull);
    if (back.Distance <= kProfileRunBackShare * hull.Loa) return std::nullopt;
    HullFault fault{HullFaultKind::ProfileRunsBack, -1,
                    "The profile runs back " + Metres(back.Distance) + " towards the bow between x = " +
                        Metres(back.FromX) + " and x = " + Metres(back.ToX)};
    fault.FromX = back.FromX;
    fault.ToX = back.ToX;
    return fault;
}

std::optional<HullFault> CheckWaterlineInsideSheer(const HullRecord& hull)
{
    const std::vector<long double> outside = WaterlineOutsideSheerAtStations(hull);
    const long double limit = kOutsideSheerShare * hull.BMax * 0.5L;
    int first = -1, last = -1, worst = -1;
    for (int s = 0; s <= kLastStation; ++s) {
        const long double by = outside[static_cast<std::size_t>(s)];
        if (by <= limit) continue;
        if (first < 0) first = s;
        last = s;
        if (worst < 0 || by > outside[static_cast<std::size_t>(worst)]) worst = s;
    }
    if (worst < 0) return std::nullopt;
    const std::string stretch = first == last ? "at station " + std::to_string(first)
                                              : "from station " + std::to_string(first) + " to station " +
                                                    std::to_string(last);
    HullFault fault{HullFaultKind::WaterlineOutsideSheer, -1,
                    "The design waterline stands outside the sheer line in plan " + stretch + ", by up to " +
                        Metres(outside[static_cast<std::size_t>(worst)]) + " at station " + std::to_string(worst)};
    fault.FromX = StationPosition(hull, first);
    fault.ToX = StationPosition(hull, last);
    return fault;
}

}  // namespace sloopform
