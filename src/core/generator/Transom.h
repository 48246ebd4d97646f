#pragma once
#include "model/HullRecord.h"
#include "numeric/Matrix.h"

namespace sloopform {

// The "Creating Transom..." stage: the transom outline from the centre line at
// the transom's lowest point to the sheer corner, its inner points where the
// diagonals, continued aft, pierce the transom plane.
void CreateTransom(HullRecord& hull);

// Least-squares parabola t(x) of diagonal d's offsets over stations 10..20.
TQuadratic FitDiagonalAft(const HullRecord& hull, int d);

}  // namespace sloopform
