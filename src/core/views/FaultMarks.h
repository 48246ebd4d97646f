#pragma once
#include <vector>

#include "analysis/HullFault.h"
#include "model/HullRecord.h"
#include "views/ViewportEngView.h"

namespace sloopform {

// The colour of what the hull check faults.
constexpr TColor kFaultColor = 0x0000FF;  // red (0x00BBGGRR)

// Marks in the lines plan what each fault names, drawn over the curve in
// kFaultColor: a section's curve in the body plan (on its side of a split
// body plan) and its station in the profile and the plan; the stretch of the
// profile that runs back; the design waterline in the plan (the stretch
// outside the sheer, or all of it past Bwl/2); an unfair waterline in the
// plan. A fault of the sectional-area curve names no one curve and is not
// marked.
void DrawFaultMarks(TViewportEngView& viewport, const HullRecord& hull, const std::vector<HullFault>& faults,
                    bool splitBodyPlan);

}  // namespace sloopform
