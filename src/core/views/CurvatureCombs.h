#pragma once
#include <vector>

#include "model/HullRecord.h"
#include "views/Canvas.h"
#include "views/CurvePolylines.h"
#include "views/ViewportEngView.h"

namespace sloopform {

struct OffsetLevels;

// Which curves of the lines plan carry a curvature comb, and how long its
// teeth are drawn: at scale 1 the teeth of each set reach about 3 % of Loa.
struct CombSwitches {
    bool DesignWaterline = false;
    bool Waterlines = false;
    bool Buttocks = false;
    bool Sections = false;
    bool Diagonals = false;
    bool Profile = false;
    long double Scale = 1;

    bool Any() const { return DesignWaterline || Waterlines || Buttocks || Sections || Diagonals || Profile; }
};

// One tooth of a comb: from the curve's point to the tip.
struct CombTooth {
    ViewPoint Root;
    ViewPoint Tip;
};

// The teeth of the combs of a set of polylines (one comb each, a tooth at
// every inner point), along the normal on the side away from the centre of
// curvature, in proportion to the curvature: a tooth as sharp as 90 % of the
// set's points (or less sharp) is at most `longest` long, and none is longer
// than 1.5 times that. A straight set has teeth of no length.
std::vector<std::vector<CombTooth>> CombTeeth(const std::vector<ViewPolyline>& curves, long double longest);

// Curvature combs ("porcupines") on the chosen curves of a generated hull, in
// the view each is drawn in: at every few points of the curve a tooth along
// the normal, on the side away from the centre of curvature, as long as the
// curvature there, and the line through the teeth's tips. A fair curve's comb
// changes smoothly; a wiggle shows as a comb that crosses the curve, a kink as
// a spike. The profile in the profile view; the design waterline, the
// waterlines and the diagonals (expanded, below the centre line) in the plan;
// the sections and the buttocks where the lines plan draws them.
void DrawCurvatureCombs(TViewportEngView& viewport, const HullRecord& hull, const CombSwitches& combs,
                        const OffsetLevels& levels, bool splitBodyPlan, TColor color);

}  // namespace sloopform
