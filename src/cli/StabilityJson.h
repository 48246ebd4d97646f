#pragma once
#include <nlohmann/json.hpp>

#include "analysis/Stability.h"

namespace sloopform::batch {

// The summary's figures by name (null where the angles do not reach one) and
// the curve under "curve", a list of points.
nlohmann::json StabilityJson(const StabilityResult& result);

// The design stability of a generated hull at the default angles, or
// {"error": why} when it cannot be computed.
nlohmann::json DesignStabilityJson(const HullRecord& hull, double vcg);

}  // namespace sloopform::batch
