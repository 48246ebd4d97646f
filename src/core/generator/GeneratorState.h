#pragma once
#include <array>
#include <string>

#include "model/HullRecord.h"
#include "numeric/Geometry.h"
#include "numeric/Matrix.h"
#include "numeric/Points.h"
#include "numeric/Real48.h"
#include "numeric/SecantSolver.h"
#include "generator/robust/SectionToTargets.h"

namespace sloopform {

// Working values of the stages that live between evaluations of an iterated
// function within a run. One object per thread; every run starts by
// ResetGeneratorState(), which returns it to program start, so a run never
// depends on the runs before it.

struct ProfileStageState {
    Real48 TrialRise;  // height of the transom's lowest point above the waterline
    TSecantSolver Solver;
    Real48 LastResidual;  // Tc minus the keel height at station 20
    // The robust method's profile runs aft from the stem head to the transom
    // wherever the described construction would turn it back.
    bool KeepRunningAft = false;
};

struct SheerStageState {
    TSecantSolver Solver;  // half-breadth of the middle control point
};

struct WaterlineStageState {
    Real48 WaterlineScale;     // a length: scales the two shoulder half-breadths
    Real48 WaterlineFullness;  // F, iterated to meet Cwp
    Real48 WaterlineSkew;      // S, iterated to meet LCF
    Real48 CwpNow;             // last measured waterplane coefficient
    Real48 LcfNow;             // last measured centre of flotation, fraction of Lwl
    TSecantSolver CwpSolver;
    TSecantSolver LcfSolver;
};

struct DiagonalFitState {
    // Offsets per station of the last diagonal fit; unassigned stations keep them.
    std::array<Real48, 21> Offsets{};
};

// Trigonometry of the diagonal angles, with the angles it was taken of: every
// section built asks for the same few values.
struct DiagonalTrigonometry {
    bool Known = false;
    Real48 Angle1;
    Real48 Angle2;
    Real48 KeelFlatAngle;
    long double Sin1 = 0, Cos1 = 0, Sin2 = 0, Cos2 = 0;
    Real48 KeelFlatTan;
};

// One set of working values for constructing and for reshaping a section.
struct SectionStageState {
    HullRecord* Hull = nullptr;
    int Station = 0;
    Real48 Bwl;
    Real48 Tc;
    Real48 Ts;        // local depth Tc - KeelHeight
    Real48 Bs;        // beam target (new section) or reference (reshaped section)
    Real48 Fs;        // freeboard SheerHeight - Tc
    Real48 CsReq;     // required section coefficient
    Real48 CsTarget;  // the required coefficient clamped to the reachable range
    Real48 O1;        // offsets along diagonals 1..3
    Real48 O2;
    Real48 O3;
    Real48 BilgeAngle;  // radians from the vertical, fixes O1 from O2
    TPointBlock2 Points;
    // Measures of the last evaluation; they outlast the call.
    Real48 HalfBreadth;  // b, at the design waterline
    Real48 HalfArea;
    Real48 Coefficient;  // Cs
    Real48 FairnessAngle;
    TSecantSolver BeamSolver;
    TSecantSolver CoefficientSolver;
    TSecantSolver FairnessSolver;
    int Counter = 0;            // evaluations while reshaping
    bool KeelOverride = false;  // O1 held at keel height
    DiagonalTrigonometry Trigonometry;
    std::string ConsoleText;  // a line being written; its room is kept
};

struct HullStageState {
    HullRecord* Hull = nullptr;
    Real48 SectionFullness;  // K: mean quarter-section coefficient over Cm
    Real48 SectionSkew;      // D: half the aft-minus-forward difference
    // Results of the last evaluation.
    Real48 HullVolume;
    Real48 LCBPosition;  // aft of station 0
    Real48 HullLCBFraction;
    TSecantSolver VolumeSolver;
    TSecantSolver LCBSolver;
};

struct TransomStageState {
    HullRecord* Hull = nullptr;
    int Diagonal = 0;      // the diagonal piercing the transom
    TQuadratic Offsets;    // its offsets aft as a parabola in x
    TLine TransomLine;     // the transom in the centre plane
    Real48 TrialX;
    TSecantSolver Solver;
};

// What the robust method learnt of a station's sections during a run: the
// range of fullness that keeps the beam it was found for, and the spread of
// the waterline point that last met the beam, where the next search starts.
struct RobustStationMemo {
    long double Beam = 0;  // 0 until a range is known
    long double KeelHeight = 0;  // the range holds for this beam, keel and deck
    long double SheerBeam = 0;
    SectionReach Reach = SectionReach::NearBMax;  // the one the range was found in
    long double HollowestKept = 0;
    long double FullestKept = 0;
    long double Lowest = 0;   // coefficients at the two ends
    long double Highest = 0;
    bool BeamKept = false;
    // Where the sections last met the beam: the spread moves with the
    // fullness, so each end of the range keeps its own.
    long double Spread = 1;
    long double HollowestSpread = 1;
    long double FullestSpread = 1;
    long double Fullness = 0;       // where the last solve ended
    long double FullnessSlope = 0;  // of the coefficient there; 0 until known
};

// Where the robust waterline's widest part last stood with room for the
// LCB: a waterline aimed again tries it first.
struct RobustWaterlineMemo {
    bool Placed = false;
    long double Shift = 0;  // fractions of Lwl
    long double Flat = 0;
};

// Whether the robust method's section family reaches hollower sections than
// its usual range: once the usual family has left the low waterlines unfair.
struct RobustFamilyMemo {
    bool Hollower = false;
};

struct GeneratorState {
    ProfileStageState Profile;
    SheerStageState Sheer;
    WaterlineStageState Waterline;
    DiagonalFitState DiagonalFit;
    SectionStageState Section;
    HullStageState HullStage;
    TransomStageState Transom;
    std::array<RobustStationMemo, kStationCount> RobustStations;
    RobustWaterlineMemo RobustWaterline;
    RobustFamilyMemo RobustFamily;
};

GeneratorState& Generator();
void ResetGeneratorState();

}  // namespace sloopform
