#include "generator/Sections.h"

#include <cmath>
#include <stdexcept>
#include <string>
#include <string_view>

#include "generator/SectionMeasures.h"
#include "model/StationOutline.h"
#include "numeric/ArithmeticFault.h"
#include "numeric/Geometry.h"
#include "numeric/NumberText.h"
#include "numeric/SecantSolver.h"
#include "platform/RunControl.h"

namespace sloopform {

const Real48 kLowestSectionCoefficient = 0.38L;
const Real48 kHighestSectionCoefficient = 0.95L;

namespace {

constexpr int kSectionOrder = 4;
constexpr long double kFairnessTolerance = 5.0L;  // degrees
constexpr int kModifyEvaluationLimit = 200;

SectionStageState& Work() { return Generator().Section; }

long double Angle(const HullRecord& hull, int d) { return hull.Diagonals[d].Angle; }

const TStation& StationAt(const HullRecord& hull, int s)
{
    if (s < 0 || s > kLastStation)
        throw std::out_of_range("station " + std::to_string(s) + " outside 0.." + std::to_string(kLastStation));
    return hull.Stations[static_cast<std::size_t>(s)];
}

void FillWorkingValues(SectionStageState& w, int s, HullRecord& hull, Real48 beam)
{
    const TStation& station = StationAt(hull, s);
    w.Hull = &hull;
    w.Station = s;
    w.Bwl = hull.Bwl;
    w.Tc = hull.Tc;
    w.Ts = hull.Tc - station.KeelHeight;
    w.Bs = beam;
    w.Fs = station.SheerHeight - hull.Tc;
    w.CsReq = station.RequiredSectionCoefficient;
}

// Half-area and coefficient, against the reference beam B_s rather than the
// beam the section reaches.
void MeasureArea(SectionStageState& w, const SectionSamples& samples)
{
    w.HalfArea = SectionHalfArea(samples, w.Tc - w.Ts, w.Tc);
    w.Coefficient = Divide(2 * w.HalfArea, w.Ts * w.Bs);
}

void MeasureCreatedSection(SectionStageState& w)
{
    const SectionSamples samples = SampleSection(kStationOutlinePoints, kSectionOrder, w.Points);
    w.HalfBreadth = SectionHalfBreadthAt(samples, w.Tc);
    MeasureArea(w, samples);
}

void MeasureModifiedSection(SectionStageState& w)
{
    MeasureArea(w, SampleSection(kStationOutlinePoints, kSectionOrder, w.Points));
    w.FairnessAngle = FairnessAngle(w.Points);
}

long double CreateBeamFunction(long double trial)
{
    SectionStageState& w = Work();
    w.O3 = trial;
    BuildSectionPoints(w);
    MeasureCreatedSection(w);
    return w.HalfBreadth;
}

long double CreateCoefficientFunction(long double trial)
{
    SectionStageState& w = Work();
    w.O2 = trial;
    BuildSectionPoints(w);
    MeasureCreatedSection(w);
    return w.Coefficient;
}

long double FairnessFunction(long double trial)
{
    SectionStageState& w = Work();
    ++w.Counter;
    w.BilgeAngle = trial;
    BuildSectionPoints(w);
    MeasureModifiedSection(w);
    return w.FairnessAngle;
}

long double ModifyCoefficientFunction(long double trial)
{
    SectionStageState& w = Work();
    ++w.Counter;
    w.O2 = trial;
    BuildSectionPoints(w);
    MeasureModifiedSection(w);
    return w.Coefficient;
}

void SetSolver(TSecantSolver& solver, long double target, long double tolerance)
{
    solver.Target = target;
    solver.Tolerance = tolerance;
    ResetSolver(solver);
}

// Writes the console line made of `parts` through the stage's own text, whose
// room is kept, so that reshaping a section takes nothing from the heap.
void WriteLine(SectionStageState& w, std::initializer_list<std::string_view> parts)
{
    w.ConsoleText.clear();
    for (std::string_view part : parts) w.ConsoleText.append(part);
    ConsoleLine(w.ConsoleText);
}

const DiagonalTrigonometry& Trigonometry(SectionStageState& w)
{
    const HullRecord& hull = *w.Hull;
    DiagonalTrigonometry& trig = w.Trigonometry;
    const Real48 angle1 = hull.Diagonals[1].Angle, angle2 = hull.Diagonals[2].Angle;
    const Real48 keelFlat = hull.Diagonals[4].Angle;
    if (!trig.Known || trig.Angle1 != angle1 || trig.Angle2 != angle2 || trig.KeelFlatAngle != keelFlat) {
        trig.Angle1 = angle1;
        trig.Angle2 = angle2;
        trig.KeelFlatAngle = keelFlat;
        trig.Sin1 = std::sin(static_cast<long double>(angle1));
        trig.Cos1 = std::cos(static_cast<long double>(angle1));
        trig.Sin2 = std::sin(static_cast<long double>(angle2));
        trig.Cos2 = std::cos(static_cast<long double>(angle2));
        trig.KeelFlatTan = Tan(keelFlat);
        trig.Known = true;
    }
    return trig;
}

void MakeConstructed(SectionStageState& w, HullRecord& hull)
{
    TStation& station = hull.Stations[static_cast<std::size_t>(w.Station)];
    station.DiagonalOffset[1] = w.O1;
    station.DiagonalOffset[2] = w.O2;
    station.DiagonalOffset[3] = w.O3;
    station.SectionDefined = true;
    hull.DefinedSectionCount += 1;
}

}  // namespace

Real48 ChineLineOffset(const SectionStageState& w, const TDiagonal& diagonal)
{
    return Divide(w.Tc - w.Ts + Divide(2 * diagonal.Y0 * w.Ts, w.Bs) - diagonal.Z0,
                  diagonal.DZ - Divide(2 * diagonal.DY * w.Ts, w.Bs));
}

void BuildSectionPoints(SectionStageState& w)
{
    const HullRecord& hull = *w.Hull;
    const DiagonalTrigonometry& trig = Trigonometry(w);
    if (!w.KeelOverride) {
        // The chord from the diagonal-2 point down to diagonal 1 leans at the
        // bilge angle from the vertical.
        const long double tanPhi = Tan(w.BilgeAngle);
        w.O1 = Divide((w.Bwl * 0.125L - w.O2 * trig.Cos2) * tanPhi - w.O2 * trig.Sin2,
                      -trig.Cos1 * tanPhi - trig.Sin1);
    }
    const Real48 keel = w.Tc - w.Ts;
    w.Points[1] = {0, keel};
    w.Points[2] = {w.Ts * trig.KeelFlatTan, keel};
    const Real48 offsets[3] = {w.O1, w.O2, w.O3};
    for (int d = 1; d <= 3; ++d)
        w.Points[d + 2] = {DiagonalY(hull.Diagonals[d], offsets[d - 1]),
                           DiagonalZ(hull.Diagonals[d], offsets[d - 1])};
    w.Points[6] = {hull.Stations[static_cast<std::size_t>(w.Station)].SheerBeam * 0.5L, w.Fs + w.Tc};
}

Real48 InitialBilgeAngle(Real48 beam, Real48 depth, Real48 requiredCoefficient)
{
    const Real48 a = std::atan(Divide(beam, 2 * depth));
    return (kPi - 4 * a) * (requiredCoefficient * requiredCoefficient) +
           (4 * a - kPi / 2) * requiredCoefficient;
}

Real48 FairnessAngle(const TPointBlock2& p)
{
    auto direction = [](const TPoint2r& from, const TPoint2r& to) {
        const TPoint2r v{to.x - from.x, to.y - from.y};
        return VectorAngle(v.x, v.y);
    };
    const Real48 a1 = direction(p[2], p[3]);
    const Real48 a2 = direction(p[3], p[4]);
    const Real48 a3 = direction(p[4], p[5]);
    return ((a2 - a1) - (a3 - a2)) * 180 * 0.3183098861837907L;
}

void CreateNewSection(int s, HullRecord& hull)
{
    SectionStageState& w = Work();
    FillWorkingValues(w, s, hull, StationAt(hull, s).DesignWaterlineBeam);
    // The diagonal-1 point follows the bilge angle here, whatever the last
    // reshaped section left behind.
    w.KeelOverride = false;
    WriteLine(w, {" CreateNewSection(", std::to_string(s), ", ", FormatFixed(w.CsReq, 3), ", ",
                  FormatFixed(w.Bs, 3), ")"});

    SetSolver(w.BeamSolver, w.Bs * 0.5L, hull.DimensionGoal);
    SetSolver(w.CoefficientSolver, w.CsReq, hull.CoefficientGoal);

    w.O1 = ChineLineOffset(w, hull.Diagonals[1]);
    w.O2 = ChineLineOffset(w, hull.Diagonals[2]);
    w.O3 = ChineLineOffset(w, hull.Diagonals[3]);
    w.BilgeAngle = InitialBilgeAngle(w.Bs, w.Ts, w.CsReq);

    auto targetsMet = [&] {
        return std::fabs(w.Bs * 0.5L - w.HalfBreadth) < hull.DimensionGoal &&
               std::fabs(w.CsReq - w.Coefficient) < hull.CoefficientGoal;
    };
    for (;;) {
        BuildSectionPoints(w);
        do {
            if (std::fabs(w.Bs * 0.5L - w.HalfBreadth) > hull.DimensionGoal)
                SolveSecant(w.BeamSolver, CreateBeamFunction, w.O3);
            else
                SolveSecant(w.CoefficientSolver, CreateCoefficientFunction, w.O2);
        } while (!(targetsMet() || CancelFlag()));

        // The bilge may not lean further out than the line from the base line
        // on the centre plane to the diagonal-1 point.
        const long double theta1 = Angle(hull, 1);
        const Real48 psi = std::atan(Divide(w.O1 * std::sin(theta1), w.Tc - w.O1 * std::cos(theta1)));
        if (!(w.BilgeAngle > psi) || CancelFlag()) break;
        w.BilgeAngle = psi;
    }
    MakeConstructed(w, hull);
}

void ModifySectionFromDiagonals(int s, HullRecord& hull)
{
    if (CancelFlag()) return;
    SectionStageState& w = Work();
    w.KeelOverride = false;
    w.Counter = 0;
    FillWorkingValues(w, s, hull, StationAt(hull, s).WaterlineBeam);
    WriteLine(w, {" ModifySectionFromDiagonals(", std::to_string(s), ", ", FormatFixed(w.CsReq, 3), ")"});

    SetSolver(w.FairnessSolver, 0, kFairnessTolerance);
    if (w.CsReq < kLowestSectionCoefficient) {
        w.CsTarget = kLowestSectionCoefficient;
        WriteLine(w, {"Warning[1]: Required Section Coefficient Could be too LOW"});
    } else if (w.CsReq > kHighestSectionCoefficient) {
        w.CsTarget = kHighestSectionCoefficient;
        WriteLine(w, {"Warning[1]: Required Section Coefficient Could be too HIGH"});
    } else {
        w.CsTarget = w.CsReq;
    }
    SetSolver(w.CoefficientSolver, w.CsTarget, hull.CoefficientGoal);

    const TStation& station = hull.Stations[static_cast<std::size_t>(s)];
    w.O1 = station.DiagonalOffset[1];
    w.O2 = station.DiagonalOffset[2];
    w.O3 = station.DiagonalOffset[3];
    w.BilgeAngle = InitialBilgeAngle(w.Bs, w.Ts, w.CsReq);
    BuildSectionPoints(w);
    MeasureModifiedSection(w);

    auto coefficientMet = [&] { return std::fabs(w.CsTarget - w.Coefficient) < hull.CoefficientGoal; };
    do {
        if (std::fabs(w.FairnessAngle) > kFairnessTolerance)
            SolveSecant(w.FairnessSolver, FairnessFunction, w.BilgeAngle);
        else
            SolveSecant(w.CoefficientSolver, ModifyCoefficientFunction, w.O2);
    } while (!((std::fabs(w.FairnessAngle) < kFairnessTolerance && coefficientMet()) || CancelFlag() ||
               w.Counter > kModifyEvaluationLimit));

    // A diagonal-1 point below the canoe-body bottom is pinned at keel height
    // and the coefficient is met again with diagonal 2 alone. The pinned
    // section can cycle without ever landing inside the goal, so this loop
    // shares the evaluation limit and keeps what it has when it passes it.
    if (station.KeelHeight > w.Points[3].y && !CancelFlag()) {
        w.O1 = Divide(w.Tc - station.KeelHeight, std::cos(Angle(hull, 1)));
        w.KeelOverride = true;
        ResetSolver(w.CoefficientSolver);
        do {
            SolveSecant(w.CoefficientSolver, ModifyCoefficientFunction, w.O2);
        } while (!(coefficientMet() || CancelFlag() || w.Counter > kModifyEvaluationLimit));
    }
    MakeConstructed(w, hull);
}

}  // namespace sloopform
