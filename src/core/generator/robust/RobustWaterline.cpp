#include "generator/robust/RobustWaterline.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

#include "analysis/HullCheck.h"
#include "analysis/StationLoft.h"
#include "generator/GeneratorState.h"
#include "generator/Sections.h"
#include "generator/Waterline.h"
#include "generator/robust/RobustFailure.h"
#include "generator/robust/RobustSheerline.h"
#include "numeric/NumberText.h"
#include "platform/RunControl.h"

namespace sloopform {

namespace {

constexpr int kForwardShoulder = 2;
constexpr int kAftShoulder = 8;
// A shoulder may stand a little wider than half of Bwl before the waterline
// bulges past it between the stations.
constexpr long double kWidestShoulder = 1.15L;  // times Bwl / 2
// The widest part of the waterline may move this far from LCF (fractions of
// Lwl, in these steps) when the sections could not carry the volume at LCB
// with the widest part at LCF.
constexpr long double kWidestShift = 0.2L;
constexpr int kShiftSteps = 8;
// The parallel part reaches this far either side of the widest point
// (fractions of Lwl): as the classic waterline has it, then longer for a full
// waterplane whose shoulders would bulge past Bwl, or shorter for a fine one;
// the longest, for a full waterplane whose centre stands far from midship,
// leaves only the entry or the run forward or aft of it.
constexpr long double kClassicFlat = 0.1L;
constexpr std::array<long double, 6> kFlats = {kClassicFlat, 0.15L, 0.05L, 0.2L, 0.25L, 0.3L};
// How far below Bwl the waterline may pass the midship section.
constexpr long double kMidshipOnWidest = 1e-4L;
// How far inside the reachable LCB range the request must lie (per cent of
// Lwl): the range is reckoned on the family's widest coefficient limits,
// which the sections of the shallow stations near the ends fall short of.
constexpr long double kLcbMargin = 1.0L;

struct StationSums {
    long double area = 0;    // the beams integrated along the loft, in station units
    long double moment = 0;  // the same times the position
};

// The beams the sections will be built to, integrated as the exact
// hydrostatics integrate the sections lofted between the stations.
StationSums SumsFor(HullRecord& hull, long double forward, long double aft)
{
    hull.WaterlinePoints[kForwardShoulder].y = forward;
    hull.WaterlinePoints[kAftShoulder].y = aft;
    WaterlineStations(hull);
    const LoftIntegrals& loft = StationLoftIntegrals();
    StationSums sums;
    for (int s = 1; s < kLastStation; ++s) {
        const long double beam = s == kMidshipStation ? static_cast<long double>(hull.Bwl)
                                               : static_cast<long double>(hull.Stations[s].DesignWaterlineBeam);
        sums.area += loft.Area[s] * beam;
        sums.moment += loft.Moment[s] * beam;
    }
    return sums;
}

std::string Percent(long double value) { return FormatFixed(value, 1) + " %"; }

void ExplainShoulder(const HullRecord& hull, bool forward, bool tooWide)
{
    const std::string cwp = FormatFixed(hull.Cwp, 2);
    const std::string lcf = Percent(hull.LCF);
    if (tooWide)
        FailRun("Required Cwp " + cwp + " too high for LCF " + lcf + ": the " +
                (forward ? "forward" : "aft") + " waterline would be wider than Bwl; lower Cwp or move LCF " +
                (forward ? "forward" : "aft"));
    else
        FailRun("Required Cwp " + cwp + " too low for LCF " + lcf + ": the " + (forward ? "forward" : "aft") +
                " waterline would cross the centre line; raise Cwp or move LCF " + (forward ? "aft" : "forward"));
}

// Where the widest part of the waterline (the points from the forward to the
// aft end of the parallel part) stands: moved aft from LCF by `shift` and
// reaching `flat` either side of its middle, both fractions of Lwl.
struct WidestPart {
    long double shift = 0;
    long double flat = kClassicFlat;
};

// Places the widest part. False when it would pass a shoulder, which would
// fold the curve.
bool PlaceWidest(HullRecord& hull, const WidestPart& part)
{
    SetWaterlinePoints(hull);
    TPointBlock2& w = hull.WaterlinePoints;
    const long double middle = w[5].x + part.shift * hull.Lwl;
    for (int i = 4; i <= 6; ++i) w[i].x = middle;
    w[3].x = middle - part.flat * hull.Lwl;
    w[7].x = middle + part.flat * hull.Lwl;
    return w[3].x > w[2].x && w[7].x < w[8].x;
}

struct Shoulders {
    long double forward = 0, aft = 0;  // times Bwl / 2
    bool Fit() const
    {
        return forward >= 0 && forward <= kWidestShoulder && aft >= 0 && aft <= kWidestShoulder;
    }
};

// The shoulders whose station beams integrate to Cwp with the centre at LCF.
std::optional<Shoulders> ShouldersFor(HullRecord& hull, const WaterlineAim& aim)
{
    const long double unit = hull.Bwl * 0.5L;
    const StationSums base = SumsFor(hull, 0, 0);
    const StationSums forward = SumsFor(hull, unit, 0);
    const StationSums aft = SumsFor(hull, 0, unit);
    // Targets of the sums: Cwl = h sum / Bwl Lwl with h = Lwl / 20.
    const long double areaTarget = aim.Cwp * 20 * hull.Bwl;
    const long double momentTarget = areaTarget * aim.LCF * 0.2L;
    const long double a11 = forward.area - base.area, a12 = aft.area - base.area;
    const long double a21 = forward.moment - base.moment, a22 = aft.moment - base.moment;
    const long double r1 = areaTarget - base.area, r2 = momentTarget - base.moment;
    const long double det = a11 * a22 - a12 * a21;
    const long double f = (r1 * a22 - a12 * r2) / det;
    const long double a = (a11 * r2 - a21 * r1) / det;
    if (!std::isfinite(f) || !std::isfinite(a)) return std::nullopt;
    const Shoulders shoulders{f, a};
    if (shoulders.Fit()) SumsFor(hull, f * unit, a * unit);
    return shoulders;
}

// How far inside the range of centres (per cent of Lwl) that sections between
// the family's coefficient limits (Cm at midship) on these station beams can
// give the requested volume the requested LCB lies; negative outside. The
// foremost and aftmost centres come from filling the stations to the upper
// limit from one end while the others stay at the lower limit.
long double LcbSlack(const HullRecord& hull)
{
    std::array<long double, kStationCount> lowest{}, highest{};
    long double volume = 0, lowMoment = 0;
    const long double requested = hull.Cp * hull.Cm * hull.Lwl * hull.Bwl * hull.Tc;
    const long double third = hull.Lwl * 0.05L / 3;
    for (int s = 1; s < kLastStation; ++s) {
        const long double beam = s == kMidshipStation ? static_cast<long double>(hull.Bwl)
                                               : static_cast<long double>(hull.Stations[s].DesignWaterlineBeam);
        const long double area = (s % 2 == 1 ? 4 : 2) * third * beam * (hull.Tc - hull.Stations[s].KeelHeight);
        lowest[s] = area * (s == kMidshipStation ? hull.Cm : kLowestSectionCoefficient);
        highest[s] = area * (s == kMidshipStation ? hull.Cm : kHighestSectionCoefficient);
        volume += lowest[s];
        lowMoment += lowest[s] * s;
    }
    auto extremeLcb = [&](int first, int step) {
        long double left = requested - volume, moment = lowMoment;
        for (int s = first; s > 0 && s < kLastStation && left > 0; s += step) {
            const long double added = std::min(left, highest[s] - lowest[s]);
            left -= added;
            moment += added * s;
        }
        return moment / requested * 5;  // per cent of Lwl
    };
    // A volume out of reach is named by the hull stage.
    if (requested < volume) return std::numeric_limits<long double>::infinity();
    return std::min(hull.LCB - extremeLcb(1, 1), extremeLcb(kLastStation - 1, -1) - hull.LCB);
}

// The station beams the sections will be built to: within Bwl, with the
// midship section, which is built to Bwl, on the widest part, and fair.
bool FairWaterline(const HullRecord& hull)
{
    if (DesignWaterlinePastBwl(hull)) return false;
    if (hull.Stations[kMidshipStation].DesignWaterlineBeam < (1 - kMidshipOnWidest) * hull.Bwl) return false;
    std::vector<long double> halfBreadths;
    for (int s = 0; s <= kLastStation; ++s)
        halfBreadths.push_back((s == kMidshipStation ? hull.Bwl : hull.Stations[s].DesignWaterlineBeam) * 0.5L);
    return FairAlongStations(halfBreadths, hull.Bwl);
}

// The places the widest part may take, nearest LCF first; the one that last
// served, if any, heads the list.
std::vector<WidestPart> WidestParts()
{
    const RobustWaterlineMemo& last = Generator().RobustWaterline;
    std::vector<WidestPart> parts;
    if (last.Placed) parts.push_back({last.Shift, last.Flat});
    for (long double flat : kFlats)
        for (int step = 0; step <= 2 * kShiftSteps; ++step) {
            const WidestPart part{kWidestShift * ((step + 1) / 2) * (step % 2 == 1 ? 1 : -1) / kShiftSteps, flat};
            if (!(last.Placed && part.shift == last.Shift && part.flat == last.Flat)) parts.push_back(part);
        }
    return parts;
}

// The widest part stays at LCF unless the shoulders or the LCB need it
// moved; then the nearest place that serves both is taken, or failing that
// the one that leaves the LCB the most room. Aimed again, the waterline
// keeps its widest part where it was while that still serves.
void SolveShoulders(HullRecord& hull, const WaterlineAim& aim)
{
    std::optional<WidestPart> roomiest;
    long double mostRoom = -std::numeric_limits<long double>::infinity();
    for (const WidestPart& part : WidestParts()) {
        if (!PlaceWidest(hull, part)) continue;
        const std::optional<Shoulders> shoulders = ShouldersFor(hull, aim);
        if (!shoulders || !shoulders->Fit() || !FairWaterline(hull)) continue;
        const long double room = LcbSlack(hull);
        if (room >= kLcbMargin) {
            Generator().RobustWaterline = {true, part.shift, part.flat};
            return;
        }
        if (room > mostRoom) {
            mostRoom = room;
            roomiest = part;
        }
    }
    PlaceWidest(hull, roomiest.value_or(WidestPart{}));
    const std::optional<Shoulders> shoulders = ShouldersFor(hull, aim);
    if (!shoulders) {
        FailRun("Waterline could not be built from these parameters; check Lwl, Bwl and LCF");
        return;
    }
    if (shoulders->forward < 0 || shoulders->forward > kWidestShoulder)
        ExplainShoulder(hull, true, shoulders->forward > 0);
    else if (shoulders->aft < 0 || shoulders->aft > kWidestShoulder)
        ExplainShoulder(hull, false, shoulders->aft > 0);
}

}  // namespace

void CreateRobustWaterline(HullRecord& hull) { AimRobustWaterline(hull, {hull.Cwp, hull.LCF}); }

void AimRobustWaterline(HullRecord& hull, const WaterlineAim& aim)
{
    RunGuarded("Waterline", [&hull, &aim] { SolveShoulders(hull, aim); });
    hull.WaterlineDone = true;
    hull.Stations[0].DesignWaterlineBeam = 0;
    hull.Stations[kLastStation].DesignWaterlineBeam = 0;
    if (CancelFlag()) return;
    // A deck filled out over the last waterline is a cubic: the quadratic is
    // fitted again, then widened and filled for this one.
    if (hull.SheerPointCount != kSheerPointCount) CreateRobustSheerline(hull);
    WidenDeckOverWaterline(hull);
    FillDeckOverWaterline(hull);
}

}  // namespace sloopform
