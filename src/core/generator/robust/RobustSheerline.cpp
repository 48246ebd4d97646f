#include "generator/robust/RobustSheerline.h"

#include <algorithm>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "analysis/ExtendedBSpline.h"
#include "analysis/ImmersedSection.h"
#include "analysis/SheerCurves.h"
#include "generator/Profile.h"
#include "generator/Sheerline.h"
#include "generator/StationCrossing.h"
#include "numeric/BSpline.h"
#include "numeric/BracketedRoot.h"
#include "numeric/NumberText.h"
#include "platform/RunControl.h"

namespace sloopform {

namespace {

// How far forward the sheer's middle control point may move, over Lwl.
constexpr long double kLargestShift = 0.25L;
constexpr int kShiftHalvings = 12;
// The widest half-breadth is held to BMax/2 within this share of it.
constexpr long double kBeamTolerance = 1e-9L;
constexpr int kBeamSteps = 40;

// How much wider than the design waterline the deck must be at every
// station for the sections to flare out to it, over BMax/2.
constexpr long double kFlareRoom = 0.12L;
constexpr int kFillHalvings = 10;

// The least amount by which the deck is wider than the design waterline plus
// `margin` a side over the stations; negative where it is narrower.
long double LeastRoom(const HullRecord& hull, long double margin = 0)
{
    long double least = 0;
    for (int s = 1; s < kLastStation; ++s) {
        const TStation& station = hull.Stations[s];
        least = std::min<long double>(least, station.SheerBeam - station.DesignWaterlineBeam - 2 * margin);
    }
    return least;
}

// Scales what `place` puts at the sheer's inner control points so that the
// widest half-breadth is BMax/2; it grows with the scale, nearly in
// proportion. Then the stations take the new deck.
void HoldWidestAtHalfBMax(HullRecord& hull, const std::function<void(long double)>& place)
{
    const long double target = hull.BMax * 0.5L;
    // The curve's own widest half-breadth, which its samples never pass.
    const auto miss = [&](long double scale) {
        place(scale);
        return SheerPlan(hull).LargestB() - target;
    };
    const long double inner = 0, outer = 4;
    const long double innerMiss = miss(inner), outerMiss = miss(outer);
    place(innerMiss >= 0 ? inner
                         : BracketedRoot(miss, inner, innerMiss, outer, outerMiss, kBeamTolerance * target, kBeamSteps));
    SheerStations(hull);
}

// The sheer with its middle control point `shift` forward of where the fit
// put it, and out as far as gives a widest half-breadth of BMax/2.
void ShapeSheer(HullRecord& hull, const TPoint3r& fitted, long double shift)
{
    hull.SheerPoints[2] = fitted;
    hull.SheerPoints[2].x = fitted.x - shift;
    HoldWidestAtHalfBMax(hull, [&](long double scale) { hull.SheerPoints[2].y = scale * hull.BMax * 0.5L; });
}

// The quadratic sheer as the same curve of five cubic control points: raised
// to a cubic, then split at the middle of its parameter.
void RaiseToCubic(HullRecord& hull)
{
    const auto raised = [&hull](Real48 TPoint3r::*axis) {
        const long double p0 = hull.SheerPoints[1].*axis, p1 = hull.SheerPoints[2].*axis,
                          p2 = hull.SheerPoints[3].*axis;
        const long double q0 = p0, q1 = (p0 + 2 * p1) / 3, q2 = (2 * p1 + p2) / 3, q3 = p2;
        return std::array<long double, kFullDeckSheerPointCount>{q0, (q0 + q1) / 2, (q1 + q2) / 2, (q2 + q3) / 2,
                                                                  q3};
    };
    const auto x = raised(&TPoint3r::x), y = raised(&TPoint3r::y), z = raised(&TPoint3r::z);
    for (int i = 0; i < kFullDeckSheerPointCount; ++i) hull.SheerPoints[i + 1] = {x[i], y[i], z[i]};
    hull.SheerPointCount = kFullDeckSheerPointCount;
    hull.SheerOrder = kCubic;
}

// The cubic deck filled out by `fullness` (0 to 1): its inner control points
// moved out from where the raised quadratic put them towards BMax/2, all
// scaled to keep the widest half-breadth at BMax/2. Their x and heights stay,
// so the sheer heights at the stations do too.
void FillDeck(HullRecord& hull, const std::array<long double, 3>& raised, long double fullness)
{
    HoldWidestAtHalfBMax(hull, [&](long double scale) {
        for (int i = 0; i < 3; ++i)
            hull.SheerPoints[i + 2].y = scale * ((1 - fullness) * raised[i] + fullness * hull.BMax * 0.5L);
    });
}

bool DeckEndsBeforeTheLastStation(const HullRecord& hull)
{
    return hull.TransomTopX < SampledStationX(hull, kLastStation);
}

}  // namespace

void CreateRobustSheerline(HullRecord& hull)
{
    CreateSheerline(hull);
    if (CancelFlag() || !DeckEndsBeforeTheLastStation(hull)) return;
    const long double waterlineEnd = SampledStationX(hull, kLastStation);
    // The face rises from its foot (Loa, Tc + TransomRise) one metre for
    // every TransomRake metres forward.
    TStation& last = hull.Stations[kLastStation];
    last.SheerHeight = hull.Tc + hull.TransomRise + (hull.Loa - waterlineEnd) / TransomRake(hull);
    last.SheerBeam = hull.BTransom;
}

void EndLastStationOnTheTransomOutline(HullRecord& hull)
{
    if (!DeckEndsBeforeTheLastStation(hull)) return;
    std::vector<ExtendedPoint> outline;
    for (int i = 1; i <= kTransomPointCount; ++i) outline.push_back({hull.TransomPoints[i].y, hull.TransomPoints[i].z});
    TStation& last = hull.Stations[kLastStation];
    const std::optional<long double> halfBreadth =
        ImmersedHalfBreadth(ExtendedBSpline(kCubic, outline), last.SheerHeight);
    if (halfBreadth) last.SheerBeam = 2 * *halfBreadth;
}

void WidenDeckOverWaterline(HullRecord& hull)
{
    if (LeastRoom(hull) >= 0) return;
    const TPointBlock3 fittedPoints = hull.SheerPoints;
    const TPoint3r fitted = hull.SheerPoints[2];
    const long double largest = kLargestShift * hull.Lwl;
    ShapeSheer(hull, fitted, largest);
    if (LeastRoom(hull) < 0) {
        hull.SheerPoints = fittedPoints;
        SheerStations(hull);
        return;
    }
    long double tooShort = 0, enough = largest;
    for (int step = 0; step < kShiftHalvings; ++step) {
        const long double middle = 0.5L * (tooShort + enough);
        ShapeSheer(hull, fitted, middle);
        (LeastRoom(hull) >= 0 ? enough : tooShort) = middle;
    }
    ShapeSheer(hull, fitted, enough);
    ConsoleLine(" WidenDeck(" + FormatFixed(enough, 3) + ")");
}

void FillDeckOverWaterline(HullRecord& hull)
{
    const long double margin = kFlareRoom * hull.BMax * 0.5L;
    if (LeastRoom(hull, margin) >= 0) return;
    RaiseToCubic(hull);
    const std::array<long double, 3> raised = {hull.SheerPoints[2].y, hull.SheerPoints[3].y, hull.SheerPoints[4].y};
    long double tooThin = 0, enough = 1;
    for (int step = 0; step < kFillHalvings; ++step) {
        const long double middle = 0.5L * (tooThin + enough);
        FillDeck(hull, raised, middle);
        (LeastRoom(hull, margin) >= 0 ? enough : tooThin) = middle;
    }
    FillDeck(hull, raised, enough);
    ConsoleLine(" FillDeck(" + FormatFixed(enough, 3) + ")");
}

}  // namespace sloopform
