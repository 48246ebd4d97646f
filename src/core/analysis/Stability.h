#pragma once
#include <optional>
#include <vector>

#include "analysis/StabilityEquilibrium.h"
#include "model/HullRecord.h"

namespace sloopform {

// One heel of the stability curve.
struct StabilityPoint {
    double Heel = 0;            // degrees, starboard down positive
    double Gz = 0;              // m, righting positive
    double RightingMoment = 0;  // kN·m
    double Trim = 0;            // degrees, bow down negative
    double Sinkage = 0;         // m: how far the design waterline's point above G lies under water
    double DeckFreeboard = 0;   // m: the lowest point of the sheers above the water
};

// What the curve says; a figure the angles asked for do not reach is absent.
struct StabilitySummary {
    double Vcg = 0;        // m above the base line
    double Gm = 0;         // m: the slope of the curve at 0°, per radian
    double GzMax = 0;      // m: the largest GZ among the angles
    double HeelGzMax = 0;  // degrees
    std::optional<double> Avs;            // degrees: the first angle past the largest GZ where GZ is 0
    std::optional<double> DeckImmersion;  // degrees: the first where a sheer reaches the water
    std::optional<double> Area30;         // m·rad: under the curve from 0° to 30°
    std::optional<double> Area40;
    std::optional<double> AreaAvs;        // from 0° to the AVS
    std::optional<double> AreaRatio;      // positive area over the negative area beyond the AVS
};

struct StabilityResult {
    double Displacement = 0;  // kg
    std::vector<StabilityPoint> Curve;  // in the order of the angles asked for
    StabilitySummary Summary;
};

// What floats and how its weight is reckoned.
struct StabilityCondition {
    FloatingCondition Floating;
    double Draft = 0;  // m: the upright waterline's height above the base line
    double Density = kWaterDensity;
    double Gravity = kGravity;
};

// 0° to 180° every 5°.
std::vector<double> DefaultHeelAngles();

// The curve at `heels` (degrees, -180 to 180, in any order; each searched from
// the one before) and its summary, which reads the angles from 0° up. Throws
// std::invalid_argument for an angle outside that range or an empty list,
// std::runtime_error when the body finds no floating position.
StabilityResult ComputeStability(const CanoeBody& body, const StabilityCondition& condition,
                                 const std::vector<double>& heels);

}  // namespace sloopform
