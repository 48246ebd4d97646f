#pragma once
#include "model/HullRecord.h"
#include "views/DrawingSettings.h"
#include "views/Viewport.h"
#include "views/ViewportEngView.h"

namespace sloopform {

// The lines plan's extent in metres: the highest sheer above the base line,
// the margin between the views (4 % of Loa), and the drawing's width and
// height without the margin around it.
struct LinesPlanLayout {
    Real48 TotalHeight;
    Real48 Margin;
    Real48 DrawHeight;
    Real48 DrawWidth;
};
LinesPlanLayout MeasureLinesPlan(const HullRecord& hull);

// Sets the windows of the three views with the drawing `xoff` metres from the
// window's left edge and `yoff` from its top, on the views' surface as it is.
void PlaceLinesPlan(TViewportEngView& viewport, const HullRecord& hull, const LinesPlanLayout& layout,
                    Real48 xoff, Real48 yoff);

// The lines plan: profile at the top left (stern to the left), plan below it,
// body plan to the right, on one scale with the vertical scale corrected by the
// device's aspect ratio. Sets the windows of views 3, 2 and 1; does nothing for
// a hull without length, beam or draught or a surface without width or height.
void FitLinesPlan(TViewportEngView& viewport, const HullRecord& hull);

// The 26 lines of the wire frame around the hull, in the current line colour.
void DrawConstructionLines(TViewport& viewport, const HullRecord& hull);

// Profile, sheerline, design waterline (as the sections meet it, not chords
// between the stations), stations and transom, each only when its stage is
// done, both sides of the centre plane, in `outlineColor`. A
// split body plan shows stations 0-10 on the starboard (right) half and 10-20
// on the port half; only a lines plan has a body plan to split.
void DrawHullOutlines(TViewport& viewport, const HullRecord& hull, TColor outlineColor,
                      bool splitBodyPlan = false);

// Clears the surface to the background colour and draws what the switches allow.
void RedrawLinesPlan(TViewport& viewport, const HullRecord& hull, const DrawingSettings& settings,
                     const DisplaySwitches& switches);

}  // namespace sloopform
