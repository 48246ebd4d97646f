#pragma once
#include "model/HullRecord.h"

namespace sloopform {

// The design waterline of the robust method: the classic nine control points,
// with the two shoulder half-breadths solved together so that the station
// beams the sections will be built to (Bwl at midship) integrate to Cwp with
// the centre of flotation at LCF. Area and moment are linear in the two
// shoulders, so the solve is direct. A request that needs a shoulder below
// the centre line or wider than Bwl ends the run with a plain-words fatal line.
void CreateRobustWaterline(HullRecord& hull);

}  // namespace sloopform
