#include "generator/Profile.h"

#include <algorithm>
#include <cmath>

#include "generator/GeneratorState.h"
#include "generator/StationCrossing.h"
#include "numeric/ArithmeticFault.h"
#include "numeric/BSpline.h"
#include "numeric/Geometry.h"
#include "numeric/SecantSolver.h"

namespace sloopform {

namespace {

// An absolute height in the parameter units, not scaled with the hull.
constexpr long double kStartRise = 0.1L;

long double ProfileResidual(HullRecord& hull, long double rise)
{
    ProfileStageState& stage = Generator().Profile;
    stage.TrialRise = rise;
    // The build is repeated; it is idempotent, so the result is that of one build.
    BuildProfile(hull);
    BuildProfile(hull);
    ProfileStations(hull);
    stage.LastResidual = hull.Tc - hull.Stations[kLastStation].KeelHeight;
    return stage.LastResidual;
}

void SetPoints(TPointBlock2& points, int first, int last, const TPoint2r& point)
{
    for (int i = first; i <= last; ++i) points[i] = point;
}

// A curve whose control points never step back in x never does either, so
// the profile runs aft from the stem head to Loa when its polygon does. The
// forefoot corner that lands outside the stretch between the waterline's
// forward end and the forefoot point (tangents near parallel put it far
// ahead of the stem or behind the keel) is taken at P0 on the stem tangent
// instead, as for a vertical line; then no point stands forward of the one
// before it.
void KeepRunningAft(TPointBlock2& p, const TPoint2r& p0)
{
    constexpr int kForefootCorner = 7, kWaterlineEnd = 4, kForefootPoint = 8;
    const long double forward = p[kWaterlineEnd].x, aft = p[kForefootPoint].x;
    if (p[kForefootCorner].x < forward || p[kForefootCorner].x > aft || p[kForefootCorner].y > p[kWaterlineEnd].y)
        p[kForefootCorner] = {std::clamp<long double>(p0.x, forward, std::max(forward, aft)), p0.y};
    for (int i = 2; i <= kProfileKeelPointCount; ++i) p[i].x = std::max(p[i].x, p[i - 1].x);
}

}  // namespace

void CreateProfile(HullRecord& hull)
{
    ProfileStageState& stage = Generator().Profile;
    stage.TrialRise = kStartRise;
    stage.Solver.Target = 0;
    stage.Solver.Tolerance = hull.DimensionGoal;
    ResetSolver(stage.Solver);
    hull.ProfileDone = true;  // the views may repaint during the iteration
    SolveSecant(stage.Solver, [&hull](long double rise) { return ProfileResidual(hull, rise); },
                kStartRise);
    hull.ProfileDone = true;
    hull.TransomRise = stage.TrialRise;
}

void BuildProfile(HullRecord& hull)
{
    hull.StemAngle = hull.BPDA;
    hull.StemUpperTangent = hull.FreeBow * (1.0L / 3);
    hull.StemLowerTangent = hull.FreeBow * (1.0L / 3);
    const long double theta = DegreesToRadians(hull.StemAngle);

    // The stem's angle from the vertical (a1) and from the horizontal (a2).
    const Real48 a1 = std::atan(Divide(hull.Fovh, hull.FreeBow));
    const Real48 a2 = std::atan(Divide(hull.FreeBow, hull.Fovh));
    const long double down = static_cast<long double>(a2) + theta;

    // The straight stem continued below the waterline for the forefoot length,
    // turned down by the bow curvature; then one more forefoot length towards
    // the quarter-length bottom point.
    const TPoint2r p0{hull.Fovh + hull.BPLWLT * std::cos(down), hull.Tc - hull.BPLWLT * std::sin(down)};
    const Real48 a3 = std::atan(Divide(p0.y, (hull.Fovh + hull.Lwl * 0.25L) - p0.x));
    const TPoint2r q{p0.x + hull.BPLWLT * std::cos(static_cast<long double>(a3)),
                     p0.y - hull.BPLWLT * std::sin(static_cast<long double>(a3))};

    const Real48 rise = Generator().Profile.TrialRise;
    const Real48 rake = TransomRake(hull);
    const long double upper = static_cast<long double>(a1) - theta;
    const long double lower = static_cast<long double>(a2) - theta;
    const long double mid = hull.Fovh + hull.Lwl * 0.5L;

    TPointBlock2& p = hull.ProfilePoints;
    p[1] = {0.0L, hull.Tc + hull.FreeBow};
    p[2] = {hull.StemUpperTangent * std::sin(upper),
            (hull.Tc + hull.FreeBow) - hull.StemUpperTangent * std::cos(upper)};
    p[3] = {hull.Fovh - hull.StemLowerTangent * std::cos(lower),
            hull.Tc + hull.StemLowerTangent * std::sin(lower)};
    SetPoints(p, 4, 6, {hull.Fovh, hull.Tc});
    p[7] = p0;
    SetPoints(p, 8, 11, q);
    p[12] = {hull.Fovh + hull.Lwl * 0.25L, hull.ForefootKeelHeight};
    p[13] = {mid - hull.Lwl * 0.05L, 0.0L};
    SetPoints(p, 14, 16, {mid, 0.0L});
    p[17] = {mid + hull.Lwl * 0.05L, 0.0L};
    p[18] = {hull.Fovh + hull.Lwl * 3 * 0.25L, hull.AftKeelHeight};
    p[19] = {hull.Fovh + hull.Lwl, hull.Tc};
    SetPoints(p, 20, 22, {hull.Loa, hull.Tc + rise});
    p[kProfilePointCount] = {hull.Loa - (hull.FreeAft - rise) * rake, hull.Tc + hull.FreeAft};

    // The forefoot corner: where the lower stem tangent, extended below the
    // waterline, meets the line from the forefoot point to the quarter-length
    // bottom point. A vertical line leaves it at P0.
    IntersectLines(p[7].x, p[7].y, p[11], p[12], p[4], p[3]);
    if (Generator().Profile.KeepRunningAft) KeepRunningAft(p, p0);
}

Real48 TransomRake(const HullRecord& hull)
{
    return Tan((hull.TransomAngle * (1.0L / 180)) * kPi);
}

void ProfileStations(HullRecord& hull)
{
    constexpr int kSamples = kGeneratorSamplesPerPoint * kProfileKeelPointCount;
    CurveSamples<TPoint2r, kSamples> samples;
    SampleBSpline2d(kProfileKeelPointCount, kCubic, hull.ProfilePoints, kSamples, samples);
    TakeStationCrossings(hull, samples,
                         [&hull](int s, long double xs, const TPoint2r& prev, const TPoint2r& cur) {
                             hull.Stations[static_cast<std::size_t>(s)].KeelHeight =
                                 ValueAtStation(xs, prev.x, cur.x, prev.y, cur.y);
                         });
}

}  // namespace sloopform
