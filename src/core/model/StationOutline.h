#pragma once
#include "model/HullRecord.h"
#include "numeric/Points.h"

namespace sloopform {

constexpr int kStationOutlinePoints = 6;

// The six body-plan control points (y, z) of station s's section: keel, end of
// the keel flat, the crossings with diagonals 1..3, and the sheer. Used by the
// lines plan, the DXF and the GF1 exports.
TPointBlock2 StationOutline(const HullRecord& hull, int s);

}  // namespace sloopform
