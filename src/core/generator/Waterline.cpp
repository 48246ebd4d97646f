#include "generator/Waterline.h"

#include <cmath>

#include "generator/GeneratorState.h"
#include "generator/StationCrossing.h"
#include "numeric/ArithmeticFault.h"
#include "numeric/BSpline.h"
#include "numeric/SecantSolver.h"
#include "platform/RunControl.h"

namespace sloopform {

namespace {

constexpr int kWaterlineSamples = kGeneratorSamplesPerPoint * kWaterlinePointCount;
// An absolute length in the parameter units, not a fraction of Bwl.
constexpr long double kStartScale = 1.3L;
constexpr long double kStartFullness = 0.95L;
constexpr long double kStartSkew = 0.05L;

// The half-breadths of the stations from station 0 on, as far as the curve reaches them.
struct StationHalfBreadths {
    std::array<Real48, kStationCount> Values{};  // 0 where it does not reach
    int Reached = 0;
};

// Unlike the profile and sheer samplers a station is taken at the first sample
// at or aft of it without looking at the previous sample, and equal heights
// (not equal abscissae) skip the interpolation.
StationHalfBreadths WaterlineHalfBreadths(const HullRecord& hull)
{
    CurveSamples<TPoint2r, kWaterlineSamples> samples;
    SampleBSpline2d(kWaterlinePointCount, kCubic, hull.WaterlinePoints, kWaterlineSamples, samples);
    StationHalfBreadths halfBreadths;
    TPoint2r prev{};
    for (const TPoint2r& cur : samples) {
        const int s = halfBreadths.Reached;
        const Real48 xs = SampledStationX(hull, s);
        if (cur.x >= xs && s <= kLastStation) {
            Real48& value = halfBreadths.Values[static_cast<std::size_t>(s)];
            if (cur.y == prev.y)
                value = cur.y;
            else
                value = cur.y + Divide((xs - cur.x) * (cur.y - prev.y), cur.x - prev.x);
            ++halfBreadths.Reached;
        }
        prev = cur;
    }
    return halfBreadths;
}

long double FullnessResidual(HullRecord& hull, long double fullness)
{
    WaterlineStageState& stage = Generator().Waterline;
    stage.WaterlineFullness = fullness;
    ApplyWaterlineShape(hull);
    MeasureWaterline(hull);
    return stage.CwpNow;
}

long double SkewResidual(HullRecord& hull, long double skew)
{
    WaterlineStageState& stage = Generator().Waterline;
    stage.WaterlineSkew = skew;
    ApplyWaterlineShape(hull);
    MeasureWaterline(hull);
    return stage.LcfNow;
}

}  // namespace

void SetWaterlinePoints(HullRecord& hull)
{
    const long double p = hull.LCF * 0.01L;
    const long double halfBeam = hull.Bwl * 0.5L;
    const long double widestX = hull.Fovh + p * hull.Lwl;
    const long double aftEnd = hull.Fovh + hull.Lwl;
    TPointBlock2& w = hull.WaterlinePoints;
    w[1] = {hull.Fovh, 0.0L};
    w[2] = {hull.Fovh + (hull.Lwl * 5) * 0.05L, kStartScale};
    w[3] = {hull.Fovh + ((-hull.Lwl) * 0.1L + p * hull.Lwl), halfBeam};
    for (int i = 4; i <= 6; ++i) w[i] = {widestX, halfBeam};
    w[7] = {hull.Fovh + (hull.Lwl * 0.1L + p * hull.Lwl), halfBeam};
    w[8] = {aftEnd, kStartScale};
    w[9] = {aftEnd, 0.0L};
}

void CreateWaterline(HullRecord& hull)
{
    WaterlineStageState& stage = Generator().Waterline;
    SetWaterlinePoints(hull);
    stage.WaterlineScale = kStartScale;
    stage.WaterlineFullness = kStartFullness;
    stage.WaterlineSkew = kStartSkew;

    stage.LcfSolver.Target = hull.LCF * 0.01L;
    stage.LcfSolver.Tolerance = hull.PercentageGoal * 0.01L;
    ResetSolver(stage.LcfSolver);
    stage.CwpSolver.Target = hull.Cwp;
    stage.CwpSolver.Tolerance = hull.CoefficientGoal;
    ResetSolver(stage.CwpSolver);

    ApplyWaterlineShape(hull);
    MeasureWaterline(hull);

    // Fullness answers Cwp; skew answers LCF only while Cwp holds. Each solver
    // resumes from its own last pair of points. No count limit: the loop ends
    // when both targets are met together or the run is cancelled.
    const auto cwpMissed = [&] { return std::fabs(stage.CwpNow - hull.Cwp); };
    const auto lcfMissed = [&] { return std::fabs(stage.LcfNow - hull.LCF * 0.01L); };
    for (;;) {
        if (cwpMissed() > stage.CwpSolver.Tolerance)
            SolveSecant(stage.CwpSolver, [&hull](long double v) { return FullnessResidual(hull, v); },
                        stage.WaterlineFullness);
        else
            SolveSecant(stage.LcfSolver, [&hull](long double v) { return SkewResidual(hull, v); },
                        stage.WaterlineSkew);
        if (cwpMissed() < stage.CwpSolver.Tolerance && lcfMissed() < stage.LcfSolver.Tolerance) break;
        if (CancelFlag()) break;
    }

    hull.WaterlineDone = true;  // also after a cancel: the last trial stands
    WaterlineStations(hull);
    hull.Stations[0].DesignWaterlineBeam = 0;
    hull.Stations[kLastStation].DesignWaterlineBeam = 0;
}

void ApplyWaterlineShape(HullRecord& hull)
{
    const WaterlineStageState& stage = Generator().Waterline;
    hull.WaterlinePoints[2].y = stage.WaterlineScale * (stage.WaterlineFullness - stage.WaterlineSkew);
    hull.WaterlinePoints[8].y = stage.WaterlineScale * (stage.WaterlineFullness + stage.WaterlineSkew);
}

void MeasureWaterline(const HullRecord& hull)
{
    const Real48 h = hull.Lwl * 0.05L;
    const SimpsonResult simpson = SimpsonStations(WaterlineHalfBreadths(hull).Values, h);
    WaterlineStageState& stage = Generator().Waterline;
    // The area is of one side, so this is the whole waterplane over Lwl * Bwl.
    stage.CwpNow = Divide(simpson.Area, (hull.Lwl * hull.Bwl) * 0.5L);
    stage.LcfNow = Divide(simpson.Centroid, hull.Lwl);
}

SimpsonResult SimpsonStations(const std::array<Real48, kStationCount>& y, long double h)
{
    Real48 sum0 = 0;
    Real48 sum1 = 0;
    for (int s = 0; s <= kLastStation; ++s) {
        const int multiplier = (s == 0 || s == kLastStation) ? 1 : (s % 2 == 1 ? 4 : 2);
        const long double weighted = multiplier * y[static_cast<std::size_t>(s)];
        sum0 += weighted;
        sum1 += (h * s) * weighted;
    }
    SimpsonResult result;
    result.Area = (h * (1.0L / 3)) * sum0;
    result.Centroid = Divide(sum1, sum0);
    return result;
}

void WaterlineStations(HullRecord& hull)
{
    const StationHalfBreadths halfBreadths = WaterlineHalfBreadths(hull);
    for (int s = 0; s < halfBreadths.Reached; ++s)
        hull.Stations[static_cast<std::size_t>(s)].DesignWaterlineBeam =
            halfBreadths.Values[static_cast<std::size_t>(s)] * 2;
}

}  // namespace sloopform
