#pragma once
#include <memory>

#include "model/HullRecord.h"

namespace sloopform::test {

// A hull record as the profile, sheerline, diagonals and waterline stages leave
// it, built from smooth closed forms for a 9 m waterline cruiser: keel heights,
// sheer beam and height, design waterline beams and the four diagonal records.
std::unique_ptr<HullRecord> HandBuiltHull();

// The diagonal records for the hull's Tc and Bwl, laid out as the diagonals
// stage does.
void LayOutDiagonals(HullRecord& hull);

}  // namespace sloopform::test
