#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "HandMadeHull.h"
#include "RecordingCanvas.h"
#include "views/LinesPlan.h"
#include "views/ThreeDView.h"

using namespace sloopform;
using sloopform::test::HandMadeHull;
using sloopform::test::RecordingCanvas;

namespace {

constexpr long double kTolerance = 1e-9L;

// A 3D view wired up as the viewer window wires it.
struct Viewer {
    Viewer(int width, int height) : canvas(width, height), viewport(canvas)
    {
        viewport.OnResize = [this](TViewport&) {
            ++resizes;
            Fit3D(viewport);
        };
        viewport.OnRedraw = [this](TViewport&) {
            ++redraws;
            Redraw3D(viewport, *hull, DrawingSettings{}, switches);
        };
        viewport.OnPreviewRedraw = [this](TViewport& sender) { DrawConstructionLines(sender, *hull); };
    }

    std::unique_ptr<HullRecord> hull = HandMadeHull();
    DisplaySwitches switches;
    RecordingCanvas canvas;
    TViewport3d viewport;
    int resizes = 0;
    int redraws = 0;
};

struct PixelBox {
    int left, top, right, bottom;
};

PixelBox DrawnBox(const RecordingCanvas& canvas)
{
    PixelBox box{1 << 30, 1 << 30, -(1 << 30), -(1 << 30)};
    for (const auto& s : canvas.segments) {
        box.left = std::min({box.left, s.x1, s.x2});
        box.right = std::max({box.right, s.x1, s.x2});
        box.top = std::min({box.top, s.y1, s.y2});
        box.bottom = std::max({box.bottom, s.y1, s.y2});
    }
    return box;
}

void ExpectAspect(const TScreen& view, long double aspect)
{
    const long double sx = view.PixelWidth / std::fabs(view.Right - view.Left);
    const long double sy = view.PixelHeight / std::fabs(view.Top - view.Bottom);
    EXPECT_NEAR(sy / sx, aspect, 1e-9L);
}

}  // namespace

TEST(ThreeDView, FitLeavesFourPercentBesideTheWidthAndCentresTheHeight)
{
    for (long double aspect : {1.0L, 1.2L}) {
        Viewer viewer(800, 400);
        viewer.viewport.SetScreenAspectRatio(aspect);
        viewer.viewport.SetAutoRedraw(false);
        viewer.viewport.SetElevation(90);  // from the side: Xs = -x, Ys = z
        viewer.viewport.SetAzimuth(90);
        Fit3D(viewer.viewport);

        const TScreen& view = viewer.viewport.View(1);
        EXPECT_NEAR(view.Left, -10 - 0.4L, kTolerance);
        EXPECT_NEAR(view.Right, 0.4L, kTolerance);
        EXPECT_NEAR((view.Top + view.Bottom) / 2, 0.9L, kTolerance);
        EXPECT_GT(view.Top, view.Bottom);  // projected y upwards
        ExpectAspect(view, aspect);
    }
}

TEST(ThreeDView, FitLeavesFourPercentAboveAndBelowOnALowSurface)
{
    for (long double aspect : {1.0L, 1.2L}) {
        Viewer viewer(800, 100);
        viewer.viewport.SetScreenAspectRatio(aspect);
        viewer.viewport.SetAutoRedraw(false);
        viewer.viewport.SetElevation(90);  // along the length: Xs = y, Ys = z
        viewer.viewport.SetAzimuth(0);
        Fit3D(viewer.viewport);

        const TScreen& view = viewer.viewport.View(1);
        EXPECT_NEAR(view.Top, 1.8L + 0.04L * 1.8L, kTolerance);
        EXPECT_NEAR(view.Bottom, -0.04L * 1.8L, kTolerance);
        EXPECT_NEAR(view.Left + view.Right, 0, kTolerance);
        ExpectAspect(view, aspect);
    }
}

TEST(ThreeDView, FitKeepsTheWindowOfASurfaceWithoutSize)
{
    Viewer viewer(0, 100);
    viewer.viewport.SetWindow(1, 1, 2, 3, 4);
    Fit3D(viewer.viewport);
    EXPECT_EQ(viewer.viewport.View(1).Left, 1.0L);
    EXPECT_EQ(viewer.viewport.View(1).PixelWidth, 0);
}

TEST(ThreeDView, APresetRefitsAndRepaintsOnceMore)
{
    Viewer viewer(600, 400);
    InitialiseThreeDView(viewer.viewport);
    EXPECT_EQ(viewer.viewport.ZoomFactor(), 20);
    EXPECT_TRUE(viewer.viewport.Perspective());
    viewer.resizes = viewer.redraws = 0;

    ShowPresetView(viewer.viewport, PresetView::Isometric);
    EXPECT_EQ(viewer.viewport.Elevation(), 45);
    EXPECT_EQ(viewer.viewport.Azimuth(), 45);
    EXPECT_EQ(viewer.resizes, 1);
    EXPECT_EQ(viewer.redraws, 2);
    EXPECT_TRUE(viewer.viewport.AutoRedraw());

    const ViewDirection stations = PresetDirection(PresetView::Stations);
    const ViewDirection waterlines = PresetDirection(PresetView::Waterlines);
    const ViewDirection profile = PresetDirection(PresetView::Profile);
    EXPECT_EQ(stations.Elevation * 1000 + stations.Azimuth, 90000);
    EXPECT_EQ(waterlines.Elevation * 1000 + waterlines.Azimuth, 90);
    EXPECT_EQ(profile.Elevation * 1000 + profile.Azimuth, 90090);
}

