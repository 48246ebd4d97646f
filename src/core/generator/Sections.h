#pragma once
#include "generator/GeneratorState.h"
#include "model/HullRecord.h"
#include "numeric/Points.h"
#include "numeric/Real48.h"

namespace sloopform {

// Section coefficients that a reshaped section is allowed to reach.
extern const Real48 kLowestSectionCoefficient;   // 0.38
extern const Real48 kHighestSectionCoefficient;  // 0.95

// Constructs station s's section from its design waterline beam and required
// coefficient alone, and makes it a constructed section.
void CreateNewSection(int s, HullRecord& hull);

// Reshapes the interpolated section of station s until it has its required
// coefficient with a fair bilge, and makes it a constructed section. Gives up
// after more than 200 evaluations, keel check included, keeping what it has.
// Does nothing when the run is being cancelled.
void ModifySectionFromDiagonals(int s, HullRecord& hull);

// The six section control points from the working values. Unless the keel
// override holds it, the diagonal-1 offset follows the bilge angle.
void BuildSectionPoints(SectionStageState& work);

// Where a diagonal crosses the straight line from the keel point (0, Tc - T_s)
// to the waterline point (B_s / 2, Tc): a section's starting offset on it.
Real48 ChineLineOffset(const SectionStageState& work, const TDiagonal& diagonal);

// Starting bilge angle (radians): a for a coefficient of 0.5 and pi/2 for 1,
// where a is the angle of the chine line from keel to waterline.
Real48 InitialBilgeAngle(Real48 beam, Real48 depth, Real48 requiredCoefficient);

// Degrees by which the polygon turns more at the diagonal-1 vertex than at the
// diagonal-2 vertex; 0 when it turns equally.
Real48 FairnessAngle(const TPointBlock2& points);

}  // namespace sloopform
