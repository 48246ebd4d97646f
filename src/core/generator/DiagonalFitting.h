#pragma once
#include <array>

#include "model/HullRecord.h"
#include "numeric/Points.h"
#include "numeric/Real48.h"

namespace sloopform {

using StationOffsets = std::array<Real48, kStationCount>;

// The "Initialising Diagonals..." stage: clears every station's offsets, sets
// the bow ends of the diagonals, the aft end (station 20) from Bwl, the sheer
// and the flare angle, and constructs the midship section from Bwl and Cm.
void InitialiseDiagonals(HullRecord& hull);

// The same stage up to the midship section: offsets cleared, the bow ends and
// station 20 set, and station 10's targets (Cm and Bwl) recorded but not built.
void InitialiseDiagonalEnds(HullRecord& hull);

// Fits each diagonal through its bow end and the constructed sections and gives
// every other station the fitted offsets. An inconsistent set of constructed
// sections writes the fatal line and cancels the run.
void FitDiagonalsToSections(HullRecord& hull, int order);

// The offsets of the curve through the data points (x = station, y = offset)
// at stations 0..20. The table persists: a station that no sample interval
// reaches keeps the value of the previous fit.
const StationOffsets& FitDiagonal(int nPts, int order, const TPointBlock2& points);

// Waterline beam, area, centre and coefficient of stations 1..19 from their
// diagonal offsets; zero at stations 0 and 20.
void SectionsFromDiagonals(HullRecord& hull);

}  // namespace sloopform