TEST(ThreeDView, PerspectiveOffShrinksThePictureUntilTheNextZoomAll)
{
    Viewer viewer(600, 400);
    InitialiseThreeDView(viewer.viewport);
    ShowPresetView(viewer.viewport, PresetView::Profile);
    const PixelBox inPerspective = DrawnBox(viewer.canvas);

    viewer.canvas.Forget();
    viewer.viewport.SetPerspective(false);
    const PixelBox flat = DrawnBox(viewer.canvas);
    const double ratio = double(flat.right - flat.left) / (inPerspective.right - inPerspective.left);
    EXPECT_NEAR(ratio, 400.0 / 500.0, 0.02);

    viewer.canvas.Forget();
    viewer.viewport.ZoomAll();
    const PixelBox refitted = DrawnBox(viewer.canvas);
    EXPECT_NEAR(refitted.right - refitted.left, inPerspective.right - inPerspective.left, 2);
}

TEST(ThreeDView, ZoomAllRecentresARotatedPicture)
{
    Viewer viewer(600, 400);
    InitialiseThreeDView(viewer.viewport);
    ShowPresetView(viewer.viewport, PresetView::Isometric);
    viewer.viewport.SetMouseMode(mmRotate);
    viewer.viewport.MouseDown(MouseButton::Left, 300, 200);
    viewer.viewport.MouseMove(380, 150);
    viewer.viewport.MouseUp(MouseButton::Left, 380, 150);

    viewer.canvas.Forget();
    viewer.viewport.ZoomAll();
    const PixelBox box = DrawnBox(viewer.canvas);
    EXPECT_NEAR((box.left + box.right) / 2.0, 300, 2);
    EXPECT_NEAR((box.top + box.bottom) / 2.0, 200, 2);
}

TEST(ThreeDView, WithBothSwitchesOffTheSurfaceIsOnlyCleared)
{
    Viewer viewer(600, 400);
    InitialiseThreeDView(viewer.viewport);
    viewer.switches = {false, false};
    viewer.canvas.Forget();
    viewer.viewport.Paint();
    EXPECT_EQ(viewer.canvas.calls, (std::vector<std::string>{"FillRect 0 0 600 400 0"}));
}

namespace {

// A 3D view turning about the hull's centre, seen from above with the length
// across the wide window, then turned a quarter so the length runs up it.
struct QuarterTurn {
    explicit QuarterTurn(bool zoomedIn)
    {
        InitialiseThreeDView(viewer.viewport);
        viewer.viewport.SetPivot(centre);
        ShowPresetView(viewer.viewport, PresetView::Waterlines);
        if (zoomedIn) viewer.viewport.ZoomIn();
        before = CentrePixel();
        viewer.viewport.SetMouseMode(mmRotate);
        viewer.viewport.MouseDown(MouseButton::Left, 450, 200);
        viewer.viewport.MouseMove(300, 200);
        viewer.viewport.MouseMove(150, 200);
        viewer.canvas.Forget();
        viewer.viewport.MouseUp(MouseButton::Left, 150, 200);
    }

    std::pair<int, int> CentrePixel() const
    {
        const TProjection p = viewer.viewport.Transform(centre.x, centre.y, centre.z);
        return {viewer.viewport.PixelX(1, p.Xs), viewer.viewport.PixelY(1, p.Ys)};
    }
    // The hull's centre is where it was before the turn, to the pixel.
    void ExpectCentreInPlace() const
    {
        const auto after = CentrePixel();
        EXPECT_NEAR(after.first, before.first, 1);
        EXPECT_NEAR(after.second, before.second, 1);
    }

    Viewer viewer{600, 400};
    TPoint3r centre = HullCentre(*viewer.hull);
    std::pair<int, int> before;
};

}  // namespace

TEST(ThreeDView, ARotateDragTurnsAboutTheHullCentreAndKeepsAWholeHullInView)
{
    const QuarterTurn turn(false);
    EXPECT_EQ(turn.viewer.viewport.Azimuth(), 90 + 90);
    turn.ExpectCentreInPlace();
    const PixelBox box = DrawnBox(turn.viewer.canvas);
    EXPECT_GE(box.top, 0);
    EXPECT_LT(box.bottom, 400);
    EXPECT_GT(box.bottom - box.top, 300);  // widened only as far as needed
}

TEST(ThreeDView, ARotateDragLeavesAZoomedInPictureAtItsZoom)
{
    const QuarterTurn turn(true);
    turn.ExpectCentreInPlace();
    const PixelBox box = DrawnBox(turn.viewer.canvas);
    EXPECT_LT(box.top, 0);
    EXPECT_GE(box.bottom, 400);
}
