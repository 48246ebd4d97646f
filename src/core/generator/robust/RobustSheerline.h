#pragma once
#include "model/HullRecord.h"

namespace sloopform {

// The sheerline as the classic method makes it. A transom whose top stands
// forward of the waterline's aft end leaves the last station without a deck:
// the run ends there with a plain-words fatal line naming the parameters to
// change.
void CreateRobustSheerline(HullRecord& hull);

}  // namespace sloopform
