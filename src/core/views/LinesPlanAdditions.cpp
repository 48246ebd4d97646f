#include "views/LinesPlanAdditions.h"

#include <string>

#include "analysis/Offsets.h"
#include "views/LevelLines.h"
#include "views/ViewportEngView.h"

namespace sloopform {

namespace {

// Labels stand this fraction of Loa clear of what they name.
constexpr long double kLabelClearance = 0.02L;

void DrawLabels(TViewportEngView& viewport, const HullRecord& hull)
{
    const long double loa = hull.Loa;
    const long double halfBeam = hull.BMax / 2;
    const long double clearance = kLabelClearance * loa;
    for (int s = 0; s <= kLastStation; ++s)
        viewport.Text(TViewportEngView::kProfileView, hull.StationX(s), -clearance, std::to_string(s),
                      TextAlign::Centre);
    const struct {
        const char* name;
        long double z;
    } levels[] = {{"BL", 0}, {"DWL", hull.Tc}};
    for (const auto& level : levels) {
        viewport.Line(TViewportEngView::kProfileView, 0, level.z, loa, level.z);
        viewport.Line(TViewportEngView::kBodyPlanView, -halfBeam, level.z, halfBeam, level.z);
        // Both in the margins left of their views: the profile has its stern
        // on the left, beyond x = Loa.
        viewport.Text(TViewportEngView::kProfileView, loa + clearance, level.z, level.name,
                      TextAlign::Centre);
        viewport.Text(TViewportEngView::kBodyPlanView, -halfBeam - clearance, level.z, level.name,
                      TextAlign::Centre);
    }
}

}  // namespace

void DrawLinesPlanAdditions(TViewport& viewport, const HullRecord& hull, TColor color,
                            const DisplaySwitches& switches)
{
    if (!hull.HullComplete || !(switches.Waterlines || switches.Buttocks || switches.Labels || switches.Diagonals))
        return;
    viewport.SetLineColor(color);
    const OffsetLevels levels = ChosenOffsetLevels(hull, switches.Levels);
    if (switches.Waterlines) EmitWaterlines(hull, levels.Waterlines, viewport);
    if (switches.Buttocks) EmitButtocks(hull, levels.Buttocks, viewport);
    if (switches.Diagonals)
        for (int d = 1; d <= 3; ++d) EmitDiagonal(hull, d, viewport);
    if (auto* linesPlan = dynamic_cast<TViewportEngView*>(&viewport); linesPlan && switches.Labels)
        DrawLabels(*linesPlan, hull);
}

}  // namespace sloopform
