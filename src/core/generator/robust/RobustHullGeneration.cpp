#include "generator/robust/RobustHullGeneration.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "analysis/DesignFigures.h"
#include "analysis/ExactHydrostatics.h"
#include "analysis/HullCheck.h"
#include "generator/DiagonalFitting.h"
#include "generator/Sections.h"
#include "generator/Transom.h"
#include "generator/robust/RobustFailure.h"
#include "generator/robust/RobustWaterline.h"
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
constexpr int kCurveSolveSteps = 40;
constexpr int kCurveHalvings = 12;
constexpr long double kCurveDifference = 1e-4L;
// Times the waterline is aimed again when the built hull misses Cwl or LCF.
constexpr int kWaterlineCorrections = 3;
// Newton steps aim inside the tolerances so that the small steps of the
// measured section areas cannot push a met figure back out.
constexpr long double kAim = 0.4L;
// A built hull this close to its volume and LCB (as shares of the
// tolerances) is kept: the report measures it the same way.
constexpr long double kAccept = 0.8L;

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

// The sectional-area curve: station coefficients Cm (1 + F2 x^2 + F4 x^4)
// forward of midship and Cm (1 + A2 x^2 + A4 x^4) aft of it, so that either
// body can be made fuller or finer on its own, near midship or towards its
// end, while the curve stays smooth at midship; kept within what a section
// of this family can reach at each station.
constexpr int kCurveTerms = 4;  // F2, F4, A2, A4
struct AreaCurve {
    std::array<long double, kCurveTerms> Terms{};
    // What each station's section can reach: the family's limits, narrowed
    // to what a station reached when it fell short of its coefficient.
    std::array<long double, kStationCount> Lowest;
    std::array<long double, kStationCount> Highest;

    AreaCurve()
    {
        Lowest.fill(kLowestSectionCoefficient);
        Highest.fill(kHighestSectionCoefficient);
    }
    long double Requested(const HullRecord& hull, int s) const
    {
        const long double x = Along(s);
        const long double x2 = x * x;
        const int first = x < 0 ? 0 : 2;
        return hull.Cm * (1 + Terms[first] * x2 + Terms[first + 1] * x2 * x2);
    }
    long double Coefficient(const HullRecord& hull, int s) const
    {
        return std::clamp(Requested(hull, s), Lowest[s], Highest[s]);
    }
    bool ClampedHigh(const HullRecord& hull, int s) const
    {
        return s != kMidship && Requested(hull, s) > Highest[s];
    }
    bool ClampedLow(const HullRecord& hull, int s) const
    {
        return s != kMidship && Requested(hull, s) < Lowest[s];
    }
};

// Volume and moment (volume times LCB in per cent) as the Simpson sums of the
// hydrostatics, predicted from the coefficients the curve gives.
struct Sums {
    long double volume = 0, moment = 0;
};

Sums Predict(const HullRecord& hull, const AreaCurve& curve)
{
    const long double third = hull.Lwl * 0.05L / 3;
    Sums p;
    for (int s = 1; s < kLastStation; ++s) {
        const long double coefficient = s == kMidship ? static_cast<long double>(hull.Cm) : curve.Coefficient(hull, s);
        const long double area = SimpsonMultiplier(s) * third * StationBeam(hull, s) * StationDepth(hull, s) * coefficient;
        p.volume += area;
        p.moment += area * 5.0L * s;
    }
    return p;
}

struct Request {
    long double volume;
    long double volumeTolerance;
    long double lcb;  // per cent
    long double lcbTolerance;
};

// The misses of predicted sums from the target sums, each over its tolerance.
struct Misses {
    long double volume = 0, lcb = 0;
    long double Norm() const { return volume * volume + lcb * lcb; }
};

Misses MissesOf(const Sums& p, const Sums& target, const Request& request)
{
    return {(target.volume - p.volume) / request.volumeTolerance,
            (target.moment - p.moment) / (request.volume * request.lcbTolerance)};
}

