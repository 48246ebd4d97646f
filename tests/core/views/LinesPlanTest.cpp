#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

#include "HandMadeHull.h"
#include "RecordingCanvas.h"
#include "RecordingUi.h"
#include "views/LevelLines.h"
#include "views/LinesPlan.h"

using namespace sloopform;
using sloopform::test::HandMadeHull;
using sloopform::test::RecordingCanvas;
using sloopform::test::RecordingUi;

namespace {

constexpr long double kTolerance = 1e-9L;

struct SpaceLine {
    long double x1, y1, z1, x2, y2, z2;
    TColor color;
};

struct CanvasHolder {
    RecordingCanvas canvas{100, 100};
};

// Keeps the lines in space that the drawing routines issue.
class SpaceLineRecorder : private CanvasHolder, public TViewport {
public:
    SpaceLineRecorder() : TViewport(canvas) {}
    void Line3D(Real48 x1, Real48 y1, Real48 z1, Real48 x2, Real48 y2, Real48 z2) override
    {
        lines.push_back({x1, y1, z1, x2, y2, z2, LineColor()});
    }
    std::vector<SpaceLine> lines;
};

// The number of straight pieces a curve of n control points is drawn with.
constexpr int CurvePieces(int n) { return 5 * n - 1; }

constexpr int kProfileLines = CurvePieces(23);
constexpr int kSheerLines = 2 * CurvePieces(3);
constexpr int kStationLines = 21 * 2 * CurvePieces(6);
constexpr int kTransomLines = 2 * CurvePieces(6) + 1;
// The design waterline is as finely drawn as the sections are lofted: as many
// lines as drawing it alone gives.
int WaterlineLines(const HullRecord& hull)
{
    SpaceLineRecorder waterline;
    EmitDesignWaterline(hull, waterline);
    return static_cast<int>(waterline.lines.size());
}
int OutlineLines(const HullRecord& hull)
{
    return kProfileLines + kSheerLines + WaterlineLines(hull) + kStationLines + kTransomLines;
}

// Margins around the drawing, in metres, and the scales of the three views.
struct Sheet {
    long double left, right, top, bottom;
};

Sheet Margins(const TViewportEngView& viewport, const HullRecord& hull)
{
    const long double highestSheer = 1.3L + hull.Tc;
    return {viewport.View(1).Left - hull.Loa, viewport.View(3).Right - hull.BMax / 2,
            viewport.View(1).Top - highestSheer, -viewport.View(2).Bottom - hull.BMax / 2};
}

long double HorizontalScale(const TScreen& view) { return view.PixelWidth / std::fabs(view.Right - view.Left); }
long double VerticalScale(const TScreen& view) { return view.PixelHeight / std::fabs(view.Top - view.Bottom); }

void ExpectOneScaleWithAspect(const TViewportEngView& viewport, long double aspect)
{
    const long double sx = HorizontalScale(viewport.View(1));
    for (int v = 1; v <= 3; ++v) {
        EXPECT_NEAR(HorizontalScale(viewport.View(v)), sx, 1e-7L) << v;
        EXPECT_NEAR(VerticalScale(viewport.View(v)) / sx, aspect, 1e-9L) << v;
    }
}

void ExpectLayout(const TViewportEngView& viewport, const HullRecord& hull)
{
    const long double m = 0.04L * hull.Loa;
    // Body plan centre line m + BMax/2 to the right of the bow; plan centre line
    // m + BMax/2 below the base line of the profile.
    const long double bowFromLeft = viewport.View(1).Left;
    const long double centreFromLeft = -viewport.View(3).Left;
    EXPECT_NEAR(centreFromLeft - bowFromLeft, m + hull.BMax / 2, kTolerance);
    EXPECT_NEAR(viewport.View(2).Top - viewport.View(1).Top, m + hull.BMax / 2, kTolerance);
    EXPECT_NEAR(viewport.View(1).Right, viewport.View(2).Right, kTolerance);
    EXPECT_NEAR(viewport.View(1).Top, viewport.View(3).Top, kTolerance);
}

}  // namespace

