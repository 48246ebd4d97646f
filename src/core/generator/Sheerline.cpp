#include "generator/Sheerline.h"

#include <algorithm>

#include "generator/GeneratorState.h"
#include "generator/Profile.h"
#include "generator/StationCrossing.h"
#include "numeric/BSpline.h"
#include "numeric/SecantSolver.h"

namespace sloopform {

namespace {

using SheerSampleArray = CurveSamples<TPoint3r, kGeneratorSamplesPerPoint * kFullDeckSheerPointCount>;

SheerSampleArray SheerSamples(const HullRecord& hull)
{
    SheerSampleArray samples;
    SampleBSpline3d(hull.SheerPointCount, hull.SheerOrder, hull.SheerPoints,
                    kGeneratorSamplesPerPoint * hull.SheerPointCount, samples);
    return samples;
}

long double SheerResidual(HullRecord& hull, long double halfBreadth)
{
    hull.SheerPoints[2].y = halfBreadth;
    return SheerMaxHalfBeam(hull);
}

}  // namespace

void CreateSheerline(HullRecord& hull)
{
    FitSheer(hull);
    SheerStageState& stage = Generator().Sheer;
    stage.Solver.Target = hull.BMax * 0.5L;
    stage.Solver.Tolerance = hull.DimensionGoal;
    ResetSolver(stage.Solver);
    SolveSecant(stage.Solver, [&hull](long double v) { return SheerResidual(hull, v); },
                hull.SheerPoints[2].y);
    SheerStations(hull);
    hull.SheerDone = true;
}

void FitSheer(HullRecord& hull)
{
    TPointBlock3 data;
    data[1] = {0.0L, 0.0L, hull.FreeBow + hull.Tc};  // stem head on the centre line
    data[2] = {hull.Fovh + hull.Lwl * 0.5L, hull.BMax * 0.5L, hull.Tc + hull.FreeCenter};
    data[3] = {hull.Loa - (hull.FreeAft - hull.TransomRise) * TransomRake(hull), hull.BTransom * 0.5L,
               hull.FreeAft + hull.Tc};  // transom top
    hull.TransomTopX = data[3].x;
    hull.SheerPoints = FitBSpline3d(kSheerPointCount, kQuadratic, data);
    hull.SheerPointCount = kSheerPointCount;
    hull.SheerOrder = kQuadratic;
}

Real48 SheerMaxHalfBeam(const HullRecord& hull)
{
    Real48 widest = 0;
    for (const TPoint3r& sample : SheerSamples(hull)) widest = std::max<long double>(widest, sample.y);
    return widest;
}

void SheerStations(HullRecord& hull)
{
    TakeStationCrossings(hull, SheerSamples(hull),
                         [&hull](int s, long double xs, const TPoint3r& prev, const TPoint3r& cur) {
                             TStation& station = hull.Stations[static_cast<std::size_t>(s)];
                             station.SheerBeam = ValueAtStation(xs, prev.x, cur.x, prev.y, cur.y) * 2;
                             station.SheerHeight = ValueAtStation(xs, prev.x, cur.x, prev.z, cur.z);
                         });
}

}  // namespace sloopform