// The curve terms whose predicted sums meet the target: Gauss-Newton steps of
// least size (the terms move as little as the two sums allow), with
// differences taken on the clamped curve and each step halved until the
// misses shrink, so that a curve running into its limits cannot throw the
// steps about.
void SolveCurve(const HullRecord& hull, AreaCurve& curve, const Sums& target, const Request& request)
{
    Misses now = MissesOf(Predict(hull, curve), target, request);
    for (int step = 0; step < kCurveSolveSteps && now.Norm() > kAim * kAim * 0.01L; ++step) {
        std::array<long double, kCurveTerms> dV{}, dL{};
        for (int t = 0; t < kCurveTerms; ++t) {
            AreaCurve moved = curve;
            moved.Terms[t] += kCurveDifference;
            const Misses m = MissesOf(Predict(hull, moved), target, request);
            dV[t] = (m.volume - now.volume) / kCurveDifference;
            dL[t] = (m.lcb - now.lcb) / kCurveDifference;
        }
        long double vv = 0, vl = 0, ll = 0;
        for (int t = 0; t < kCurveTerms; ++t) {
            vv += dV[t] * dV[t];
            vl += dV[t] * dL[t];
            ll += dL[t] * dL[t];
        }
        const long double det = vv * ll - vl * vl;
        long double yV = 0, yL = 0;  // the step is dV yV + dL yL
        if (std::fabs(det) > 1e-12L * (vv * ll) && std::isfinite(det)) {
            yV = -(now.volume * ll - vl * now.lcb) / det;
            yL = -(vv * now.lcb - vl * now.volume) / det;
        } else {
            // Steepest descent when the curve has run into its limits in one direction.
            yV = -now.volume * 1e-3L;
            yL = -now.lcb * 1e-3L;
        }
        std::array<long double, kCurveTerms> change{};
        for (int t = 0; t < kCurveTerms; ++t) change[t] = dV[t] * yV + dL[t] * yL;
        bool improved = false;
        for (int h = 0; h < kCurveHalvings && !improved; ++h) {
            AreaCurve trial = curve;
            for (int t = 0; t < kCurveTerms; ++t) trial.Terms[t] += std::ldexp(change[t], -h);
            const Misses m = MissesOf(Predict(hull, trial), target, request);
            if (std::isfinite(m.Norm()) && m.Norm() < now.Norm()) {
                curve = trial;
                now = m;
                improved = true;
            }
        }
        if (!improved) return;
    }
}

void MarkConstructed(HullRecord& hull, int s)
{
    TStation& station = hull.Stations[s];
    if (station.SectionDefined) return;
    station.SectionDefined = true;
    hull.DefinedSectionCount += 1;
}

// The diagonal fit as the classic method makes it; the end stations it
// leaves are kept from folding too, before any figure of the hull is measured.
void FitDiagonalsKeepingTheEnds(HullRecord& hull)
{
    FitDiagonalsToSections(hull, kDiagonalOrder);
    for (int s : {0, kLastStation}) KeepSectionWithinEnvelope(hull, s);
}

bool IsFitData(int s) { return s == kForwardQuarter || s == kMidship || s == kAftQuarter; }

// The quarter sections become data of the diagonal fit, as in the classic
// method (a fit through more points is ill-conditioned); every other station
// is then built to its own beam and coefficient, and the curve learns the
// range of coefficients each station's section can have.
void BuildStations(HullRecord& hull, AreaCurve& curve)
{
    auto build = [&](int s) {
        const SectionReached reached = ConstructSection(hull, s, StationBeam(hull, s), curve.Coefficient(hull, s));
        curve.Lowest[s] = reached.Lowest;
        curve.Highest[s] = reached.Highest;
    };
    for (int s : {kForwardQuarter, kAftQuarter}) {
        build(s);
        MarkConstructed(hull, s);
    }
    FitDiagonalsKeepingTheEnds(hull);
    for (int s = 1; s < kLastStation; ++s)
        if (!IsFitData(s)) build(s);
    SectionsFromDiagonals(hull);
}

bool Within(long double value, long double target, long double tolerance)
{
    return std::fabs(value - target) <= tolerance;
}

std::string Coefficient(long double value) { return FormatFixed(value, 2); }
std::string Percent(long double value) { return FormatFixed(value, 1) + " %"; }

bool ClampedAt(const HullRecord& hull, const AreaCurve& curve, int from, int to, bool high)
{
    for (int s = from; s <= to; ++s)
        if (high ? curve.ClampedHigh(hull, s) : curve.ClampedLow(hull, s)) return true;
    return false;
}