TEST(LinesPlan, AWideSurfaceKeepsTheSideMarginsAndCentresVertically)
{
    const auto hull = HandMadeHull();
    for (long double aspect : {1.0L, 1.2L}) {
        RecordingCanvas canvas(1000, 800);
        TViewportEngView viewport(canvas);
        viewport.SetScreenAspectRatio(aspect);
        FitLinesPlan(viewport, *hull);

        const Sheet margins = Margins(viewport, *hull);
        EXPECT_NEAR(margins.left, 0.4L, kTolerance);
        EXPECT_NEAR(margins.right, 0.4L, kTolerance);
        EXPECT_NEAR(margins.top, margins.bottom, kTolerance);
        EXPECT_GT(margins.top, 0.4L);
        ExpectOneScaleWithAspect(viewport, aspect);
        ExpectLayout(viewport, *hull);
    }
}

TEST(LinesPlan, ALowSurfaceKeepsTheTopAndBottomMarginsAndCentresHorizontally)
{
    const auto hull = HandMadeHull();
    for (long double aspect : {1.0L, 1.2L}) {
        RecordingCanvas canvas(2000, 400);
        TViewportEngView viewport(canvas);
        viewport.SetScreenAspectRatio(aspect);
        FitLinesPlan(viewport, *hull);

        const Sheet margins = Margins(viewport, *hull);
        EXPECT_NEAR(margins.top, 0.4L, kTolerance);
        EXPECT_NEAR(margins.bottom, 0.4L, kTolerance);
        EXPECT_NEAR(margins.left, margins.right, kTolerance);
        EXPECT_GT(margins.left, 0.4L);
        ExpectOneScaleWithAspect(viewport, aspect);
        ExpectLayout(viewport, *hull);
    }
}

TEST(LinesPlan, TheFitLeavesTheWindowsWithoutAHullOrWithoutASurface)
{
    const auto hull = HandMadeHull();
    RecordingCanvas canvas(0, 300);
    TViewportEngView viewport(canvas);
    viewport.SetWindow(1, 1, 2, 3, 4);
    FitLinesPlan(viewport, *hull);
    EXPECT_EQ(viewport.View(1).Left, 1.0L);
    EXPECT_FALSE(viewport.View(2).Active);

    viewport.SetOutputDevice(odFile);
    FitLinesPlan(viewport, *hull);
    EXPECT_FALSE(viewport.View(2).Active);

    canvas.Resize(400, 300);
    viewport.SetOutputDevice(odMonitor);
    const auto fresh = HullRecord::Create();  // a new project: Loa = 0
    FitLinesPlan(viewport, *fresh);
    EXPECT_FALSE(viewport.View(2).Active);
    RedrawLinesPlan(viewport, *fresh, DrawingSettings{}, DisplaySwitches{});
    EXPECT_EQ(canvas.calls, (std::vector<std::string>{"FillRect 0 0 400 300 0"}));
}

