#include "generator/robust/RobustHullGeneration.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "analysis/Hydrostatics.h"
#include "generator/DiagonalFitting.h"
#include "generator/Sections.h"
#include "generator/robust/RobustFailure.h"
#include "generator/robust/SectionToTargets.h"
#include "numeric/NumberText.h"
#include "platform/RunControl.h"
#include "platform/UiServices.h"

namespace sloopform {

namespace {

constexpr int kForwardQuarter = 5;
constexpr int kMidship = 10;
constexpr int kAftQuarter = 15;
constexpr int kDiagonalOrder = 3;
constexpr int kAreaCurveSteps = 12;
constexpr long double kVolumeShare = 0.005L;  // of the requested volume
// Newton steps aim inside the tolerances so that the small steps of the
// measured section areas cannot push a met figure back out.
constexpr long double kAim = 0.4L;
// A section further than this from its coefficient is taken as out of reach.
constexpr long double kStuckMiss = 0.02L;
// Fullness and skew move at most this much in one step.
constexpr long double kLargestCurveStep = 0.5L;

long double StationBeam(const HullRecord& hull, int s)
{
    return s == kMidship ? hull.Bwl : hull.Stations[s].DesignWaterlineBeam;
}

long double StationDepth(const HullRecord& hull, int s) { return hull.Tc - hull.Stations[s].KeelHeight; }

int SimpsonMultiplier(int s)
{
    if (s == 0 || s == kLastStation) return 1;
    return s % 2 == 1 ? 4 : 2;
}

// x from -1 at the bow to 1 at the stern.
long double Along(int s) { return (s - kMidship) * 0.1L; }

// The sectional-area curve: station coefficients from fullness and skew,
// kept within what a section of this family can reach.
struct AreaCurve {
    long double K = 0;
    long double D = 0;
    // Stations whose section could not reach its coefficient on the last
    // build: they do not follow K and D.
    std::array<bool, kStationCount> Stuck{};