// Names the figure that was missed and the parameter to change. An LCB the
// body cannot reach is named first: the volume is then usually missed only
// because the steps traded it against the LCB.
void ExplainMiss(const HullRecord& hull, const AreaCurve& curve, const Request& request, const ExactHydrostatics& built)
{
    const bool high = true, low = false;
    const std::string cp = Coefficient(hull.Cp), cm = Coefficient(hull.Cm);
    const std::string lcb = Percent(hull.LCB);
    const bool wantsAft = request.lcb > built.LCB;
    const int aftFrom = kMidship + 1, aftTo = kLastStation - 1, foreFrom = 1, foreTo = kMidship - 1;
    if (!Within(built.LCB, request.lcb, request.lcbTolerance)) {
        if (wantsAft && ClampedAt(hull, curve, aftFrom, aftTo, high))
            return FailRun("Required LCB " + lcb + " too far aft for Cp " + cp +
                           ": the aft sections would need to be fuller than their beams and depths allow; move LCB forward or lower Cp");
        if (wantsAft && ClampedAt(hull, curve, foreFrom, foreTo, low))
            return FailRun("Required LCB " + lcb + " too far aft for Cp " + cp +
                           ": the forward sections would need to be finer than their beams and depths allow; move LCB forward or raise Cp");
        if (!wantsAft && ClampedAt(hull, curve, foreFrom, foreTo, high))
            return FailRun("Required LCB " + lcb + " too far forward for Cp " + cp +
                           ": the forward sections would need to be fuller than their beams and depths allow; move LCB aft or lower Cp");
        if (!wantsAft && ClampedAt(hull, curve, aftFrom, aftTo, low))
            return FailRun("Required LCB " + lcb + " too far forward for Cp " + cp +
                           ": the aft sections would need to be finer than their beams and depths allow; move LCB aft or raise Cp");
    }
    const long double volumeMiss = request.volume - built.Volume;
    if (std::fabs(volumeMiss) > request.volumeTolerance) {
        if (volumeMiss > 0 && ClampedAt(hull, curve, 1, kLastStation - 1, high))
            return FailRun("Required Cp " + cp + " too high for Cm " + cm +
                           ": the sections would need to be fuller than their beams and depths allow; lower Cp");
        if (volumeMiss < 0 && ClampedAt(hull, curve, 1, kLastStation - 1, low))
            return FailRun("Required Cp " + cp + " too low for Cm " + cm +
                           ": the sections would need to be finer than their beams and depths allow; raise Cp");
        return FailRun("Required volume for Cp " + cp + " could not be met (built " + FormatFixed(built.Volume, 3) +
                       " m3 of " + FormatFixed(request.volume, 3) + " m3); change Cp or LCB");
    }
    FailRun("Required LCB " + lcb + " could not be met with Cp " + cp + " (built " + Percent(built.LCB) +
            "); move LCB towards " + Percent(built.LCB));
}

void ExplainWaterline(const HullRecord& hull, const ExactHydrostatics& built)
{
    FailRun("Required Cwp " + Coefficient(hull.Cwp) + " and LCF " + Percent(hull.LCF) +
            " could not be met: the sections could not reach the waterline beams (built Cwl " +
            FormatFixed(built.Cwl, 3) + ", LCF " + Percent(built.LCF) + "); change Cwp or LCF");
}

// The sectional-area curve solved and the stations built until the volume
// and LCB meet the request; returns the built hull's exact figures.
ExactHydrostatics MeetVolumeAndLcb(HullRecord& hull, AreaCurve& curve, const Request& request)
{
    // The built hull's sums differ from the predicted ones by what the
    // sections miss; the target of the next solve is moved by that much.
    Sums target{request.volume, request.volume * request.lcb};
    ExactHydrostatics built{};
    for (int step = 0; step < kAreaCurveSteps; ++step) {
        const AreaCurve before = curve;
        SolveCurve(hull, curve, target, request);
        // Nothing left to move: building the same sections again changes nothing.
        if (step > 0 && curve.Terms == before.Terms) break;
        std::string terms;
        for (long double term : curve.Terms) terms += (terms.empty() ? "" : ", ") + FormatFixed(term, 3);
        ConsoleLine(" ConstructSections(" + terms + ")");
        BuildStations(hull, curve);
        built = ComputeExactHydrostatics(hull);
        Ui().ProcessMessages();
        if (CancelFlag()) break;
        if (Within(built.Volume, request.volume, kAccept * request.volumeTolerance) &&
            Within(built.LCB, request.lcb, kAccept * request.lcbTolerance))
            break;
        const Sums predicted = Predict(hull, curve);
        target.volume = request.volume + predicted.volume - built.Volume;
        target.moment = request.volume * request.lcb + predicted.moment - built.Volume * built.LCB;
    }
    return built;
}

