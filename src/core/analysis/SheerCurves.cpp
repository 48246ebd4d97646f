#include "analysis/SheerCurves.h"

#include <vector>

namespace sloopform {

namespace {

ExtendedBSpline SheerSeen(const HullRecord& hull, Real48 TPoint3r::*across)
{
    std::vector<ExtendedPoint> points;
    for (int i = 1; i <= hull.SheerPointCount; ++i) points.push_back({hull.SheerPoints[i].x, hull.SheerPoints[i].*across});
    return ExtendedBSpline(hull.SheerOrder, points);
}

}  // namespace

ExtendedBSpline SheerPlan(const HullRecord& hull) { return SheerSeen(hull, &TPoint3r::y); }
ExtendedBSpline SheerElevation(const HullRecord& hull) { return SheerSeen(hull, &TPoint3r::z); }

}  // namespace sloopform
