#include "views/LinesPlan.h"

#include "analysis/HullCheck.h"
#include "model/HullOutlines.h"
#include "model/StationOutline.h"
#include "numeric/ArithmeticFault.h"
#include "numeric/BSpline.h"
#include "numeric/Geometry.h"
#include "platform/UiServices.h"
#include "views/FaultMarks.h"
#include "views/LevelLines.h"
#include "views/LinesPlanAdditions.h"

namespace sloopform {

namespace {

bool HasExtent(const HullRecord& hull)
{
    return hull.Loa != 0 && hull.BMax != 0 && hull.Tc != 0;
}

// One side of a station in a split lines plan: in the profile and the plan
// as always, in the body plan only when the station belongs to that half.
class StationSide : public LineSink {
public:
    StationSide(TViewportEngView& viewport, bool inBodyPlan) : viewport_(viewport), inBodyPlan_(inBodyPlan) {}

    void Line3D(Real48 x1, Real48 y1, Real48 z1, Real48 x2, Real48 y2, Real48 z2) override
    {
        viewport_.Line(TViewportEngView::kProfileView, x1, z1, x2, z2);
        viewport_.Line(TViewportEngView::kPlanView, x1, y1, x2, y2);
        if (inBodyPlan_) viewport_.Line(TViewportEngView::kBodyPlanView, y1, z1, y2, z2);
    }

private:
    TViewportEngView& viewport_;
    bool inBodyPlan_;
};

void DrawStations(TViewport& viewport, const HullRecord& hull, bool splitBodyPlan)
{
    auto* linesPlan = splitBodyPlan ? dynamic_cast<TViewportEngView*>(&viewport) : nullptr;
    TPointBlock3 section;
    for (int k = 0; k <= kLastStation; ++k) {
        const Real48 x = hull.StationX(k);
        const TPointBlock2 outline = StationOutline(hull, k);
        for (int j = 1; j <= kStationOutlinePoints; ++j)
            section[j] = {x, outline[j].x, outline[j].y};
        const TPointBlock3 mirrored = MirroredY(section, kStationOutlinePoints);
        if (linesPlan) {
            StationSide starboard(*linesPlan, k <= kMidshipStation);
            StationSide port(*linesPlan, k >= kMidshipStation);
            DrawBSpline3d(kStationOutlinePoints, kCubic, section, starboard);
            DrawBSpline3d(kStationOutlinePoints, kCubic, mirrored, port);
        } else {
            DrawBSpline3d(kStationOutlinePoints, kCubic, section, viewport);
            DrawBSpline3d(kStationOutlinePoints, kCubic, mirrored, viewport);
        }
    }
}

}  // namespace

LinesPlanLayout MeasureLinesPlan(const HullRecord& hull)
{
    LinesPlanLayout layout;
    layout.TotalHeight = Max3(hull.FreeBow, hull.FreeCenter, hull.FreeAft) + hull.Tc;
    layout.Margin = 0.04L * hull.Loa;
    layout.DrawHeight = layout.TotalHeight + layout.Margin + hull.BMax;
    layout.DrawWidth = hull.Loa + layout.Margin + hull.BMax;
    return layout;
}

void PlaceLinesPlan(TViewportEngView& viewport, const HullRecord& hull, const LinesPlanLayout& layout,
                    Real48 xoff, Real48 yoff)
{
    const Real48 totalHeight = layout.TotalHeight;
    const Real48 margin = layout.Margin;
    const long double loa = hull.Loa;
    const long double beam = hull.BMax;
    viewport.SetWindow(TViewportEngView::kBodyPlanView, -(xoff + loa + margin + beam / 2),
                       totalHeight + yoff, xoff + beam / 2, -(yoff + margin + beam));
    viewport.SetWindow(TViewportEngView::kPlanView, loa + xoff, yoff + totalHeight + margin + beam / 2,
                       -(xoff + margin + beam), -(yoff + beam / 2));
    viewport.SetWindow(TViewportEngView::kProfileView, loa + xoff, totalHeight + yoff,
                       -(xoff + margin + beam), -(yoff + margin + beam));
}

void FitLinesPlan(TViewportEngView& viewport, const HullRecord& hull)
{
    if (!HasExtent(hull)) return;
    const int width = viewport.DrawWidth();
    const int height = viewport.DrawHeight();
    if (width <= 0 || height <= 0) return;
    const long double aspect = viewport.AspectRatio();

    const LinesPlanLayout layout = MeasureLinesPlan(hull);
    const Real48 margin = layout.Margin;
    const Real48 drawHeight = layout.DrawHeight;
    const Real48 drawWidth = layout.DrawWidth;

    Real48 windowWidth = drawWidth + 2 * margin;
    Real48 scaleX = Divide(width, windowWidth);
    Real48 scaleY = scaleX * aspect;
    Real48 windowHeight = Divide(height, scaleY);
    Real48 xoff;
    Real48 yoff;
    if (windowHeight - drawHeight < 2 * margin) {  // limited by the height
        windowHeight = drawHeight + 2 * margin;
        scaleY = Divide(height, windowHeight);
        scaleX = Divide(scaleY, aspect);
        windowWidth = Divide(width, scaleX);
        xoff = (windowWidth - drawWidth) * 0.5L;
        yoff = margin;
    } else {  // limited by the width
        xoff = margin;
        yoff = (windowHeight - drawHeight) * 0.5L;
    }
    PlaceLinesPlan(viewport, hull, layout, xoff, yoff);
}

void DrawConstructionLines(TViewport& viewport, const HullRecord& hull)
{
    if (!HasExtent(hull)) return;
    const long double loa = hull.Loa;
    const long double tc = hull.Tc;
    const long double B = hull.BMax / 2;
    const long double b = hull.Bwl / 2;
    const long double h = Max3(hull.FreeBow, hull.FreeCenter, hull.FreeAft) + tc;
    const long double xf = hull.Fovh;
    const long double xa = hull.Fovh + hull.Lwl;
    const auto line = [&viewport](long double x1, long double y1, long double z1, long double x2,
                                  long double y2, long double z2) {
        viewport.Line3D(x1, y1, z1, x2, y2, z2);
    };

    // The box above the design waterline: overall length by maximum beam, up to the highest sheer.
    line(0, B, tc, loa, B, tc);
    line(0, -B, tc, loa, -B, tc);
    line(0, -B, tc, 0, B, tc);
    line(loa, -B, tc, loa, B, tc);
    line(0, -B, h, 0, B, h);
    line(loa, -B, h, loa, B, h);
    line(0, B, h, loa, B, h);
    line(0, -B, h, loa, -B, h);
    line(loa, B, tc, loa, B, h);
    line(loa, -B, tc, loa, -B, h);
    line(0, B, tc, 0, B, h);
    line(0, -B, tc, 0, -B, h);
    // The box below it: waterline length by waterline beam by draught.
    line(xf, b, tc, xa, b, tc);
    line(xf, -b, tc, xa, -b, tc);
    line(xf, b, tc, xf, -b, tc);
    line(xa, b, tc, xa, -b, tc);
    line(xa, b, 0, xa, b, tc);
    line(xa, -b, 0, xa, -b, tc);
    line(xf, b, 0, xf, b, tc);
    line(xf, -b, 0, xf, -b, tc);
    line(xf, b, 0, xa, b, 0);
    line(xf, -b, 0, xa, -b, 0);
    line(xf, b, 0, xf, -b, 0);
    line(xa, b, 0, xa, -b, 0);
    // The centre line at the waterline and the forward perpendicular.
    line(0, 0, tc, loa, 0, tc);
    line(xf, 0, 0, xf, 0, h);
}

void DrawHullOutlines(TViewport& viewport, const HullRecord& hull, TColor outlineColor,
                      bool splitBodyPlan)
{
    // Pending messages may run a command that rebuilds or replaces the hull
    // record, so the outlines are drawn from a copy taken before the first one.
    const HullRecord drawn = hull;
    Ui().ProcessMessages();
    viewport.SetLineColor(outlineColor);
    if (drawn.ProfileDone) {
        EmitProfile(drawn, viewport, OutlineDetail::Screen);
        Ui().ProcessMessages();
    }
    if (drawn.SheerDone) {
        EmitSheerline(drawn, viewport, OutlineDetail::Screen);
        Ui().ProcessMessages();
    }
    if (drawn.HullComplete) {
        EmitDesignWaterline(drawn, viewport);
        Ui().ProcessMessages();
        DrawStations(viewport, drawn, splitBodyPlan);
        Ui().ProcessMessages();
    }
    if (drawn.TransomDone) {
        EmitTransom(drawn, viewport, OutlineDetail::Screen);
        Ui().ProcessMessages();
    }
}

void RedrawLinesPlan(TViewport& viewport, const HullRecord& hull, const DrawingSettings& settings,
                     const DisplaySwitches& switches)
{
    viewport.SetColor(settings.BackgroundColor);
    viewport.SetLineColor(settings.ConstructionColor);
    viewport.SetSmooth(settings.SmoothLines);
    viewport.Clear();
    if (switches.ConstructionLines) DrawConstructionLines(viewport, hull);
    if (switches.HullOutlines)
        DrawHullOutlines(viewport, hull, settings.OutlineColor, switches.SplitBodyPlan);
    DrawLinesPlanAdditions(viewport, hull, settings.OutlineColor, switches);
    auto* linesPlan = dynamic_cast<TViewportEngView*>(&viewport);
    if (!linesPlan || !hull.HullComplete) return;
    DrawCurvatureCombs(*linesPlan, hull, switches.Combs, ChosenOffsetLevels(hull, switches.Levels),
                       switches.SplitBodyPlan, settings.OutlineColor);
    if (switches.FaultMarks) DrawFaultMarks(*linesPlan, hull, CheckHull(hull), switches.SplitBodyPlan);
}

}  // namespace sloopform
