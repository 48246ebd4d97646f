#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "RecordingCanvas.h"
#include "views/Viewport3d.h"

using namespace sloopform;
using sloopform::test::RecordingCanvas;

namespace {

constexpr long double kTolerance = 1e-9L;

void ExpectProjection(const TViewport3d& viewport, long double xs, long double ys)
{
    const TProjection p = viewport.Transform(2, 3, 5);
    EXPECT_NEAR(p.Xs, xs, kTolerance) << viewport.Elevation() << "/" << viewport.Azimuth();
    EXPECT_NEAR(p.Ys, ys, kTolerance) << viewport.Elevation() << "/" << viewport.Azimuth();
}

void Look(TViewport3d& viewport, int elevation, int azimuth)
{
    viewport.SetElevation(elevation);
    viewport.SetAzimuth(azimuth);
}

}  // namespace

TEST(Viewport3d, StartsWithoutAViewingTransform)
{
    RecordingCanvas canvas(400, 300);
    TViewport3d viewport(canvas);
    EXPECT_TRUE(viewport.AutoRedraw());
    EXPECT_FALSE(viewport.Perspective());
    EXPECT_EQ(viewport.MaxX(), -1.0L);
    EXPECT_EQ(viewport.MinY(), -1.0L);
    EXPECT_EQ(viewport.ViewCount(), 1);
    for (Real48 m : viewport.ViewMatrix()) EXPECT_EQ(m, 0.0L);
}

TEST(Viewport3d, PresetDirectionsProjectAlongTheHullAxes)
{
    RecordingCanvas canvas(400, 300);
    TViewport3d viewport(canvas);
    viewport.SetDistance(400);
    viewport.SetScreenDistance(500);

    Look(viewport, 0, 0);  // straight down
    ExpectProjection(viewport, 3, -2);
    Look(viewport, 90, 0);  // along the length
    ExpectProjection(viewport, 3, 5);
    Look(viewport, 90, 90);  // from the side
    ExpectProjection(viewport, -2, 5);
    Look(viewport, 0, 90);  // down, the length across
    ExpectProjection(viewport, -2, -3);

    // Without perspective the distances do not matter.
    viewport.SetDistance(7);
    viewport.SetScreenDistance(3);
    ExpectProjection(viewport, -2, -3);
    EXPECT_NEAR(viewport.Transform(2, 3, 5).Ze, 7 - 5, kTolerance);

    viewport.SetPerspective(true);
    const TProjection p = viewport.Transform(2, 3, 5);
    EXPECT_NEAR(p.Xs, 3 * -2 / 2.0L, kTolerance);
    EXPECT_NEAR(p.Ys, 3 * -3 / 2.0L, kTolerance);
}

TEST(Viewport3d, ProjectedLinesWidenTheExtentsAndDrawUnlessBehindTheEye)
{
    RecordingCanvas canvas(400, 300);
    TViewport3d viewport(canvas);
    viewport.SetWindow(1, -10, 10, 10, -10);
    Look(viewport, 0, 0);  // depth is Distance - z
    viewport.SetDistance(10);
    EXPECT_EQ(viewport.MaxX(), Real48(-1e31L));  // a new transform resets the extents
    EXPECT_EQ(viewport.MinY(), Real48(1e31L));

    viewport.Line3D(1, 2, 0, -3, 4, 0);
    EXPECT_NEAR(viewport.MaxX(), 4, kTolerance);
    EXPECT_NEAR(viewport.MinX(), 2, kTolerance);
    EXPECT_NEAR(viewport.MaxY(), 3, kTolerance);
    EXPECT_NEAR(viewport.MinY(), -1, kTolerance);
    EXPECT_EQ(canvas.segments.size(), 1u);

    viewport.SetPerspective(true);
    viewport.SetScreenDistance(10);
    canvas.Forget();
    viewport.Line3D(1, 2, 10, 1, 2, 0);  // one end at the eye's depth
    viewport.Line3D(1, 2, 0, 1, 2, 12);  // one end behind the eye
    EXPECT_TRUE(canvas.segments.empty());
    viewport.Line3D(1, 2, 5, 1, 2, 0);  // depth 5 doubles, depth 10 keeps the size
    ASSERT_EQ(canvas.segments.size(), 1u);
    EXPECT_NEAR(viewport.MaxX(), 4, kTolerance);
    EXPECT_NEAR(viewport.MinY(), -2, kTolerance);
}

TEST(Viewport3d, MeasureOfAnEmptyPreviewGivesTheControl)
{
    RecordingCanvas canvas(400, 300);
    TViewport3d viewport(canvas);
    viewport.Measure();
    EXPECT_EQ(viewport.MinX(), 0.0L);
    EXPECT_EQ(viewport.MinY(), 0.0L);
    EXPECT_EQ(viewport.MaxX(), 400.0L);
    EXPECT_EQ(viewport.MaxY(), 300.0L);
    EXPECT_EQ(viewport.View(1).Top, 300.0L);
    EXPECT_EQ(viewport.View(1).Right, 400.0L);
}

TEST(Viewport3d, MeasureOnlyMeasuresThePreview)
{
    RecordingCanvas canvas(400, 300);
    TViewport3d viewport(canvas);
    Look(viewport, 0, 0);
    bool measuringSeen = false;
    viewport.OnPreviewRedraw = [&measuringSeen, &viewport](TViewport& sender) {
        measuringSeen = viewport.Measuring();
        sender.Line3D(-5, 1, 0, 2, -1, 0);
    };
    viewport.Measure();
    EXPECT_TRUE(measuringSeen);
    EXPECT_FALSE(viewport.Measuring());
    EXPECT_TRUE(canvas.segments.empty());
    EXPECT_NEAR(viewport.MinX(), -1, kTolerance);
    EXPECT_NEAR(viewport.MaxX(), 1, kTolerance);
    EXPECT_NEAR(viewport.MinY(), -2, kTolerance);
    EXPECT_NEAR(viewport.MaxY(), 5, kTolerance);
}

