#pragma once
#include <string>
#include <vector>

#include "analysis/Stability.h"
#include "numeric/Real48.h"

namespace sloopform {

class TOutput;

// The summary of a stability curve as report lines: the figures the curve
// gives, "not reached" for one its angles do not reach.
std::vector<std::string> StabilitySummaryLines(const StabilityResult& result);

// The curve's table at the heels that are whole multiples of `every` degrees.
std::vector<std::string> StabilityTableLines(const StabilityResult& result, int every);

// The report's "Stability" block: the summary and the curve every 10°. A
// hull that is not generated is said so in a message and nothing is written;
// without a VCG, or with one the curve refuses, the block says why.
// Returns whether the block was written.
bool ReportStability(const HullRecord& hull, const std::optional<Real48>& vcg, TOutput& report);

// The curve as CSV: heel, gz, righting_moment, trim, sinkage.
std::vector<std::string> StabilityCsvLines(const StabilityResult& result);

}  // namespace sloopform
