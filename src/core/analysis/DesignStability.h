#pragma once
#include <vector>

#include "analysis/Stability.h"
#include "model/HullRecord.h"

namespace sloopform {

// The large-angle stability of the generated hull's closed canoe body (hull,
// transom and deck, as the STEP export makes it) at the design displacement,
// the exact volume below the design waterline, with G on the centre line
// above the upright centre of buoyancy at `vcg` above the base line.
// Throws std::invalid_argument when `vcg` lies below the base line or above
// the lowest point of the sheer, or for heels the curve refuses;
// std::runtime_error when the hull is not generated or has no closed body.
StabilityResult ComputeDesignStability(const HullRecord& hull, double vcg,
                                       const std::vector<double>& heels = DefaultHeelAngles());

}  // namespace sloopform
