#include "views/ThreeDView.h"

#include "numeric/ArithmeticFault.h"
#include "views/LinesPlan.h"

namespace sloopform {

namespace {

constexpr long double kFitBorder = 1.08L;  // 4 % of the extent free on each side

}  // namespace

void InitialiseThreeDView(TViewport3d& viewport)
{
    viewport.SetScreenDistance(500);
    viewport.SetDistance(400);
    viewport.SetElevation(0);
    viewport.SetAzimuth(0);
    viewport.SetPerspective(true);
    viewport.SetZoomFactor(20);
}

void Fit3D(TViewport3d& viewport)
{
    const int width = viewport.DrawWidth();
    const int height = viewport.DrawHeight();
    if (width <= 0 || height <= 0) return;

    viewport.Measure();
    const Real48 boxWidth = (viewport.MaxX() - viewport.MinX()) * kFitBorder;
    const Real48 boxHeight = (viewport.MaxY() - viewport.MinY()) * kFitBorder;
    const Real48 cx = (viewport.MaxX() + viewport.MinX()) * 0.5L;
    const Real48 cy = (viewport.MaxY() + viewport.MinY()) * 0.5L;

    const long double aspect = viewport.AspectRatio();
    Real48 scaleX = Divide(width, boxWidth);
    Real48 scaleY = scaleX * aspect;
    const Real48 windowHeight = Divide(height, scaleY);
    if (windowHeight >= boxHeight) {
        viewport.SetWindow(1, cx - boxWidth / 2, cy + windowHeight / 2, cx + boxWidth / 2,
                           cy - windowHeight / 2);
    } else {
        scaleY = Divide(height, boxHeight);
        scaleX = Divide(scaleY, aspect);
        const Real48 windowWidth = Divide(width, scaleX);
        viewport.SetWindow(1, cx - windowWidth / 2, cy + boxHeight / 2, cx + windowWidth / 2,
                           cy - boxHeight / 2);
    }
}

void Redraw3D(TViewport3d& viewport, const HullRecord& hull, const DrawingSettings& settings,
              const DisplaySwitches& switches)
{
    RedrawLinesPlan(viewport, hull, settings, switches);
}

ViewDirection PresetDirection(PresetView preset)
{
    switch (preset) {
    case PresetView::Stations: return {90, 0};
    case PresetView::Waterlines: return {0, 90};
    case PresetView::Profile: return {90, 90};
    case PresetView::Isometric: break;
    }
    return {45, 45};
}

TPoint3r HullCentre(const HullRecord& hull)
{
    return {hull.Loa / 2, 0, MeasureLinesPlan(hull).TotalHeight / 2};
}

void ShowPresetView(TViewport3d& viewport, PresetView preset)
{
    const ViewDirection direction = PresetDirection(preset);
    viewport.SetAutoRedraw(false);
    viewport.SetElevation(direction.Elevation);
    viewport.SetAzimuth(direction.Azimuth);
    viewport.ZoomAll();
    viewport.SetAutoRedraw(true);
}

}  // namespace sloopform
