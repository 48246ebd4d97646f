#pragma once
#include <array>

#include "model/HullRecord.h"
#include "numeric/Geometry.h"
#include "numeric/Matrix.h"
#include "numeric/Points.h"
#include "numeric/Real48.h"
#include "numeric/SecantSolver.h"

namespace sloopform {

// Working values of the stages that live between evaluations of an iterated
// function, and some from one run to the next. One object with program
// lifetime; ResetGeneratorState() returns it to program start.

struct ProfileStageState {
    Real48 TrialRise;  // height of the transom's lowest point above the waterline
    TSecantSolver Solver;
    Real48 LastResidual;  // Tc minus the keel height at station 20
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

struct SectionStageState {
    HullRecord* Hull = nullptr;
    int Station = 0;
    Real48 Bwl;
    Real48 Tc;
    Real48 Ts;     // local depth Tc - KeelHeight
    Real48 Bs;     // beam target or reference
    Real48 Fs;     // freeboard SheerHeight - Tc
    Real48 CsReq;  // required section coefficient
    Real48 CsTarget;
    Real48 O1;
    Real48 O2;
    Real48 O3;
    Real48 BilgeAngle;
    TPointBlock2 Points;
    Real48 HalfBreadth;  // b
    Real48 HalfArea;
    Real48 Coefficient;  // Cs
    Real48 FairnessAngle;
    TSecantSolver BeamSolver;
    TSecantSolver CoefficientSolver;
    TSecantSolver FairnessSolver;
    int Counter = 0;
    bool KeelOverride = false;
};

struct HullStageState {
    HullRecord* Hull = nullptr;
    Real48 SectionFullness;
    Real48 SectionSkew;
    Real48 HullVolume;     // kept between runs
    Real48 LCBPosition;    // kept between runs
    Real48 HullLCBFraction;  // kept between runs
    TSecantSolver VolumeSolver;
    TSecantSolver LCBSolver;
};

struct TransomStageState {
    HullRecord* Hull = nullptr;
    int Diagonal = 0;
    TQuadratic Offsets;
    TLine TransomLine;
    Real48 TrialX;
    TSecantSolver Solver;
};

struct GeneratorState {
    ProfileStageState Profile;
    SheerStageState Sheer;
    WaterlineStageState Waterline;
    DiagonalFitState DiagonalFit;
    SectionStageState Section;
    HullStageState HullStage;
    TransomStageState Transom;
};

GeneratorState& Generator();
void ResetGeneratorState();

}  // namespace sloopform