    long double Requested(const HullRecord& hull, int s) const
    {
        const long double x = Along(s);
        return hull.Cm * (1 + K * x * x + D * x);
    }
    long double Coefficient(const HullRecord& hull, int s) const
    {
        return std::clamp(Requested(hull, s), static_cast<long double>(kLowestSectionCoefficient),
                          static_cast<long double>(kHighestSectionCoefficient));
    }
    bool Clamped(const HullRecord& hull, int s) const
    {
        return s != kMidship && (Stuck[s] || Coefficient(hull, s) != Requested(hull, s));
    }
};

// Volume and moment (volume times LCB in per cent) as the Simpson sums of the
// hydrostatics, predicted from the requested coefficients, and their slopes
// in K and D where no coefficient is clamped.
struct Prediction {
    long double volume = 0, moment = 0;
    long double dVdK = 0, dVdD = 0, dMdK = 0, dMdD = 0;
};

Prediction Predict(const HullRecord& hull, const AreaCurve& curve)
{
    const long double third = hull.Lwl * 0.05L / 3;
    Prediction p;
    for (int s = 1; s < kLastStation; ++s) {
        const long double weight = SimpsonMultiplier(s) * third * StationBeam(hull, s) * StationDepth(hull, s);
        const long double percent = 5.0L * s;
        const long double area = weight * curve.Coefficient(hull, s);
        p.volume += area;
        p.moment += area * percent;
        if (curve.Clamped(hull, s)) continue;
        const long double x = Along(s);
        p.dVdK += weight * hull.Cm * x * x;
        p.dVdD += weight * hull.Cm * x;
        p.dMdK += weight * hull.Cm * x * x * percent;
        p.dMdD += weight * hull.Cm * x * percent;
    }
    return p;
}

struct Request {
    long double volume;
    long double volumeTolerance;
    long double lcb;  // per cent
    long double lcbTolerance;
};

// One Newton step of (K, D) towards the requested volume and moment; false
// when no unclamped station is left to move them.
bool StepTowards(const HullRecord& hull, AreaCurve& curve, long double volumeMiss, long double momentMiss)
{
    const Prediction p = Predict(hull, curve);
    const long double det = p.dVdK * p.dMdD - p.dVdD * p.dMdK;
    if (!(std::fabs(det) > 0) || !std::isfinite(det)) return false;
    long double dK = (volumeMiss * p.dMdD - p.dVdD * momentMiss) / det;
    long double dD = (p.dVdK * momentMiss - p.dMdK * volumeMiss) / det;
    if (!std::isfinite(dK) || !std::isfinite(dD)) return false;
    const long double scale = std::max({std::fabs(dK) / kLargestCurveStep, std::fabs(dD) / kLargestCurveStep, 1.0L});
    curve.K += dK / scale;
    curve.D += dD / scale;
    return true;
}

void MarkConstructed(HullRecord& hull, int s)
{
    TStation& station = hull.Stations[s];
    if (station.SectionDefined) return;
    station.SectionDefined = true;
    hull.DefinedSectionCount += 1;
}

bool IsFitData(int s) { return s == kForwardQuarter || s == kMidship || s == kAftQuarter; }

// The quarter sections become data of the diagonal fit, as in the classic
// method (a fit through more points is ill-conditioned); the fit then gives
// every other station its starting offsets, and each is built to its own
// beam and coefficient in turn.
void BuildStations(HullRecord& hull, AreaCurve& curve, bool warmStart)
{
    auto build = [&](int s, bool warm) {
        const long double wanted = curve.Coefficient(hull, s);
        const SectionReached reached = ConstructSection(hull, s, StationBeam(hull, s), wanted, warm);
        curve.Stuck[s] = std::fabs(reached.Coefficient - wanted) > kStuckMiss;
    };
    for (int s : {kForwardQuarter, kAftQuarter}) {
        build(s, warmStart);
        MarkConstructed(hull, s);
    }
    FitDiagonalsToSections(hull, kDiagonalOrder);
    for (int s = 1; s < kLastStation; ++s)
        if (!IsFitData(s)) build(s, true);
    SectionsFromDiagonals(hull);
}

std::string Coefficient(long double value) { return FormatFixed(value, 2); }
std::string Percent(long double value) { return FormatFixed(value, 1) + " %"; }

bool ClampedAt(const HullRecord& hull, const AreaCurve& curve, int from, int to, long double limit)
{
    for (int s = from; s <= to; ++s)
        if (curve.Clamped(hull, s) && curve.Coefficient(hull, s) == limit) return true;
    return false;
}

// Names the figure that was missed and the parameter to change.
void ExplainMiss(const HullRecord& hull, const AreaCurve& curve, const Request& request, const Hydrostatics& built)
{
    const long double high = kHighestSectionCoefficient, low = kLowestSectionCoefficient;
    const std::string cp = Coefficient(hull.Cp), cm = Coefficient(hull.Cm);
    const long double volumeMiss = request.volume - built.Volume;
    if (std::fabs(volumeMiss) > request.volumeTolerance) {
        if (volumeMiss > 0 && ClampedAt(hull, curve, 1, kLastStation - 1, high))
            FailRun("Required Cp " + cp + " too high for Cm " + cm +
                    ": the sections would need a coefficient above 0.95; lower Cp");
        else if (volumeMiss < 0 && ClampedAt(hull, curve, 1, kLastStation - 1, low))
            FailRun("Required Cp " + cp + " too low for Cm " + cm +
                    ": the sections would need a coefficient below 0.38; raise Cp");
        else
            FailRun("Required volume for Cp " + cp + " could not be met (built " + FormatFixed(built.Volume, 3) +
                    " m3 of " + FormatFixed(request.volume, 3) + " m3); change Cp or LCB");
        return;
    }
    const std::string lcb = Percent(hull.LCB);
    const bool wantsAft = request.lcb > built.LCB;
    const int aftFrom = kMidship + 1, aftTo = kLastStation - 1, foreFrom = 1, foreTo = kMidship - 1;
    if (wantsAft && ClampedAt(hull, curve, aftFrom, aftTo, high))
        FailRun("Required LCB " + lcb + " too far aft for Cp " + cp +
                ": the aft sections would need a coefficient above 0.95; move LCB forward or lower Cp");
    else if (wantsAft && ClampedAt(hull, curve, foreFrom, foreTo, low))
        FailRun("Required LCB " + lcb + " too far aft for Cp " + cp +
                ": the forward sections would need a coefficient below 0.38; move LCB forward or raise Cp");
    else if (!wantsAft && ClampedAt(hull, curve, foreFrom, foreTo, high))
        FailRun("Required LCB " + lcb + " too far forward for Cp " + cp +
                ": the forward sections would need a coefficient above 0.95; move LCB aft or lower Cp");
    else if (!wantsAft && ClampedAt(hull, curve, aftFrom, aftTo, low))
        FailRun("Required LCB " + lcb + " too far forward for Cp " + cp +
                ": the aft sections would need a coefficient below 0.38; move LCB aft or raise Cp");
    else
        FailRun("Required LCB " + lcb + " could not be met with Cp " + cp + " (built " + Percent(built.LCB) +
                "); move LCB towards " + Percent(built.LCB));
}

void ExplainWaterline(const HullRecord& hull, const Hydrostatics& built)
{
    FailRun("Required Cwp " + Coefficient(hull.Cwp) + " and LCF " + Percent(hull.LCF) +
            " could not be met: the sections could not reach the waterline beams (built Cwl " +
            FormatFixed(built.Cwl, 3) + ", LCF " + Percent(built.LCF) + "); change Cwp or LCF");
}

bool Within(long double value, long double target, long double tolerance)
{
    return std::fabs(value - target) <= tolerance;
}

void GenerateToRequest(HullRecord& hull)
{
    const long double requested = hull.Cp * hull.Lwl * hull.Bwl * hull.Tc * hull.Cm;
    const Request request{requested, std::max(kVolumeShare * requested, static_cast<long double>(hull.DimensionGoal)),
                          hull.LCB, hull.PercentageGoal};
    AreaCurve curve;
    // The first guess ignores the limits of the coefficients: the curve that
    // gives the requested sums exactly.
    const Prediction flat = Predict(hull, curve);
    StepTowards(hull, curve, request.volume - flat.volume, request.volume * request.lcb - flat.moment);

    Hydrostatics built{};
    for (int step = 0; step < kAreaCurveSteps; ++step) {
        ConsoleLine(" ConstructSections(" + FormatFixed(curve.K, 3) + ", " + FormatFixed(curve.D, 3) + ")");
        BuildStations(hull, curve, step > 0);
        built = ComputeHydrostatics(hull);
        Ui().ProcessMessages();
        if (CancelFlag()) return;
        if (Within(built.Volume, request.volume, kAim * request.volumeTolerance) &&
            Within(built.LCB, request.lcb, kAim * request.lcbTolerance))
            break;
        const long double volumeMiss = request.volume - built.Volume;
        const long double momentMiss = request.volume * request.lcb - built.Volume * built.LCB;
        if (!StepTowards(hull, curve, volumeMiss, momentMiss)) break;
    }

    if (!Within(built.Volume, request.volume, request.volumeTolerance) ||
        !Within(built.LCB, request.lcb, request.lcbTolerance)) {
        ExplainMiss(hull, curve, request, built);
        return;
    }
    if (!Within(built.Cwl, hull.Cwp, hull.CoefficientGoal) || !Within(built.LCF, hull.LCF, hull.PercentageGoal))
        ExplainWaterline(hull, built);
}

void BuildMidship(HullRecord& hull)
{
    InitialiseDiagonalEnds(hull);
    ConsoleLine(" ConstructSection(" + std::to_string(kMidship) + ", " + FormatFixed(hull.Cm, 3) + ", " +
                FormatFixed(hull.Bwl, 3) + ")");
    const SectionReached reached = ConstructSection(hull, kMidship, hull.Bwl, hull.Cm, false);
    MarkConstructed(hull, kMidship);
    if (!Within(reached.Coefficient, hull.Cm, hull.CoefficientGoal * kAim)) {
        const bool tooHigh = reached.Coefficient < hull.Cm;
        FailRun("Required Cm " + Coefficient(hull.Cm) + (tooHigh ? " too high" : " too low") +
                " for the midship section of Bwl " + FormatFixed(hull.Bwl, 3) + " m and Tc " +
                FormatFixed(hull.Tc, 3) + " m: the nearest section has Cm " + FormatFixed(reached.Coefficient, 3) +
                (tooHigh ? "; lower Cm" : "; raise Cm"));
        return;
    }
    FitDiagonalsToSections(hull, kDiagonalOrder);
}

}  // namespace

void InitialiseRobustDiagonals(HullRecord& hull)
{
    RunGuarded("Midship section", [&hull] { BuildMidship(hull); });
}

void GenerateRobustHull(HullRecord& hull)
{
    RunGuarded("Hull", [&hull] { GenerateToRequest(hull); });
}

}  // namespace sloopform
