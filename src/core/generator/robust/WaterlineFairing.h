#pragma once
#include "generator/robust/AreaCurve.h"
#include "model/HullRecord.h"

namespace sloopform {

// Whether the waterlines at 1/4, 1/2 and 3/4 of the draught run fair along
// the stations, as the hull check reads them.
bool LowWaterlinesFair(const HullRecord& hull);

// Sections of one family change their shape below the waterline with depth
// and beam, so a smooth sectional-area curve can still give a low waterline a
// wiggle. Shifts the coefficients of single stations (midship keeps Cm) by
// the least amounts that take the wiggles out: the third differences of the
// low waterlines along the stations, as each section's half-breadths respond
// to its coefficient, with neither the predicted volume nor its centre moved.
// The caller builds the stations again.
void ShiftForFairWaterlines(HullRecord& hull, AreaCurve& curve);

}  // namespace sloopform
