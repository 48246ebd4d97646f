#include "generator/robust/RobustSheerline.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "analysis/ExtendedBSpline.h"
#include "analysis/ImmersedSection.h"
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

// The least amount by which the deck is wider than the design waterline over
// the stations; negative where it is narrower.
long double LeastRoom(const HullRecord& hull)
{
    long double least = 0;
    for (int s = 1; s < kLastStation; ++s) {
        const TStation& station = hull.Stations[s];
        least = std::min<long double>(least, station.SheerBeam - station.DesignWaterlineBeam);
    }
    return least;
}

// The sheer with its middle control point `shift` forward of where the fit
// put it, and out as far as gives a widest half-breadth of BMax/2. The widest
// half-breadth grows with the point's distance out, nearly in proportion.
void ShapeSheer(HullRecord& hull, const TPoint3r& fitted, long double shift)
{
    hull.SheerPoints[2] = fitted;
    hull.SheerPoints[2].x = fitted.x - shift;
    const long double target = hull.BMax * 0.5L;
    const auto miss = [&](long double y) {
        hull.SheerPoints[2].y = y;
        return SheerMaxHalfBeam(hull) - target;
    };
    const long double inner = 0, outer = 4 * target;
    const long double innerMiss = miss(inner), outerMiss = miss(outer);
    hull.SheerPoints[2].y = innerMiss >= 0 ? inner
                                           : BracketedRoot(miss, inner, innerMiss, outer, outerMiss,
                                                           kBeamTolerance * target, kBeamSteps);
    SheerStations(hull);
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

}  // namespace sloopform
