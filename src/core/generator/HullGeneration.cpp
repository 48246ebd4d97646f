#include "generator/HullGeneration.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "generator/DiagonalFitting.h"
#include "generator/GeneratorState.h"
#include "generator/Sections.h"
#include "numeric/ArithmeticFault.h"
#include "numeric/SecantSolver.h"
#include "platform/RunControl.h"

namespace sloopform {

namespace {

constexpr int kForwardQuarter = 5;
constexpr int kAftQuarter = 15;
constexpr int kDiagonalOrder = 3;
constexpr long double kVolumeTolerance = 0.05L;  // m^3, not a preference

// Outer alternations in a row that bring neither the volume nor the LCB
// nearer than before end the run: such a run goes round for ever.
constexpr int kStalledAlternations = 40;

HullStageState& Work() { return Generator().HullStage; }

// Whether the outer alternation still approaches the request: each
// alternation that brings the volume or the LCB nearer than every one before
// it starts the count of stalled alternations again.
class Approach {
public:
    bool Continues(long double volumeMiss, long double lcbMiss)
    {
        if (volumeMiss < nearestVolume_ || lcbMiss < nearestLcb_) stalled_ = 0;
        else ++stalled_;
        nearestVolume_ = std::min(nearestVolume_, volumeMiss);
        nearestLcb_ = std::min(nearestLcb_, lcbMiss);
        return stalled_ < kStalledAlternations;
    }

private:
    long double nearestVolume_ = std::numeric_limits<long double>::infinity();
    long double nearestLcb_ = std::numeric_limits<long double>::infinity();
    int stalled_ = 0;
};

long double VolumeFunction(long double trial)
{
    HullStageState& w = Work();
    w.SectionFullness = trial;
    EvaluateHull(*w.Hull);
    return w.HullVolume;
}

long double LCBFunction(long double trial)
{
    HullStageState& w = Work();
    w.SectionSkew = trial;
    EvaluateHull(*w.Hull);
    return w.HullLCBFraction;
}

void SetSolver(TSecantSolver& solver, long double target, long double tolerance)
{
    solver.Target = target;
    solver.Tolerance = tolerance;
    ResetSolver(solver);
}

int SimpsonMultiplier(int s)
{
    if (s == 0 || s == kLastStation) return 1;
    return s % 2 == 1 ? 4 : 2;
}

}  // namespace

void GenerateHull(HullRecord& hull)
{
    HullStageState& w = Work();
    w.Hull = &hull;
    w.SectionFullness = 0.95L;
    w.SectionSkew = 0.05L;
    SetSolver(w.VolumeSolver, hull.Cp * hull.Lwl * hull.Bwl * hull.Tc * hull.Cm, kVolumeTolerance);
    SetSolver(w.LCBSolver, hull.LCB * 0.01L, hull.PercentageGoal * 0.01L);

    // The volume of the previous evaluation decides, even one from an earlier
    // run: a repeated run of the same design starts with the LCB solver.
    auto volumeMissed = [&] { return std::fabs(w.HullVolume - w.VolumeSolver.Target); };
    auto lcbMissed = [&] { return std::fabs(w.HullLCBFraction - w.LCBSolver.Target); };
    Approach approach;
    for (;;) {
        if (volumeMissed() > kVolumeTolerance)
            SolveSecant(w.VolumeSolver, VolumeFunction, w.SectionFullness);
        else
            SolveSecant(w.LCBSolver, LCBFunction, w.SectionSkew);
        if ((volumeMissed() < kVolumeTolerance && lcbMissed() < w.LCBSolver.Tolerance) || CancelFlag()) break;
        if (!approach.Continues(volumeMissed(), lcbMissed())) {
            FailIteration("The volume and LCB iteration makes no progress: " +
                          std::to_string(kStalledAlternations) +
                          " alternations in a row came no nearer to the required volume or LCB");
            break;
        }
    }
    hull.HullComplete = true;
}

void EvaluateHull(HullRecord& hull)
{
    HullStageState& w = Work();
    TStation& forward = hull.Stations[kForwardQuarter];
    TStation& aft = hull.Stations[kAftQuarter];
    forward.RequiredSectionCoefficient = hull.Cm * (w.SectionFullness - w.SectionSkew);
    aft.RequiredSectionCoefficient = hull.Cm * (w.SectionFullness + w.SectionSkew);
    for (TStation* quarter : {&forward, &aft}) {
        if (quarter->SectionDefined) {
            quarter->SectionDefined = false;
            hull.DefinedSectionCount -= 1;
        }
    }

    // Interpolate the quarter sections, reshape them to their coefficients,
    // then let every other station follow them.
    FitDiagonalsToSections(hull, kDiagonalOrder);
    SectionsFromDiagonals(hull);
    ModifySectionFromDiagonals(kForwardQuarter, hull);
    ModifySectionFromDiagonals(kAftQuarter, hull);
    FitDiagonalsToSections(hull, kDiagonalOrder);
    SectionsFromDiagonals(hull);

    const Real48 h = hull.Lwl * 0.05L;
    Real48 areaSum = 0;
    Real48 momentSum = 0;
    for (int s = 0; s <= kLastStation; ++s) {
        const TStation& station = hull.Stations[s];
        const Real48 area = (s == 0 || s == kLastStation)
                                ? Real48(0)
                                : Real48(station.SectionCoefficient * station.WaterlineBeam *
                                         (hull.Tc - station.KeelHeight));
        areaSum = areaSum + SimpsonMultiplier(s) * area;
        momentSum = momentSum + SimpsonMultiplier(s) * area * (s * h);
    }
    w.HullVolume = areaSum * (h * (1.0L / 3.0L));
    w.LCBPosition = Divide(momentSum, areaSum);
    w.HullLCBFraction = Divide(w.LCBPosition, hull.Lwl);
}

}  // namespace sloopform
