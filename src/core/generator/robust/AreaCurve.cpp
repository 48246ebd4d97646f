#include "generator/robust/AreaCurve.h"

#include <algorithm>
#include <cmath>

namespace sloopform {

namespace {

constexpr int kSlope = 4;
constexpr int kCurveSolveSteps = 40;
constexpr int kCurveHalvings = 12;
constexpr long double kCurveDifference = 1e-4L;
// A blended station's share of its range is the logistic of this times what
// the curve asks of it over Cm, less one; near either end of the range it
// counts as held there.
constexpr long double kBlendSteepness = 4;
constexpr long double kBlendHeld = 0.02L;

int SimpsonMultiplier(int s)
{
    if (s == 0 || s == kLastStation) return 1;
    return s % 2 == 1 ? 4 : 2;
}

// x from -1 at the bow to 1 at the stern.
long double Along(int s) { return (s - kMidshipStation) * 0.1L; }

using TermVector = std::array<long double, kAreaCurveTerms>;

// What each term adds to a station's coefficient, over Cm.
TermVector TermShapes(int s)
{
    const long double x = Along(s), x2 = x * x;
    TermVector shape{};
    const int first = x < 0 ? 0 : 2;
    shape[first] = x2;
    shape[first + 1] = x2 * x2;
    shape[kSlope] = x;
    return shape;
}

}  // namespace

AreaCurve::AreaCurve() { Restart(); }

void AreaCurve::Restart()
{
    Terms.fill(0);
    Shifts.fill(0);
    Lowest.fill(kLowestSectionCoefficient);
    Highest.fill(kHighestSectionCoefficient);
}

long double AreaCurve::Requested(const HullRecord& hull, int s) const
{
    const TermVector shape = TermShapes(s);
    long double sum = 1;
    for (int t = 0; t < kAreaCurveTerms; ++t) sum += Terms[t] * shape[t];
    return hull.Cm * sum + Shifts[s];
}

long double AreaCurve::BlendShare(const HullRecord& hull, int s) const
{
    return 1 / (1 + std::exp(-kBlendSteepness * (Requested(hull, s) / hull.Cm - 1)));
}

long double AreaCurve::Coefficient(const HullRecord& hull, int s) const
{
    if (Blended && s != kMidshipStation) return Lowest[s] + (Highest[s] - Lowest[s]) * BlendShare(hull, s);
    return std::clamp(Requested(hull, s), Lowest[s], Highest[s]);
}

bool AreaCurve::ClampedHigh(const HullRecord& hull, int s) const
{
    if (s == kMidshipStation) return false;
    return Blended ? BlendShare(hull, s) > 1 - kBlendHeld : Requested(hull, s) > Highest[s];
}

bool AreaCurve::ClampedLow(const HullRecord& hull, int s) const
{
    if (s == kMidshipStation) return false;
    return Blended ? BlendShare(hull, s) < kBlendHeld : Requested(hull, s) < Lowest[s];
}

bool AreaCurve::ClampedBetween(const HullRecord& hull, int from, int to, bool high) const
{
    for (int s = from; s <= to; ++s)
        if (high ? ClampedHigh(hull, s) : ClampedLow(hull, s)) return true;
    return false;
}

long double StationBeam(const HullRecord& hull, int s)
{
    return s == kMidshipStation ? hull.Bwl : hull.Stations[s].DesignWaterlineBeam;
}

long double StationDepth(const HullRecord& hull, int s) { return hull.Tc - hull.Stations[s].KeelHeight; }

long double VolumePerCoefficient(const HullRecord& hull, int s)
{
    const long double third = hull.Lwl * 0.05L / 3;
    return SimpsonMultiplier(s) * third * StationBeam(hull, s) * StationDepth(hull, s);
}

AreaSums PredictSums(const HullRecord& hull, const AreaCurve& curve)
{
    AreaSums p;
    for (int s = 1; s < kLastStation; ++s) {
        const long double coefficient = s == kMidshipStation ? static_cast<long double>(hull.Cm) : curve.Coefficient(hull, s);
        const long double area = VolumePerCoefficient(hull, s) * coefficient;
        p.volume += area;
        p.moment += area * 5.0L * s;
    }
    return p;
}

AreaMisses MissesOf(const AreaSums& p, const AreaSums& target, const VolumeRequest& request)
{
    return {(target.volume - p.volume) / request.volumeTolerance,
            (target.moment - p.moment) / (request.volume * request.lcbTolerance)};
}

// Gauss-Newton steps of least size (the terms move as little as the two sums
// allow), with differences taken on the clamped curve and each step halved
// until the misses shrink, so that a curve running into its limits cannot
// throw the steps about.
AreaMisses SolveAreaCurve(const HullRecord& hull, AreaCurve& curve, const AreaSums& target,
                          const VolumeRequest& request)
{
    AreaMisses now = MissesOf(PredictSums(hull, curve), target, request);
    for (int step = 0; step < kCurveSolveSteps && now.Norm() > kAreaCurveAim * kAreaCurveAim * 0.01L; ++step) {
        TermVector dV{}, dL{};
        for (int t = 0; t < kAreaCurveTerms; ++t) {
            AreaCurve moved = curve;
            moved.Terms[t] += kCurveDifference;
            const AreaMisses m = MissesOf(PredictSums(hull, moved), target, request);
            dV[t] = (m.volume - now.volume) / kCurveDifference;
            dL[t] = (m.lcb - now.lcb) / kCurveDifference;
        }
        long double vv = 0, vl = 0, ll = 0;
        for (int t = 0; t < kAreaCurveTerms; ++t) {
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
        std::array<long double, kAreaCurveTerms> change{};
        for (int t = 0; t < kAreaCurveTerms; ++t) change[t] = dV[t] * yV + dL[t] * yL;
        bool improved = false;
        for (int h = 0; h < kCurveHalvings && !improved; ++h) {
            AreaCurve trial = curve;
            for (int t = 0; t < kAreaCurveTerms; ++t) trial.Terms[t] += std::ldexp(change[t], -h);
            const AreaMisses m = MissesOf(PredictSums(hull, trial), target, request);
            if (std::isfinite(m.Norm()) && m.Norm() < now.Norm()) {
                curve = trial;
                now = m;
                improved = true;
            }
        }
        if (!improved) break;
    }
    return now;
}

}  // namespace sloopform
