#include "views/FaultMarks.h"

#include <algorithm>

#include "analysis/DenseSamples.h"
#include "analysis/ExtendedBSpline.h"
#include "model/HullOutlines.h"
#include "model/StationOutline.h"
#include "views/CurvePolylines.h"
#include "views/LevelLines.h"

namespace sloopform {

namespace {

void DrawPolyline(TViewportEngView& viewport, int view, const ViewPolyline& line)
{
    for (std::size_t i = 1; i < line.size(); ++i)
        viewport.Line(view, line[i - 1].u, line[i - 1].v, line[i].u, line[i].v);
}

// The samples of a curve whose first coordinate is x, from `from` to `to`.
ViewPolyline Stretch(const std::vector<ExtendedPoint>& points, long double from, long double to, long double vSign)
{
    ViewPolyline stretch;
    for (const ExtendedPoint& p : points)
        if (p.a >= from && p.a <= to) stretch.push_back({p.a, vSign * p.b});
    return stretch;
}

void MarkSection(TViewportEngView& viewport, const HullRecord& hull, int s, bool splitBodyPlan)
{
    const long double side = splitBodyPlan && s > kMidshipStation ? -1 : 1;
    ViewPolyline section;
    for (const ExtendedPoint& p : DenseSamples(ExtendedBSpline(kStationOutlinePoints, kCubic, StationOutline(hull, s))))
        section.push_back({side * p.a, p.b});
    DrawPolyline(viewport, TViewportEngView::kBodyPlanView, section);
    const TStation& station = hull.Stations[static_cast<std::size_t>(s)];
    const long double x = StationPosition(hull, s);
    viewport.Line(TViewportEngView::kProfileView, x, station.KeelHeight, x, station.SheerHeight);
    viewport.Line(TViewportEngView::kPlanView, x, -station.SheerBeam * 0.5L, x, station.SheerBeam * 0.5L);
}

void MarkDesignWaterline(TViewportEngView& viewport, const HullRecord& hull, long double from, long double to)
{
    const auto points = DenseSamples(ExtendedBSpline(kWaterlinePointCount, kCubic, hull.WaterlinePoints));
    for (long double side : {1.0L, -1.0L}) DrawPolyline(viewport, TViewportEngView::kPlanView, Stretch(points, from, to, side));
}

}  // namespace

void DrawFaultMarks(TViewportEngView& viewport, const HullRecord& hull, const std::vector<HullFault>& faults,
                    bool splitBodyPlan)
{
    if (faults.empty()) return;
    viewport.SetLineColor(kFaultColor);
    for (const HullFault& fault : faults) {
        switch (fault.Kind) {
        case HullFaultKind::ProfileRunsBack: {
            const auto profile = DenseSamples(ExtendedBSpline(kProfilePointCount, kCubic, hull.ProfilePoints));
            DrawPolyline(viewport, TViewportEngView::kProfileView, Stretch(profile, fault.FromX, fault.ToX, 1));
            break;
        }
        case HullFaultKind::PastWaterlineBeam:
            MarkDesignWaterline(viewport, hull, 0, hull.Loa);
            break;
        case HullFaultKind::WaterlineOutsideSheer:
            MarkDesignWaterline(viewport, hull, fault.FromX, fault.ToX);
            break;
        case HullFaultKind::UnfairWaterline:
            for (const ViewPolyline& line :
                 RecordedPolylines([&](LineSink& sink) { EmitWaterlines(hull, {fault.Level}, sink); }, ViewPlane::Plan))
                DrawPolyline(viewport, TViewportEngView::kPlanView, line);
            break;
        case HullFaultKind::AreaCurveMaxima:
            break;
        default:
            if (fault.Station >= 0) MarkSection(viewport, hull, fault.Station, splitBodyPlan);
        }
    }
}

}  // namespace sloopform
