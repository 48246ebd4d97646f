#pragma once
#include "model/HullRecord.h"
#include "views/DrawingSettings.h"
#include "views/Viewport.h"

namespace sloopform {

// What the switches add to the described picture of a generated hull, in
// `color`: the waterlines and the buttocks at their levels, the diagonals, and in a lines plan
// the station numbers under the profile and the base line and the design
// waterline drawn and labelled "BL" and "DWL" in the profile and the body plan.
void DrawLinesPlanAdditions(TViewport& viewport, const HullRecord& hull, TColor color,
                            const DisplaySwitches& switches);

}  // namespace sloopform
