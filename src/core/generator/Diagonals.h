#pragma once
#include "model/HullRecord.h"

namespace sloopform {

// The stored angle constants of the diagonals, in radians.
constexpr long double kDiagonal1Angle = 0.7853981634L;  // pi/4
constexpr long double kKeelFlatAngle = 0.1745329252L;    // pi/18, kept in record 4

// Lays out the three diagonals of the body plan and the keel-flat angle.
void CreateDiagonals(HullRecord& hull);

}  // namespace sloopform
