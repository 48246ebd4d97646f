#pragma once
#include <optional>
#include <string>

#include "model/HullRecord.h"
#include "views/ViewportEngView.h"

namespace sloopform {

// Where the pointer stands on the lines plan, in metres: x aft of the stem
// head, as the offsets and the exports measure it, y the half-breadth, z above
// the base line. A view shows two of the three; the third stays empty.
struct LinesPlanPointer {
    int View = 0;  // TViewportEngView's view under the pointer; 0 outside them all
    std::optional<long double> X;
    std::optional<long double> Y;
    std::optional<long double> Z;
};

// The view whose part of the sheet (its drawing and half the margin around
// it, so the parts meet without overlapping) holds pixel (px, py), and the
// point there. Nothing for a hull without length, beam or draught.
LinesPlanPointer PointerOnLinesPlan(const TViewportEngView& viewport, const HullRecord& hull, int px, int py);

// "Profile: x from stem head = 1.234 m, z = 0.567 m"; empty outside the views.
std::string LinesPlanPointerText(const LinesPlanPointer& pointer);

}  // namespace sloopform
