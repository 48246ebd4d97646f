#pragma once
#include "model/HullRecord.h"

namespace sloopform {

// The diagonals of the robust method: the classic origins on the centre line
// and the third diagonal as it is, through the design waterline at Bwl/2; the
// first two aimed at the parts of the midship section they describe, the
// first at the floor halfway out, the second at the turn of the bilge. The
// classic angles are fixed whatever the proportions, so on a wide, shallow
// hull neither reached the bilge and the section family could not turn it:
// full sections were out of reach.
void CreateRobustDiagonals(HullRecord& hull);

}  // namespace sloopform