TEST(LinesPlan, ConstructionLinesAreTheTwoBoxesTheCentreLineAndTheForwardPerpendicular)
{
    const auto hull = HandMadeHull();
    SpaceLineRecorder viewport;
    viewport.SetLineColor(0x123456);
    DrawConstructionLines(viewport, *hull);

    const long double L = 10, B = 1.6L, b = 1.4L, t = 0.5L, h = 1.8L, f = 0.8L, a = 9.3L;
    const std::vector<std::array<long double, 6>> expected = {
        {0, B, t, L, B, t},   {0, -B, t, L, -B, t}, {0, -B, t, 0, B, t},  {L, -B, t, L, B, t},
        {0, -B, h, 0, B, h},  {L, -B, h, L, B, h},  {0, B, h, L, B, h},   {0, -B, h, L, -B, h},
        {L, B, t, L, B, h},   {L, -B, t, L, -B, h}, {0, B, t, 0, B, h},   {0, -B, t, 0, -B, h},
        {f, b, t, a, b, t},   {f, -b, t, a, -b, t}, {f, b, t, f, -b, t},  {a, b, t, a, -b, t},
        {a, b, 0, a, b, t},   {a, -b, 0, a, -b, t}, {f, b, 0, f, b, t},   {f, -b, 0, f, -b, t},
        {f, b, 0, a, b, 0},   {f, -b, 0, a, -b, 0}, {f, b, 0, f, -b, 0},  {a, b, 0, a, -b, 0},
        {0, 0, t, L, 0, t},   {f, 0, 0, f, 0, h}};
    ASSERT_EQ(viewport.lines.size(), 26u);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const SpaceLine& got = viewport.lines[i];
        const std::array<long double, 6> ends = {got.x1, got.y1, got.z1, got.x2, got.y2, got.z2};
        for (std::size_t c = 0; c < ends.size(); ++c)
            EXPECT_NEAR(ends[c], expected[i][c], kTolerance) << "line " << i + 1 << " coordinate " << c;
        EXPECT_EQ(got.color, 0x123456u);
    }

    viewport.lines.clear();
    hull->Tc = 0;
    DrawConstructionLines(viewport, *hull);
    EXPECT_TRUE(viewport.lines.empty());
}

TEST(LinesPlan, OutlinesCoverEveryFinishedPartOnBothSides)
{
    RecordingUi ui;
    const auto hull = HandMadeHull();
    SpaceLineRecorder viewport;
    DrawHullOutlines(viewport, *hull, 0x00FF00);

    const auto& lines = viewport.lines;
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(OutlineLines(*hull)));
    for (const auto& line : lines) EXPECT_EQ(line.color, 0x00FF00u);
    EXPECT_EQ(ui.processMessagesCalls, 6);  // before drawing and after each part

    // The profile lies in the centre plane.
    for (int i = 0; i < kProfileLines; ++i) EXPECT_EQ(lines[i].y1, 0.0L);
    // The second sheerline mirrors the first.
    const int sheer = kProfileLines;
    for (int i = 0; i < kSheerLines / 2; ++i) {
        EXPECT_EQ(lines[sheer + kSheerLines / 2 + i].y1, -lines[sheer + i].y1);
        EXPECT_EQ(lines[sheer + kSheerLines / 2 + i].x1, lines[sheer + i].x1);
    }
    // The design waterline: at z = Tc along the waterline's length, each
    // line followed by its mirror image, many more lines than stations.
    const int waterline = sheer + kSheerLines;
    const int waterlineLines = WaterlineLines(*hull);
    EXPECT_GT(waterlineLines, 4 * kLastStation);
    for (int i = waterline; i < waterline + waterlineLines; i += 2) {
        EXPECT_EQ(lines[i].z1, hull->Tc);
        EXPECT_EQ(lines[i].z2, hull->Tc);
        EXPECT_GE(lines[i].x1, hull->Fovh - kTolerance);
        EXPECT_LE(lines[i].x2, hull->Fovh + hull->Lwl + kTolerance);
        EXPECT_EQ(lines[i + 1].y2, -lines[i].y2);
    }
    // Each station is drawn at its own x, so it is a straight line in profile and plan.
    const int stations = waterline + waterlineLines;
    for (int k = 0; k <= kLastStation; ++k) {
        for (int i = 0; i < 2 * CurvePieces(6); ++i) {
            const SpaceLine& line = lines[stations + k * 2 * CurvePieces(6) + i];
            ASSERT_NEAR(line.x1, hull->StationX(k), kTolerance);
            ASSERT_NEAR(line.x2, hull->StationX(k), kTolerance);
        }
    }
    // The transom is closed across the centre plane at its sixth point.
    const TPoint3r corner = hull->TransomPoints[6];
    const SpaceLine& closing = lines.back();
    EXPECT_EQ(closing.x1, corner.x);
    EXPECT_EQ(closing.y1, -corner.y);
    EXPECT_EQ(closing.y2, corner.y);
    EXPECT_EQ(closing.z2, corner.z);
}