TEST(Viewport3d, SettersRepaintOnlyWithAutomaticRedraw)
{
    RecordingCanvas canvas(400, 300);
    TViewport3d viewport(canvas);
    int redraws = 0;
    viewport.OnRedraw = [&redraws](TViewport&) { ++redraws; };

    viewport.SetElevation(10);
    EXPECT_EQ(redraws, 1);
    viewport.SetAutoRedraw(false);
    viewport.SetAzimuth(20);
    viewport.SetDistance(5);
    viewport.SetPerspective(true);
    EXPECT_EQ(redraws, 1);
    EXPECT_TRUE(viewport.RedrawPending());
    viewport.SetAutoRedraw(true);
    EXPECT_EQ(redraws, 2);
    EXPECT_FALSE(viewport.RedrawPending());
    viewport.SetAutoRedraw(true);  // nothing pending
    EXPECT_EQ(redraws, 2);
}

TEST(Viewport3d, ARotateDragTurnsTheViewAndRepaintsOnRelease)
{
    RecordingCanvas canvas(400, 300);
    TViewport3d viewport(canvas);
    int redraws = 0;
    std::vector<TColor> previewColors;
    viewport.OnRedraw = [&redraws](TViewport&) { ++redraws; };
    viewport.OnPreviewRedraw = [&previewColors](TViewport& sender) {
        previewColors.push_back(sender.LineColor());
    };
    viewport.SetColor(0x808080);
    viewport.SetAzimuth(10);
    viewport.SetElevation(20);
    viewport.SetMouseMode(mmRotate);
    redraws = 0;

    viewport.MouseDown(MouseButton::Left, 100, 50);
    EXPECT_FALSE(viewport.AutoRedraw());
    viewport.MouseMove(300, 50);  // 200 pixels right across 400
    EXPECT_EQ(viewport.Azimuth(), 10 - 90);
    EXPECT_EQ(viewport.Elevation(), 20);
    viewport.MouseMove(300, 125);  // 75 pixels down across 300: Trunc(-45)
    EXPECT_EQ(viewport.Azimuth(), 10 - 90);
    EXPECT_EQ(viewport.Elevation(), 20 - 45);
    viewport.MouseMove(299, 126);  // the angle truncates toward zero
    EXPECT_EQ(viewport.Azimuth(), 10 - 89);
    EXPECT_EQ(viewport.Elevation(), 20 - 45);
    EXPECT_EQ(redraws, 0);
    EXPECT_EQ(previewColors,
              (std::vector<TColor>{clWhite, 0x808080, clWhite, 0x808080, clWhite, 0x808080, clWhite}));

    viewport.MouseUp(MouseButton::Left, 299, 126);
    EXPECT_EQ(redraws, 1);
    EXPECT_TRUE(viewport.AutoRedraw());
    EXPECT_EQ(canvas.penMode, PenMode::Copy);
}

TEST(Viewport3d, ThePivotProjectsToTheOriginFromEveryDirection)
{
    RecordingCanvas canvas(400, 300);
    TViewport3d viewport(canvas);
    viewport.SetDistance(400);
    viewport.SetScreenDistance(500);
    viewport.SetPivot({2, 3, 5});
    for (const bool perspective : {false, true}) {
        viewport.SetPerspective(perspective);
        for (const auto& [elevation, azimuth] : {std::pair{0, 0}, {90, 90}, {45, 45}, {-30, 200}}) {
            Look(viewport, elevation, azimuth);
            ExpectProjection(viewport, 0, 0);
        }
    }
    // Seen straight down, a point beside the pivot lies beside the origin.
    viewport.SetPerspective(false);
    Look(viewport, 0, 0);
    const TProjection beside = viewport.Transform(2, 4, 5);
    EXPECT_NEAR(beside.Xs, 1, kTolerance);
    EXPECT_NEAR(beside.Ys, 0, kTolerance);
}

TEST(Viewport3d, HoldPictureWidensTheWindowAboutThePivotOnly)
{
    RecordingCanvas canvas(400, 300);
    TViewport3d viewport(canvas);
    Look(viewport, 0, 90);  // straight down, x across the screen
    viewport.OnPreviewRedraw = [](TViewport& sender) { sender.Line3D(-10, 0, 0, 30, 0, 0); };
    viewport.SetWindow(1, -20, 15, 20, -15);

    viewport.HoldPicture();  // 30 left of the pivot needs 1.04 * 30 / 20 of the width
    const TScreen widened = viewport.View(1);
    EXPECT_NEAR(widened.Right, 31.2L, kTolerance);
    EXPECT_NEAR(widened.Left, -31.2L, kTolerance);
    EXPECT_NEAR(widened.Top, 23.4L, kTolerance);

    viewport.HoldPicture();  // it fits now: nothing changes
    EXPECT_NEAR(viewport.View(1).Right, 31.2L, kTolerance);

    viewport.SetWindow(1, 5, 15, 45, -15);  // the pivot panned out of sight: left alone
    viewport.HoldPicture();
    EXPECT_NEAR(viewport.View(1).Left, 5, kTolerance);
    EXPECT_NEAR(viewport.View(1).Right, 45, kTolerance);
}
