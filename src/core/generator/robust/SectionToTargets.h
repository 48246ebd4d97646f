#pragma once
#include <optional>

#include "model/HullRecord.h"
#include "numeric/Real48.h"

namespace sloopform {

// What a constructed section reached: its half-breadth at the design waterline
// and its area coefficient against the demanded beam.
struct SectionReached {
    Real48 HalfBreadth;
    Real48 Coefficient;
    Real48 BilgeAngle;  // the one the section was built with
    bool Met = false;   // both within the construction tolerances
};

// Where a construction starts: from the chine line through keel and
// waterline, or from the station's present offsets and, when known, the
// bilge angle its last construction ended with.
struct SectionStart {
    bool Warm = false;
    std::optional<Real48> BilgeAngle;
};

// Constructs station s's section to a full waterline beam and an area
// coefficient: the beam by Newton steps on the offset along diagonal 3, the
// coefficient by secant steps on the offset along diagonal 2, the bilge angle
// from the coefficient. A limited number of steps; a target out of reach
// leaves the nearest section found, and a coefficient with which the beam
// cannot be kept gives way. The station keeps the offsets; whether the
// diagonal fit takes them as data is the caller's choice.
SectionReached ConstructSection(HullRecord& hull, int s, Real48 beam, Real48 coefficient, const SectionStart& start);

// Coefficient tolerance of a constructed section.
constexpr long double kSectionCoefficientTolerance = 0.002L;

}  // namespace sloopform
