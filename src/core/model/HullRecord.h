#pragma once
#include <array>
#include <cstdint>
#include <memory>

#include "numeric/Geometry.h"
#include "numeric/OneBased.h"
#include "numeric/Points.h"
#include "numeric/Real48.h"

namespace sloopform {

constexpr int kStationCount = 21;  // stations 0..20
constexpr int kLastStation = 20;
constexpr int kMidshipStation = 10;

// Control points of the curves the geometry blocks hold: the profile and the
// waterline, transom cubic, the sheer quadratic.
constexpr int kProfilePointCount = 23;
constexpr int kWaterlinePointCount = 9;
constexpr int kSheerPointCount = 3;
// A deck filled out over a full waterline is a cubic of five control points.
constexpr int kFullDeckSheerPointCount = 5;
constexpr int kTransomPointCount = 6;

struct TStation {
    Real48 KeelHeight;
    Real48 DesignWaterlineBeam;
    Real48 SheerBeam;
    Real48 SheerHeight;
    Real48 RequiredSectionCoefficient;
    Real48 SectionArea;
    Real48 SectionCoefficient;
    Real48 WaterlineBeam;
    Real48 SectionVca;
    bool SectionDefined = false;
    OneBased<Real48, 3> DiagonalOffset;
};

// The one data structure every part shares: the design parameters, the water
// constants, the goal accuracies and everything a generation run produces.
struct HullRecord {
    // 1. Design parameters; the derived ones are written by the profile stage.
    Real48 Fovh;
    Real48 Loa;
    Real48 Lwl;
    Real48 BMax;
    Real48 Bwl;
    Real48 BTransom;
    Real48 Tc;
    Real48 FreeBow;
    Real48 FreeCenter;
    Real48 FreeAft;
    Real48 BPDA;
    Real48 StemUpperTangent;
    Real48 StemAngle;
    Real48 StemLowerTangent;
    Real48 BPLWLT;
    Real48 TransomAngle;
    Real48 TransomRise;
    Real48 Cp;
    Real48 Cm;
    Real48 Cwp;
    Real48 LCF;
    Real48 LCB;
    Real48 ApAngle;

    // 2. Profile control heights, set by the run driver.
    Real48 ForefootKeelHeight;
    Real48 AftKeelHeight;

    // 3. x of the top of the transom, set by the sheerline stage.
    Real48 TransomTopX;

    // 4. Water and gravity constants.
    Real48 Gravity;
    Real48 Viscosity;
    Real48 WaterDensity;

    // 5. Geometry blocks (control points numbered from 1).
    TPointBlock2 ProfilePoints;
    TPointBlock2 WaterlinePoints;
    TPointBlock3 SheerPoints;
    // The sheer is a quadratic of kSheerPointCount points unless the robust
    // method filled the deck out over the waterline.
    std::int32_t SheerPointCount = kSheerPointCount;
    std::int32_t SheerOrder = 3;
    TPointBlock3 TransomPoints;

    // 6. Completion flags.
    bool HullComplete = false;
    bool TransomDone = false;
    bool SheerDone = false;
    bool ProfileDone = false;
    bool WaterlineDone = false;

    // 7. Goal accuracies, copied from the preferences at the start of every run.
    Real48 DimensionGoal;
    Real48 PercentageGoal;
    Real48 CoefficientGoal;

    // 8. Stations 0..20.
    std::array<TStation, kStationCount> Stations;

    // 9. Diagonal data; record 4 carries only the keel-flat angle.
    OneBased<Real48, 3> DiagonalEndStation;
    OneBased<Real48, 3> DiagonalEndOffset;
    OneBased<TDiagonal, 4> Diagonals;

    // 10. Points fitted per diagonal: the bow end plus the constructed sections.
    std::int32_t DefinedSectionCount = 0;

    // All fields zero, the constants set, every flag false.
    static std::unique_ptr<HullRecord> Create();
    void ClearFlags();
    // x of station s: Fovh + 0.05 * s * Lwl.
    Real48 StationX(int s) const;
};

constexpr long double kGravity = 9.82L;
constexpr long double kViscosity = 1.19e-6L;
constexpr long double kWaterDensity = 1025.0L;

// The process-wide current hull record, owned by the parameter editor; may be null.
HullRecord* CurrentHull();
void SetCurrentHull(HullRecord* hull);

}  // namespace sloopform
