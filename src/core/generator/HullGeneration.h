#pragma once
#include "model/HullRecord.h"

namespace sloopform {

// The "Generating Hull..." stage: drives the fullness and the skew of the two
// quarter sections until the volume over the stations equals Cp Lwl Bwl Tc Cm
// and the centre of buoyancy lies at LCB. Marks the hull complete.
void GenerateHull(HullRecord& hull);

// Rebuilds every station from the current fullness and skew of the quarter
// sections and integrates the volume and the centre of buoyancy.
void EvaluateHull(HullRecord& hull);

}  // namespace sloopform
