#pragma once
#include "model/HullRecord.h"
#include "numeric/Real48.h"

namespace sloopform {

// What a constructed section reached, measured on its own curve: its
// half-breadth at the design waterline and its area coefficient against the
// demanded beam; and the range of coefficients a section of the family can
// have at this station with that beam.
struct SectionReached {
    Real48 HalfBreadth;
    Real48 Coefficient;
    long double Lowest = 0;
    long double Highest = 0;
    bool BeamKept = false;  // some section of the family reaches the beam within BMax
    bool Met = false;       // beam and coefficient within the construction tolerances
};

// Constructs station s's section from a family that cannot fold: its control
// polygon rises from the keel to the sheer, so the curve does too. One fullness value moves the three diagonal points from a
// hollow section through the straight V from the keel to the waterline point
// to the box that turns at the bilge; the area grows with it. For each
// fullness the waterline point is spread until the curve's half-breadth at
// the design waterline meets the beam; the fullness is then found for the
// coefficient. A coefficient outside the family's range at this station gives
// the nearest end of the range. The station keeps the offsets.
SectionReached ConstructSection(HullRecord& hull, int s, Real48 beam, Real48 coefficient);

// Lets every station's sections reach hollower shapes than the usual family
// allows; the ranges learnt so far are forgotten. False when the family is
// already widened.
bool WidenSectionFamily();

// How far out a section's diagonal points may stand: a little past BMax/2,
// or, for a section whose deck is barely wider than its waterline, no
// further than the deck edge.
enum class SectionReach { NearBMax, WithinDeck };

// Moves station s's diagonal offsets as little as keeps each diagonal point
// no lower than the one before, no higher than the sheer and not past the
// envelope, nor, above the design waterline, past the deck edge, far past
// the station's waterline half-beam or far inside the smaller of the two:
// then the section can neither fold back nor loop (a B-spline varies no more
// than its polygon), it passes well inside the outermost points, and its
// topside neither bulges out and tucks back in under a narrow deck nor
// pinches in above the waterline.
void KeepSectionWithinEnvelope(HullRecord& hull, int s, SectionReach reach = SectionReach::NearBMax);

// Coefficient tolerance of a constructed section.
constexpr long double kSectionCoefficientTolerance = 0.002L;

}  // namespace sloopform
