#pragma once
#include <nlohmann/json.hpp>

#include "analysis/Offsets.h"

namespace sloopform::batch {

// The table of offsets at the chosen levels (see ChosenOffsetLevels) in full
// precision: the levels, and per station x, keel_z, sheer_y, sheer_z, the
// half-breadths at the waterlines and the heights of the buttocks, null where
// a line misses the station.
nlohmann::json OffsetsJson(const HullRecord& hull, const OffsetLevels& chosen);

}  // namespace sloopform::batch
