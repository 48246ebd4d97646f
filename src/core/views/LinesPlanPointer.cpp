#include "views/LinesPlanPointer.h"

#include <cmath>
#include <cstdio>
#include <utility>

#include "views/LinesPlan.h"

namespace sloopform {

namespace {

struct Span {
    long double Low;
    long double High;
    bool Holds(long double value) const { return value >= Low && value <= High; }
};

// One view's part of the sheet in its own world coordinates (across, upwards).
struct ViewPart {
    int View;
    Span Across;
    Span Upwards;
};

std::string Metres(const char* axis, long double value)
{
    // Rounded to the millimetre; a value that rounds to nought has no sign.
    const long double shown = std::round(value * 1000) / 1000 + 0.0L;
    char text[48];
    std::snprintf(text, sizeof text, "%s = %.3Lf m", axis, shown);
    return text;
}

}  // namespace

LinesPlanPointer PointerOnLinesPlan(const TViewportEngView& viewport, const HullRecord& hull, int px, int py)
{
    LinesPlanPointer pointer;
    if (hull.Loa == 0 || hull.BMax == 0 || hull.Tc == 0) return pointer;
    const LinesPlanLayout layout = MeasureLinesPlan(hull);
    const long double border = layout.Margin / 2;
    const Span length{-border, hull.Loa + border};
    const Span breadth{-hull.BMax / 2 - border, hull.BMax / 2 + border};
    const Span height{-border, layout.TotalHeight + border};
    const ViewPart parts[] = {{TViewportEngView::kProfileView, length, height},
                              {TViewportEngView::kPlanView, length, breadth},
                              {TViewportEngView::kBodyPlanView, breadth, height}};
    for (const ViewPart& part : parts) {
        if (viewport.ViewCount() < part.View) continue;
        const TScreen& screen = viewport.View(part.View);
        if (!screen.Active || screen.PixelWidth == 0 || screen.PixelHeight == 0) continue;
        const long double across = viewport.XpointBack(part.View, px);
        const long double upwards = viewport.YpointBack(part.View, py);
        if (!part.Across.Holds(across) || !part.Upwards.Holds(upwards)) continue;
        pointer.View = part.View;
        if (part.View == TViewportEngView::kBodyPlanView)
            pointer.Y = across;
        else
            pointer.X = across;
        if (part.View == TViewportEngView::kPlanView)
            pointer.Y = upwards;
        else
            pointer.Z = upwards;
        return pointer;
    }
    return pointer;
}

std::string LinesPlanPointerText(const LinesPlanPointer& pointer)
{
    static const char* const kViewNames[] = {"", "Profile", "Plan", "Body plan"};
    if (pointer.View < TViewportEngView::kProfileView || pointer.View > TViewportEngView::kBodyPlanView)
        return {};
    std::string text = std::string(kViewNames[pointer.View]) + ":";
    const char* separator = " ";
    for (const auto& [axis, value] : {std::pair{"x from stem head", pointer.X}, std::pair{"y", pointer.Y}, std::pair{"z", pointer.Z}}) {
        if (!value) continue;
        text += separator + Metres(axis, *value);
        separator = ", ";
    }
    return text;
}

}  // namespace sloopform
