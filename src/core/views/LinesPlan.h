#pragma once
#include "model/HullRecord.h"
#include "views/DrawingSettings.h"
#include "views/Viewport.h"
#include "views/ViewportEngView.h"

namespace sloopform {

// The lines plan: profile at the top left (stern to the left), plan below it,
// body plan to the right, on one scale with the vertical scale corrected by the
// device's aspect ratio. Sets the windows of views 3, 2 and 1; does nothing for
// a hull without length, beam or draught or a surface without width or height.
void FitLinesPlan(TViewportEngView& viewport, const HullRecord& hull);

// The 26 lines of the wire frame around the hull, in the current line colour.
void DrawConstructionLines(TViewport& viewport, const HullRecord& hull);

// Profile, sheerline, design waterline, stations and transom, each only when
// its stage is done, both sides of the centre plane, in `outlineColor`.
void DrawHullOutlines(TViewport& viewport, const HullRecord& hull, TColor outlineColor);

// Clears the surface to the background colour and draws what the switches allow.
void RedrawLinesPlan(TViewport& viewport, const HullRecord& hull, const DrawingSettings& settings,
                     const DisplaySwitches& switches);

}  // namespace sloopform
