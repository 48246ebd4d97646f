#pragma once
#include <vector>

#include "model/HullRecord.h"
#include "numeric/BSpline.h"

namespace sloopform {

// The waterlines at the heights and the buttocks at the distances from the
// centre plane, as lines in space on both sides, traced on the sections lofted
// between the stations from station 0 to station 20. Where a line leaves the
// hull between two sections it is followed to the edge it leaves by (the sheer
// for a buttock, the keel for a waterline) instead of stopping at the last
// section; a buttock that reaches station 0 goes on to the sheer in the
// forward overhang.
void EmitWaterlines(const HullRecord& hull, const std::vector<long double>& heights, LineSink& sink);
void EmitButtocks(const HullRecord& hull, const std::vector<long double>& distances, LineSink& sink);
// Diagonal d (1 to 3) where it cuts the same sections, both sides.
void EmitDiagonal(const HullRecord& hull, int d, LineSink& sink);

// The design waterline as the generated sections meet it, finely sampled
// along the loft: the curve itself rather than chords between the stations.
void EmitDesignWaterline(const HullRecord& hull, LineSink& sink);

}  // namespace sloopform
