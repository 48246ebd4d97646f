#pragma once
#include "analysis/ExtendedBSpline.h"
#include "model/HullRecord.h"

namespace sloopform {

// The sheer line seen from above (x from the stem head, half-breadth) and
// from the side (x, height): the record's sheer curve, as many control points
// and of the order it has, on one parameter.
ExtendedBSpline SheerPlan(const HullRecord& hull);
ExtendedBSpline SheerElevation(const HullRecord& hull);

}  // namespace sloopform
