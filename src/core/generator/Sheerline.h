#pragma once
#include "model/HullRecord.h"
#include "numeric/Real48.h"

namespace sloopform {

// The sheerline stage: fits the deck edge through the stem head, the widest
// point and the transom top, then iterates the middle control point's
// half-breadth until the widest half-breadth is BMax / 2.
void CreateSheerline(HullRecord& hull);

// Fits SheerPoints through the three sheer points and sets TransomTopX.
void FitSheer(HullRecord& hull);

// The largest half-breadth of the current sheer curve over its samples.
Real48 SheerMaxHalfBeam(const HullRecord& hull);

// Writes the sheer beam and height of every station the curve reaches.
void SheerStations(HullRecord& hull);

}  // namespace sloopform
