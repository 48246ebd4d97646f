#pragma once
#include "generator/robust/AreaCurve.h"

namespace sloopform {

// Replaces the coefficient limits of each body's stations (1 to 9 and 11 to
// 19) by smooth envelopes: the highest by the parabola over the stations
// that stays within every station's limit and holds the most area, the
// lowest by the one that stays above every limit and holds the least. A
// section's limits move irregularly from station to station with its beam,
// depth and the diagonals' slopes; sections held at such limits put
// wiggles into the waterlines below the design waterline, sections held at
// a parabola do not. Where the two envelopes cross, both take their middle.
void SmoothLimits(AreaCurve& curve);

}  // namespace sloopform
