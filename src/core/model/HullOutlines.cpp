#include "model/HullOutlines.h"

namespace sloopform {

namespace {

void EmitCurve(int count, int order, const TPointBlock3& points, LineSink& sink, OutlineDetail detail)
{
    if (detail == OutlineDetail::Screen)
        DrawBSpline3d(count, order, points, sink);
    else
        DxfBSpline3d(count, order, points, sink);
}

void EmitMirroredPair(int count, int order, const TPointBlock3& points, LineSink& sink,
                      OutlineDetail detail)
{
    EmitCurve(count, order, points, sink, detail);
    EmitCurve(count, order, MirroredY(points, count), sink, detail);
}

}  // namespace

long double StationPosition(const HullRecord& hull, int s)
{
    return hull.Fovh + hull.Lwl * s * 0.05L;
}

TPointBlock3 MirroredY(const TPointBlock3& points, int count)
{
    TPointBlock3 mirror = points;
    for (int i = 1; i <= count; ++i) mirror[i].y = -mirror[i].y;
    return mirror;
}

void EmitProfile(const HullRecord& hull, LineSink& sink, OutlineDetail detail)
{
    if (detail == OutlineDetail::Screen)
        DrawBSpline2d(kProfilePointCount, kCubic, hull.ProfilePoints, sink, 0, kPlaneCentre);
    else
        DxfBSpline2d(kProfilePointCount, kCubic, hull.ProfilePoints, sink, 0, kPlaneCentre);
}

void EmitSheerline(const HullRecord& hull, LineSink& sink, OutlineDetail detail)
{
    EmitMirroredPair(hull.SheerPointCount, hull.SheerOrder, hull.SheerPoints, sink, detail);
}

void EmitWaterlineSegments(const HullRecord& hull, LineSink& sink)
{
    const auto halfBeam = [&hull](int s) { return hull.Stations[s].WaterlineBeam * 0.5L; };
    for (int s = 1; s <= kLastStation; ++s) {
        const Real48 x0 = StationPosition(hull, s - 1);
        const Real48 x1 = StationPosition(hull, s);
        const Real48 b0 = halfBeam(s - 1);
        const Real48 b1 = halfBeam(s);
        sink.Line3D(x0, b0, hull.Tc, x1, b1, hull.Tc);
        sink.Line3D(x0, -b0, hull.Tc, x1, -b1, hull.Tc);
    }
}

void EmitTransom(const HullRecord& hull, LineSink& sink, OutlineDetail detail)
{
    EmitMirroredPair(kTransomPointCount, kCubic, hull.TransomPoints, sink, detail);
    const TPoint3r& corner = hull.TransomPoints[kTransomPointCount];
    sink.Line3D(corner.x, -corner.y, corner.z, corner.x, corner.y, corner.z);
}

}  // namespace sloopform