TEST(LinesPlan, ARunCancelledInTheWaterlineStageShowsProfileAndSheerOnly)
{
    const auto hull = HandMadeHull();
    hull->WaterlineDone = hull->HullComplete = hull->TransomDone = false;
    SpaceLineRecorder viewport;
    DrawHullOutlines(viewport, *hull, clWhite);
    EXPECT_EQ(viewport.lines.size(), static_cast<std::size_t>(kProfileLines + kSheerLines));

    hull->ClearFlags();
    viewport.lines.clear();
    DrawHullOutlines(viewport, *hull, clWhite);
    EXPECT_TRUE(viewport.lines.empty());
}

TEST(LinesPlan, OutlinesAreDrawnFromTheHullAsItWasWhenTheDrawingBegan)
{
    RecordingUi ui;
    const auto hull = HandMadeHull();
    const Real48 firstStationX = hull->StationX(0);
    // A command that runs while messages are processed starts a new project.
    ui.onProcessMessages = [&hull] {
        hull->ClearFlags();
        hull->Fovh = 0;
        hull->Lwl = 0;
    };
    SpaceLineRecorder viewport;
    DrawHullOutlines(viewport, *hull, clWhite);
    ASSERT_EQ(viewport.lines.size(), static_cast<std::size_t>(OutlineLines(*HandMadeHull())));
    EXPECT_NEAR(viewport.lines[kProfileLines + kSheerLines + WaterlineLines(*HandMadeHull())].x1, firstStationX,
                kTolerance);
}

TEST(LinesPlan, EngineeringViewSplitsALineInSpaceIntoProfilePlanAndBodyPlan)
{
    RecordingCanvas canvas(100, 100);
    TViewportEngView viewport(canvas);
    for (int v = 1; v <= 3; ++v) viewport.SetWindow(v, 0, 0, 10, 10);
    viewport.Line3D(1, 2, 3, 4, 5, 6);
    ASSERT_EQ(canvas.segments.size(), 3u);
    const auto ends = [&canvas](int i) {
        const auto& s = canvas.segments[static_cast<std::size_t>(i)];
        return std::vector<int>{s.x1, s.y1, s.x2, s.y2};
    };
    EXPECT_EQ(ends(0), (std::vector<int>{10, 30, 40, 60}));  // x, z
    EXPECT_EQ(ends(1), (std::vector<int>{10, 20, 40, 50}));  // x, y
    EXPECT_EQ(ends(2), (std::vector<int>{20, 30, 50, 60}));  // y, z
}

TEST(LinesPlan, TheFullRedrawClearsThenDrawsInTheChosenColours)
{
    const auto hull = HandMadeHull();
    RecordingCanvas canvas(800, 600);
    TViewportEngView viewport(canvas);
    FitLinesPlan(viewport, *hull);
    const DrawingSettings settings{0x102030, 0x0000FF, 0x00FFFF, 1.0L};

    RedrawLinesPlan(viewport, *hull, settings, DisplaySwitches{});
    EXPECT_EQ(viewport.Color(), 0x102030u);
    EXPECT_EQ(canvas.calls.front(), "FillRect 0 0 800 600 " + std::to_string(0x102030));
    ASSERT_EQ(canvas.segments.size(), static_cast<std::size_t>(3 * (26 + OutlineLines(*hull))));
    for (std::size_t i = 0; i < canvas.segments.size(); ++i)
        ASSERT_EQ(canvas.segments[i].color, i < 3 * 26 ? 0x0000FFu : 0x00FFFFu) << i;

    canvas.Forget();
    RedrawLinesPlan(viewport, *hull, settings, DisplaySwitches{true, false});
    EXPECT_EQ(canvas.segments.size(), 3u * 26);
    canvas.Forget();
    RedrawLinesPlan(viewport, *hull, settings, DisplaySwitches{false, false});
    EXPECT_EQ(canvas.calls.size(), 1u);
}
