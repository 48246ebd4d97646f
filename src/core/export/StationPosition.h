#pragma once
#include "model/HullRecord.h"

namespace sloopform {

// x of station s as both exports compute it, (Lwl * s) * 0.05 after Fovh, in
// extended precision; the order of the products decides the last bit.
inline long double StationPosition(const HullRecord& hull, int s)
{
    return hull.Fovh + hull.Lwl * s * 0.05L;
}

}  // namespace sloopform
