#pragma once
#include "model/HullRecord.h"
#include "numeric/Real48.h"

namespace sloopform {

// What a constructed section reached: its half-breadth at the design waterline
// and its area coefficient against the demanded beam.
struct SectionReached {
    Real48 HalfBreadth;
    Real48 Coefficient;
    bool Met = false;  // both within the construction tolerances
};

// Constructs station s's section to a full waterline beam and an area
// coefficient with a two-variable Newton iteration on the offsets along
// diagonals 2 and 3, the bilge angle fixed from the coefficient. A limited
// number of steps; a target out of reach leaves the nearest section found.
// The station keeps the offsets; whether the diagonal fit takes them as data
// is the caller's choice. With warmStart its present offsets are the starting point, otherwise the chine
// line through keel and waterline.
SectionReached ConstructSection(HullRecord& hull, int s, Real48 beam, Real48 coefficient, bool warmStart);

// Coefficient tolerance of a constructed section.
constexpr long double kSectionCoefficientTolerance = 0.002L;

}  // namespace sloopform
