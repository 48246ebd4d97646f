#include "generator/robust/RobustWaterline.h"

#include <cmath>

#include "generator/Waterline.h"
#include "generator/robust/RobustFailure.h"
#include "numeric/NumberText.h"
#include "platform/RunControl.h"

namespace sloopform {

namespace {

constexpr int kForwardShoulder = 2;
constexpr int kAftShoulder = 8;
constexpr int kMidship = 10;
// A shoulder may stand a little wider than half of Bwl before the waterline
// bulges past it between the stations.
constexpr long double kWidestShoulder = 1.15L;  // times Bwl / 2

struct StationSums {
    long double area = 0;    // sum of Simpson-weighted beams
    long double moment = 0;  // the same weighted by the station number
};

// The beams the sections will be built to, as the hydrostatics integrate them.
StationSums SumsFor(HullRecord& hull, long double forward, long double aft)
{
    hull.WaterlinePoints[kForwardShoulder].y = forward;
    hull.WaterlinePoints[kAftShoulder].y = aft;
    WaterlineStations(hull);
    StationSums sums;
    for (int s = 1; s < kLastStation; ++s) {
        const long double beam = s == kMidship ? static_cast<long double>(hull.Bwl)
                                               : static_cast<long double>(hull.Stations[s].DesignWaterlineBeam);
        const int multiplier = s % 2 == 1 ? 4 : 2;
        sums.area += multiplier * beam;
        sums.moment += multiplier * beam * s;
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

void SolveShoulders(HullRecord& hull)
{
    SetWaterlinePoints(hull);
    const long double unit = hull.Bwl * 0.5L;
    const StationSums base = SumsFor(hull, 0, 0);
    const StationSums forward = SumsFor(hull, unit, 0);
    const StationSums aft = SumsFor(hull, 0, unit);
    // Targets of the sums: Cwl = (h / 3) sum / Bwl Lwl with h = Lwl / 20.
    const long double areaTarget = hull.Cwp * 60 * hull.Bwl;
    const long double momentTarget = areaTarget * hull.LCF * 0.2L;
    const long double a11 = forward.area - base.area, a12 = aft.area - base.area;
    const long double a21 = forward.moment - base.moment, a22 = aft.moment - base.moment;
    const long double r1 = areaTarget - base.area, r2 = momentTarget - base.moment;
    const long double det = a11 * a22 - a12 * a21;
    const long double f = (r1 * a22 - a12 * r2) / det;
    const long double a = (a11 * r2 - a21 * r1) / det;
    if (!std::isfinite(f) || !std::isfinite(a)) {
        FailRun("Waterline could not be built from these parameters; check Lwl, Bwl and LCF");
        return;
    }
    if (f < 0 || f > kWidestShoulder) {
        ExplainShoulder(hull, true, f > 0);
        return;
    }
    if (a < 0 || a > kWidestShoulder) {
        ExplainShoulder(hull, false, a > 0);
        return;
    }
    SumsFor(hull, f * unit, a * unit);
}

}  // namespace

void CreateRobustWaterline(HullRecord& hull)
{
    RunGuarded("Waterline", [&hull] { SolveShoulders(hull); });
    hull.WaterlineDone = true;
    hull.Stations[0].DesignWaterlineBeam = 0;
    hull.Stations[kLastStation].DesignWaterlineBeam = 0;
}

}  // namespace sloopform
