#pragma once
#include <optional>
#include <string>
#include <vector>

#include "analysis/Resistance.h"
#include "analysis/ResistanceOptimiser.h"
#include "analysis/VelocityConversion.h"

namespace sloopform {

// Speeds from From to To (both included when the steps meet To) by Step, in
// one unit.
struct SpeedRange {
    SpeedUnit Unit = SpeedUnit::FroudeNumber;
    long double From = kLowestFn;
    long double To = kHighestFn;
    long double Step = 0.025L;
};

// No range is drawn with more speeds than this.
constexpr int kMostCurveSpeeds = 2000;

// Fn 0.125 to 0.75 by 0.025; in knots (by 0.5) or m/s (by 0.25) the whole
// steps inside that range of Froude numbers for the hull's Lwl.
SpeedRange DefaultSpeedRange(SpeedUnit unit, const ResistanceParameters& hull);

// What makes the range unusable, as a sentence, or nothing: a step not above
// 0, an end above the other, an end outside Fn 0.125 to 0.75, too many speeds.
std::optional<std::string> SpeedRangeError(const SpeedRange& range, const ResistanceParameters& hull);

// The estimate at every speed of a usable range, slowest first; each point is
// the estimate at the Froude number the speed converts to, as a single speed
// typed in that unit gets it.
std::vector<ResistanceResult> ResistanceCurve(const ResistanceParameters& hull, const SpeedRange& range);

// The residuary regression is taken as fitted on the speeds up to this Froude
// number; above it the curve carries the tables beyond what they were fitted
// on, and the total may even fall with speed (Fn 0.600 to 0.625, 0.700 to 0.725).
constexpr long double kFittedHighestFn = 0.6L;
// The point's speed lies above the fitted range.
bool Extrapolated(const ResistanceResult& point);

// A speed of the curve in knots.
long double KnotsOf(const ResistanceResult& point);

// A part of the estimate in newtons, under the name the tables give it.
struct ResistanceComponent {
    const char* Name;     // "friction"
    const char* Caption;  // "Frictional"
    Real48 ResistanceResult::*Newtons;
};
// Every part the estimate reports, the total last.
const std::vector<ResistanceComponent>& ResistanceComponents();

// The hull's parameters with the optimum's Cp, LCB and Cm.
ResistanceParameters OptimumParameters(ResistanceParameters hull,
                                       const ResistanceOptimiser::Optimum& optimum);

// The table fn,knots,speed_ms,<component>...,total,extrapolated, one row
// per point; every figure in its shortest exact decimal form, extrapolated 1
// above the fitted range and 0 within it. A second curve over the same speeds
// adds its components again under `secondPrefix`, before extrapolated.
std::vector<std::string> ResistanceCurveCsvLines(const std::vector<ResistanceResult>& curve,
                                                 const std::vector<ResistanceResult>& second = {},
                                                 const std::string& secondPrefix = {});

}  // namespace sloopform
