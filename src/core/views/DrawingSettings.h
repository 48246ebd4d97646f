#pragma once
#include "analysis/Offsets.h"
#include "views/Canvas.h"
#include "views/CurvatureCombs.h"

namespace sloopform {

// The drawing preferences, with their defaults.
struct DrawingSettings {
    TColor BackgroundColor = clBlack;
    TColor ConstructionColor = clWhite;
    TColor OutlineColor = clWhite;
    // Vertical scale correction of the screen: pixels per metre upwards over
    // pixels per metre across.
    long double AspectRatio = 1.0L;
    // Antialiased lines on the screen and the printed page.
    bool SmoothLines = true;
};

// Which parts of the picture a full redraw draws.
struct DisplaySwitches {
    // The two described switches; the additions start off.
    DisplaySwitches(bool constructionLines = true, bool hullOutlines = true)
        : ConstructionLines(constructionLines), HullOutlines(hullOutlines)
    {
    }

    bool ConstructionLines;
    bool HullOutlines;
    // The additions a builder asks for, off unless chosen so the picture
    // stays as first drawn. The split and the labels apply to the lines plan.
    bool SplitBodyPlan = false;  // forward stations right of the centre line, aft ones left
    bool Waterlines = false;
    bool Buttocks = false;
    bool Labels = false;         // station numbers, base line and design waterline
    bool Diagonals = false;      // the three diagonals the sections were fitted to
    OffsetLevels Levels;         // of the waterlines and buttocks (see ChosenOffsetLevels)
    CombSwitches Combs;          // curvature combs on the lines plan's curves
    // What the hull check faults is marked in the lines plan, in red.
    bool FaultMarks = true;
};

}  // namespace sloopform
