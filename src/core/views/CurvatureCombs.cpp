#include "views/CurvatureCombs.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "analysis/DenseSamples.h"
#include "analysis/ExtendedBSpline.h"
#include "analysis/Offsets.h"
#include "model/HullOutlines.h"
#include "model/StationOutline.h"
#include "views/CurvePolylines.h"
#include "views/LevelLines.h"

namespace sloopform {

namespace {

constexpr long double kLongestTooth = 0.03L;  // of Loa, at scale 1
constexpr int kSamplesPerTooth = 4;            // of a densely sampled curve
// The set's teeth are scaled on this share of its curvatures, so that one
// corner (the transom's foot, the keel's end) does not flatten the rest; a
// sharper point's tooth is cut at kLongestCut times the longest.
constexpr double kReferenceShare = 0.9;
constexpr long double kLongestCut = 1.5L;

struct Comb {
    int View;
    ViewPolyline Curve;
};

// The signed curvature at b of the circle through a, b and c (positive
// turning left), and the unit normal to the left of the chord from a to c.
struct Bend {
    long double Curvature = 0;
    ViewPoint Normal{0, 0};
};

Bend BendAt(const ViewPoint& a, const ViewPoint& b, const ViewPoint& c)
{
    const long double abu = b.u - a.u, abv = b.v - a.v, bcu = c.u - b.u, bcv = c.v - b.v;
    const long double acu = c.u - a.u, acv = c.v - a.v;
    const long double ab = std::hypot(abu, abv), bc = std::hypot(bcu, bcv), ac = std::hypot(acu, acv);
    if (ab == 0 || bc == 0 || ac == 0) return {};
    return {2 * (abu * bcv - abv * bcu) / (ab * bc * ac), {-acv / ac, acu / ac}};
}

std::vector<ViewPoint> Every(const ViewPolyline& curve, int step)
{
    std::vector<ViewPoint> points;
    for (std::size_t i = 0; i < curve.size(); i += static_cast<std::size_t>(step)) points.push_back(curve[i]);
    if (!curve.empty() && (curve.size() - 1) % static_cast<std::size_t>(step) != 0) points.push_back(curve.back());
    return points;
}

ViewPolyline Seen(const std::vector<ExtendedPoint>& points, long double uSign = 1, long double vSign = 1)
{
    ViewPolyline seen;
    for (const ExtendedPoint& p : points) seen.push_back({uSign * p.a, vSign * p.b});
    return seen;
}

// Draws the teeth and the line through their tips of each comb of one set.
void DrawSet(TViewportEngView& viewport, const std::vector<Comb>& combs, long double longest)
{
    std::vector<ViewPolyline> curves;
    for (const Comb& comb : combs) curves.push_back(comb.Curve);
    const std::vector<std::vector<CombTooth>> teeth = CombTeeth(curves, longest);
    for (std::size_t c = 0; c < combs.size(); ++c) {
        const std::vector<CombTooth>& comb = teeth[c];
        for (std::size_t i = 0; i < comb.size(); ++i) {
            viewport.Line(combs[c].View, comb[i].Root.u, comb[i].Root.v, comb[i].Tip.u, comb[i].Tip.v);
            if (i > 0) viewport.Line(combs[c].View, comb[i - 1].Tip.u, comb[i - 1].Tip.v, comb[i].Tip.u, comb[i].Tip.v);
        }
    }
}

std::vector<Comb> Combs(int view, const std::vector<ViewPolyline>& curves)
{
    std::vector<Comb> combs;
    for (const ViewPolyline& curve : curves) combs.push_back({view, curve});
    return combs;
}

std::vector<Comb> SectionCombs(const HullRecord& hull, bool splitBodyPlan)
{
    std::vector<Comb> combs;
    for (int s = 0; s <= kLastStation; ++s) {
        const long double side = splitBodyPlan && s > kMidshipStation ? -1 : 1;
        const auto points = DenseSamples(ExtendedBSpline(kStationOutlinePoints, kCubic, StationOutline(hull, s)));
        combs.push_back({TViewportEngView::kBodyPlanView, Every(Seen(points, side), kSamplesPerTooth)});
    }
    return combs;
}

// Each diagonal expanded: its offset along the diagonal at each station it
// was fitted to, from its bow end, drawn below the centre line of the plan.
std::vector<Comb> DiagonalCombs(const HullRecord& hull)
{
    std::vector<Comb> combs;
    for (int d = 1; d <= 3; ++d) {
        ViewPolyline curve{{StationPosition(hull, 0) + hull.DiagonalEndStation[d] * hull.Lwl * 0.05L,
                            -static_cast<long double>(hull.DiagonalEndOffset[d])}};
        for (int s = 0; s <= kLastStation; ++s)
            if (StationPosition(hull, s) > curve.back().u)
                curve.push_back({StationPosition(hull, s), -static_cast<long double>(hull.Stations[s].DiagonalOffset[d])});
        combs.push_back({TViewportEngView::kPlanView, curve});
    }
    return combs;
}

}  // namespace

std::vector<std::vector<CombTooth>> CombTeeth(const std::vector<ViewPolyline>& curves, long double longest)
{
    std::vector<long double> curvatures;
    for (const ViewPolyline& curve : curves)
        for (std::size_t i = 1; i + 1 < curve.size(); ++i)
            curvatures.push_back(std::fabs(BendAt(curve[i - 1], curve[i], curve[i + 1]).Curvature));
    long double reference = 0;
    if (!curvatures.empty()) {
        const auto at = curvatures.begin() + static_cast<std::ptrdiff_t>(kReferenceShare * (curvatures.size() - 1));
        std::nth_element(curvatures.begin(), at, curvatures.end());
        reference = *at;
    }
    const long double scale = reference > 0 ? longest / reference : 0;
    std::vector<std::vector<CombTooth>> teeth;
    for (const ViewPolyline& curve : curves) {
        std::vector<CombTooth> comb;
        for (std::size_t i = 1; i + 1 < curve.size(); ++i) {
            const ViewPoint& at = curve[i];
            const Bend bend = BendAt(curve[i - 1], at, curve[i + 1]);
            const long double length =
                std::clamp(-bend.Curvature * scale, -kLongestCut * longest, kLongestCut * longest);
            comb.push_back({at, {at.u + length * bend.Normal.u, at.v + length * bend.Normal.v}});
        }
        teeth.push_back(comb);
    }
    return teeth;
}

void DrawCurvatureCombs(TViewportEngView& viewport, const HullRecord& hull, const CombSwitches& combs,
                        const OffsetLevels& levels, bool splitBodyPlan, TColor color)
{
    if (!hull.HullComplete || !combs.Any()) return;
    viewport.SetLineColor(color);
    const long double longest = kLongestTooth * hull.Loa * combs.Scale;
    // One comb on a curve of the record's own control points.
    const auto drawSpline = [&](int view, int count, const TPointBlock2& points) {
        const auto samples = DenseSamples(ExtendedBSpline(count, kCubic, points));
        DrawSet(viewport, {{view, Every(Seen(samples), kSamplesPerTooth)}}, longest);
    };
    // The combs of the lines an emitter traces, seen in one view.
    const auto drawTraced = [&](int view, ViewPlane plane, const std::function<void(LineSink&)>& emit) {
        DrawSet(viewport, Combs(view, RecordedPolylines(emit, plane)), longest);
    };
    if (combs.Profile) drawSpline(TViewportEngView::kProfileView, kProfilePointCount, hull.ProfilePoints);
    if (combs.DesignWaterline) drawSpline(TViewportEngView::kPlanView, kWaterlinePointCount, hull.WaterlinePoints);
    if (combs.Waterlines)
        drawTraced(TViewportEngView::kPlanView, ViewPlane::Plan,
                   [&](LineSink& sink) { EmitWaterlines(hull, levels.Waterlines, sink); });
    if (combs.Buttocks)
        drawTraced(TViewportEngView::kProfileView, ViewPlane::Profile,
                   [&](LineSink& sink) { EmitButtocks(hull, levels.Buttocks, sink); });
    if (combs.Sections) DrawSet(viewport, SectionCombs(hull, splitBodyPlan), longest);
    if (combs.Diagonals) DrawSet(viewport, DiagonalCombs(hull), longest);
}

}  // namespace sloopform
