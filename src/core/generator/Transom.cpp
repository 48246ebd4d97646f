#include "generator/Transom.h"

#include <optional>

#include "generator/GeneratorState.h"
#include "generator/Profile.h"
#include "generator/StationCrossing.h"
#include "numeric/Geometry.h"
#include "numeric/SecantSolver.h"

namespace sloopform {

namespace {

constexpr int kFirstAftStation = 10;
constexpr int kAftPoints = kLastStation - kFirstAftStation + 1;
constexpr long double kPiercingTolerance = 0.0001L;

TransomStageState& Work() { return Generator().Transom; }

// Height of the current diagonal above the transom line at x.
long double PiercingFunction(long double trial)
{
    TransomStageState& w = Work();
    w.TrialX = trial;
    const Real48 t = EvalQuadratic(w.Offsets, w.TrialX);
    return DiagonalZ(w.Hull->Diagonals[w.Diagonal], t) - EvalLine(w.TransomLine, w.TrialX);
}

// Control point d + 2: diagonal d at its fitted offset for x.
void SetInnerPoint(HullRecord& hull, int d, const TQuadratic& offsets, Real48 x)
{
    const Real48 t = EvalQuadratic(offsets, x);
    hull.TransomPoints[d + 2] = {x, DiagonalY(hull.Diagonals[d], t), DiagonalZ(hull.Diagonals[d], t)};
}

}  // namespace

TQuadratic FitDiagonalAft(const HullRecord& hull, int d)
{
    TPointBlock2 points;
    for (int s = kFirstAftStation; s <= kLastStation; ++s)
        points[s - kFirstAftStation + 1] = {SampledStationX(hull, s), hull.Stations[s].DiagonalOffset[d]};
    return FitQuadratic(kAftPoints, points);
}

void CreateTransom(HullRecord& hull)
{
    const Real48 xTop = hull.Loa - (hull.FreeAft - hull.TransomRise) * TransomRake(hull);
    const TPoint3r lowest{hull.Loa, 0, hull.Tc + hull.TransomRise};
    for (int i = 1; i <= 3; ++i) hull.TransomPoints[i] = lowest;
    hull.TransomPoints[6] = {xTop, hull.BTransom * 0.5L, hull.Tc + hull.FreeAft};

    // A transom bottom above the height at which diagonal 2 leaves the centre
    // plane leaves only diagonal 3 to pierce it.
    int firstDiagonal = 2;
    if (hull.TransomRise > hull.Bwl * 0.125L) {
        hull.TransomPoints[4] = lowest;
        firstDiagonal = 3;
    }

    // A raked transom of no height has no line to pierce (both points share an
    // x); it is then treated as vertical at that x.
    std::optional<TLine> line;
    if (hull.TransomAngle != 0)
        line = LineThrough({hull.Loa, hull.Tc + hull.TransomRise}, {xTop, hull.Tc + hull.FreeAft});
    for (int d = firstDiagonal; d <= 3; ++d) {
        const TQuadratic offsets = FitDiagonalAft(hull, d);
        if (!line) {
            SetInnerPoint(hull, d, offsets, hull.Loa);
            continue;
        }
        TransomStageState& w = Work();
        w.Hull = &hull;
        w.Diagonal = d;
        w.Offsets = offsets;
        w.TransomLine = *line;
        w.TrialX = (hull.Fovh + hull.Lwl + hull.Loa) * 0.5L;
        w.Solver.Target = 0;
        w.Solver.Tolerance = kPiercingTolerance;
        ResetSolver(w.Solver);
        SolveSecant(w.Solver, PiercingFunction, w.TrialX);
        SetInnerPoint(hull, d, offsets, w.TrialX);
    }
    hull.TransomDone = true;
}

}  // namespace sloopform
