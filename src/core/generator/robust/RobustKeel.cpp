#include "generator/robust/RobustKeel.h"

#include <cmath>

#include "generator/Profile.h"
#include "generator/robust/RobustSheerline.h"

namespace sloopform {

namespace {

// The shallowest keel at a quarter, over Tc: the usual range ends at
// kShallowQuarter; a body that must grow finer still has its forefoot or run
// cut away up to kCutAwayQuarter.
constexpr long double kShallowQuarter = 0.4L;
constexpr long double kCutAwayQuarter = 0.6L;
constexpr int kHeightHalvings = 7;
// A move is taken a little past the least one the prediction needs: the
// built sections miss the predicted areas by a little.
constexpr long double kMoveMargin = 1.6L;

Real48& QuarterHeight(HullRecord& hull, KeelQuarter quarter)
{
    return quarter == KeelQuarter::Forward ? hull.ForefootKeelHeight : hull.AftKeelHeight;
}

void BuildKeel(HullRecord& hull, KeelQuarter quarter, long double height)
{
    QuarterHeight(hull, quarter) = height;
    CreateProfile(hull);
}

// Where a move of the keel at `now` ends: at the end of the range it is in,
// the usual one or the cut-away one; it enters the other only from their
// common end.
long double EndOfMove(const HullRecord& hull, long double now, bool deeper)
{
    const long double shallow = kShallowQuarter * hull.Tc;
    if (deeper) return now > shallow + hull.DimensionGoal ? shallow : 0;
    return now < shallow - hull.DimensionGoal ? shallow : kCutAwayQuarter * hull.Tc;
}

bool ClampedIn(const HullRecord& hull, const AreaCurve& curve, KeelQuarter quarter, bool wantsFuller)
{
    return quarter == KeelQuarter::Aft ? curve.ClampedBetween(hull, kMidshipStation + 1, kLastStation - 1, wantsFuller)
                                       : curve.ClampedBetween(hull, 1, kMidshipStation - 1, wantsFuller);
}

// A trial keel for the search: the profile of the height at the transom
// rise last solved, whose keel heights differ from the solved profile's only
// near the aft end of the waterline, by far less than the move's margin.
void TryKeel(HullRecord& hull, KeelQuarter quarter, long double height)
{
    QuarterHeight(hull, quarter) = height;
    BuildProfile(hull);
    ProfileStations(hull);
}

bool Reaches(HullRecord& hull, const AreaCurve& curve, const VolumeRequest& request, KeelMove move,
             long double height)
{
    TryKeel(hull, move.Quarter, height);
    AreaCurve trial = curve;
    const AreaSums target{request.volume, request.volume * request.lcb};
    return SolveAreaCurve(hull, trial, target, request).Norm() <= kAreaCurveAim * kAreaCurveAim &&
           !ClampedIn(hull, trial, move.Quarter, move.Deeper);
}

}  // namespace

std::vector<KeelMove> KeelMovesTowards(const HullRecord& hull, const AreaCurve& curve, bool lcbAft)
{
    const KeelQuarter gaining = lcbAft ? KeelQuarter::Aft : KeelQuarter::Forward;
    const KeelQuarter shedding = lcbAft ? KeelQuarter::Forward : KeelQuarter::Aft;
    std::vector<KeelMove> moves;
    if (ClampedIn(hull, curve, gaining, true)) moves.push_back({gaining, true});
    if (ClampedIn(hull, curve, shedding, false)) moves.push_back({shedding, false});
    return moves;
}

std::vector<KeelMove> KeelMovesForVolume(const HullRecord& hull, const AreaCurve& curve, bool more)
{
    std::vector<KeelMove> moves;
    for (KeelQuarter quarter : {KeelQuarter::Aft, KeelQuarter::Forward})
        if (ClampedIn(hull, curve, quarter, more)) moves.push_back({quarter, more});
    return moves;
}

std::vector<KeelMove> KeelMovesOutOfLimits(const HullRecord& hull, const AreaCurve& curve)
{
    std::vector<KeelMove> moves = KeelMovesTowards(hull, curve, true);
    for (const KeelMove& move : KeelMovesTowards(hull, curve, false)) moves.push_back(move);
    return moves;
}

bool MoveKeel(HullRecord& hull, const AreaCurve& curve, const VolumeRequest& request, KeelMove move)
{
    const long double now = QuarterHeight(hull, move.Quarter);
    const long double end = EndOfMove(hull, now, move.Deeper);
    if (std::fabs(end - now) <= hull.DimensionGoal) return false;
    long double height = end;
    if (Reaches(hull, curve, request, move, end)) {
        long double notReaching = now, reaching = end;
        for (int step = 0; step < kHeightHalvings; ++step) {
            const long double middle = 0.5L * (notReaching + reaching);
            (Reaches(hull, curve, request, move, middle) ? reaching : notReaching) = middle;
        }
        height = now + kMoveMargin * (reaching - now);
        if ((end - height) * (end - now) < 0) height = end;
    }
    BuildKeel(hull, move.Quarter, height);
    CreateRobustSheerline(hull);
    return true;
}

}  // namespace sloopform
