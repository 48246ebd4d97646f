#pragma once
#include <string>
#include <vector>

#include "analysis/Stability.h"

namespace sloopform {

// The summary of a stability curve as report lines: the figures the curve
// gives, "not reached" for one its angles do not reach.
std::vector<std::string> StabilitySummaryLines(const StabilityResult& result);

// The curve's table at the heels that are whole multiples of `every` degrees.
std::vector<std::string> StabilityTableLines(const StabilityResult& result, int every);

// The curve as CSV: heel, gz, righting_moment, trim, sinkage.
std::vector<std::string> StabilityCsvLines(const StabilityResult& result);

}  // namespace sloopform
