#pragma once
#include <vector>

#include "model/HullRecord.h"
#include "numeric/BSpline.h"

namespace sloopform {

// The waterlines at the heights and the buttocks at the distances from the
// centre plane, as lines in space on both sides, traced on the sections lofted
// between the stations from station 0 to station 20. A line breaks where it
// leaves the hull.
void EmitWaterlines(const HullRecord& hull, const std::vector<long double>& heights, LineSink& sink);
void EmitButtocks(const HullRecord& hull, const std::vector<long double>& distances, LineSink& sink);
// Diagonal d (1 to 3) where it cuts the same sections, both sides.
void EmitDiagonal(const HullRecord& hull, int d, LineSink& sink);

}  // namespace sloopform