void GenerateToRequest(HullRecord& hull)
{
    const DesignFigureValues tolerance = FigureTolerances(hull);
    const Request request{RequestedFigures(hull)[kVolumeFigure], tolerance[kVolumeFigure], hull.LCB,
                          tolerance[kLcbFigure]};
    AreaCurve curve;
    WaterlineAim aim{hull.Cwp, hull.LCF};
    for (int correction = 0;; ++correction) {
        const ExactHydrostatics built = MeetVolumeAndLcb(hull, curve, request);
        if (CancelFlag()) return;
        if (!Within(built.Volume, request.volume, request.volumeTolerance) ||
            !Within(built.LCB, request.lcb, request.lcbTolerance))
            return ExplainMiss(hull, curve, request, built);
        if (Within(built.Cwl, hull.Cwp, tolerance[kCwlFigure]) && Within(built.LCF, hull.LCF, tolerance[kLcfFigure]))
            return;
        if (correction == kWaterlineCorrections) return ExplainWaterline(hull, built);
        // The waterline aimed again by what the lofted sections missed.
        aim.Cwp += hull.Cwp - built.Cwl;
        aim.LCF += hull.LCF - built.LCF;
        ConsoleLine(" AimWaterline(" + FormatFixed(aim.Cwp, 4) + ", " + FormatFixed(aim.LCF, 3) + ")");
        AimRobustWaterline(hull, aim);
        if (CancelFlag()) return;
    }
}

void BuildMidship(HullRecord& hull)
{
    InitialiseDiagonalEnds(hull);
    ConsoleLine(" ConstructSection(" + std::to_string(kMidship) + ", " + FormatFixed(hull.Cm, 3) + ", " +
                FormatFixed(hull.Bwl, 3) + ")");
    const SectionReached reached = ConstructSection(hull, kMidship, hull.Bwl, hull.Cm);
    MarkConstructed(hull, kMidship);
    if (!reached.BeamKept) {
        FailRun("Required Bwl " + FormatFixed(hull.Bwl, 3) + " m too near BMax " + FormatFixed(hull.BMax, 3) +
                " m for the midship section: it reaches at most " + FormatFixed(2 * reached.HalfBreadth, 3) +
                " m at the waterline; lower Bwl or raise BMax");
        return;
    }
    // The midship section is data of the diagonal fit and keeps the
    // coefficient it reached, so the goal itself is the test.
    if (!Within(reached.Coefficient, hull.Cm, hull.CoefficientGoal)) {
        const bool tooHigh = reached.Coefficient < hull.Cm;
        FailRun("Required Cm " + Coefficient(hull.Cm) + (tooHigh ? " too high" : " too low") +
                " for the midship section of Bwl " + FormatFixed(hull.Bwl, 3) + " m and Tc " +
                FormatFixed(hull.Tc, 3) + " m: the nearest section has Cm " + FormatFixed(reached.Coefficient, 3) +
                (tooHigh ? "; lower Cm" : "; raise Cm"));
        return;
    }
    FitDiagonalsKeepingTheEnds(hull);
}

// What to change for the first fault: a section that cannot keep its shape
// holds more area than its beam and depth allow at that end of the hull; an
// unfair waterline or area curve follows from where the volume is asked to lie.
std::string Remedy(const HullFault& fault)
{
    if (fault.Station >= 0 && fault.Station < kMidship)
        return "the forward sections cannot carry their share of the volume on their beams; lower Cp, move LCB aft "
               "or raise Cwp";
    if (fault.Station > kMidship)
        return "the aft sections cannot carry their share of the volume on their beams; lower Cp, move LCB forward "
               "or raise Cwp";
    if (fault.Station == kMidship) return "the midship section cannot keep Cm on Bwl and Tc; change Cm";
    if (fault.Kind == HullFaultKind::UnfairWaterline) return "change Cwp or move LCF towards 55 %";
    return "move LCB towards midship or lower Cp";
}

void RefuseUnfairHull(const HullRecord& hull)
{
    const std::vector<HullFault> faults = CheckHull(hull);
    if (faults.empty()) return;
    std::string more;
    if (faults.size() > 1) more = " (and " + std::to_string(faults.size() - 1) + " more)";
    FailRun("The hull for Cp " + Coefficient(hull.Cp) + ", LCB " + Percent(hull.LCB) + " and Cwp " +
            Coefficient(hull.Cwp) + " is not fair: " + faults.front().Text + more + "; " + Remedy(faults.front()));
}

}  // namespace

void CreateRobustTransom(HullRecord& hull)
{
    CreateTransom(hull);
    if (CancelFlag()) return;
    RunGuarded("Hull check", [&hull] { RefuseUnfairHull(hull); });
}

void InitialiseRobustDiagonals(HullRecord& hull)
{
    RunGuarded("Midship section", [&hull] { BuildMidship(hull); });
}

void GenerateRobustHull(HullRecord& hull)
{
    RunGuarded("Hull", [&hull] { GenerateToRequest(hull); });
}

}  // namespace sloopform
