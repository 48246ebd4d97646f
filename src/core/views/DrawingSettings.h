#pragma once
#include "views/Canvas.h"

namespace sloopform {

// The drawing preferences, with their defaults.
struct DrawingSettings {
    TColor BackgroundColor = clBlack;
    TColor ConstructionColor = clWhite;
    TColor OutlineColor = clWhite;
    // Vertical scale correction of the screen: pixels per metre upwards over
    // pixels per metre across.
    long double AspectRatio = 1.0L;
};

// Which parts of the picture a full redraw draws.
struct DisplaySwitches {
    bool ConstructionLines = true;
    bool HullOutlines = true;
};

}  // namespace sloopform
