#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "RecordingCanvas.h"
#include "RecordingUi.h"
#include "views/Viewport.h"
#include "views/ViewportEngView.h"

using namespace sloopform;
using sloopform::test::RecordingCanvas;
using sloopform::test::RecordingUi;

namespace {

constexpr TColor kBlue = 0xFF0000;

// Counts the events a viewport raises and the line colour of each preview.
struct EventCounter {
    explicit EventCounter(TViewport& viewport)
    {
        viewport.OnResize = [this](TViewport&) { ++resizes; };
        viewport.OnRedraw = [this](TViewport&) { ++redraws; };
        viewport.OnPreviewRedraw = [this](TViewport& sender) { previewColors.push_back(sender.LineColor()); };
    }
    int resizes = 0;
    int redraws = 0;
    std::vector<TColor> previewColors;
};

struct Window {
    long double left, top, right, bottom;
};

void ExpectWindow(const TScreen& view, const Window& expected, long double tolerance = 1e-9L)
{
    EXPECT_TRUE(view.Active);
    EXPECT_NEAR(view.Left, expected.left, tolerance);
    EXPECT_NEAR(view.Top, expected.top, tolerance);
    EXPECT_NEAR(view.Right, expected.right, tolerance);
    EXPECT_NEAR(view.Bottom, expected.bottom, tolerance);
}

void Drag(TViewport& viewport, int x1, int y1, int x2, int y2)
{
    viewport.MouseDown(MouseButton::Left, x1, y1);
    viewport.MouseMove(x2, y2);
    viewport.MouseUp(MouseButton::Left, x2, y2);
}

class FakePrinter : public TPrinter {
public:
    void SetPortrait() override { log.push_back("Portrait"); }
    void SetTitle(const std::string& title) override { log.push_back("Title " + title); }
    void BeginDoc() override { log.push_back("BeginDoc"); }
    void EndDoc() override { log.push_back("EndDoc"); }
    Canvas& PageCanvas() override { return page; }
    long double PageWidthMm() const override { return 210; }
    long double PageHeightMm() const override { return 297; }

    RecordingCanvas page{2000, 3000};
    std::vector<std::string> log;
};

}  // namespace

TEST(Viewport, MapsWorldToPixelsThroughItsWindowTruncatingTowardZero)
{
    RecordingCanvas canvas(400, 300);
    TViewport viewport(canvas);
    viewport.SetWindow(1, 0, 30, 40, 0);  // world y upwards

    EXPECT_EQ(viewport.View(1).PixelWidth, 400);
    EXPECT_EQ(viewport.View(1).PixelHeight, 300);
    EXPECT_EQ(viewport.PixelX(1, 10), 100);
    EXPECT_EQ(viewport.PixelY(1, 10), 200);
    EXPECT_EQ(viewport.PixelX(1, -0.05L), 0);   // -0.5 pixel
    EXPECT_EQ(viewport.PixelX(1, -0.15L), -1);  // -1.5 pixels, not clipped
    EXPECT_EQ(viewport.XpointBack(1, 100), 10.0L);
    EXPECT_EQ(viewport.YpointBack(1, 200), 10.0L);

    viewport.Line(1, 10, 10, 20, 20);
    ASSERT_EQ(canvas.segments.size(), 1u);
    EXPECT_EQ(canvas.segments[0].x1, 100);
    EXPECT_EQ(canvas.segments[0].y1, 200);
    EXPECT_EQ(canvas.segments[0].x2, 200);
    EXPECT_EQ(canvas.segments[0].y2, 100);
    EXPECT_EQ(canvas.segments[0].color, clWhite);

    // A window with Left > Right shows world x increasing to the left.
    viewport.SetWindow(1, 40, 30, 0, 0);
    EXPECT_EQ(viewport.PixelX(1, 10), 300);
}

TEST(Viewport, AViewWhoseWindowWasNeverSetDrawsNothing)
{
    RecordingCanvas canvas(400, 300);
    TViewportEngView viewport(canvas);
    EXPECT_EQ(viewport.ViewCount(), 3);
    EXPECT_FALSE(viewport.View(2).Active);

    viewport.SetWindow(1, 0, 30, 40, 0);
    viewport.Line(2, 1, 1, 5, 5);
    EXPECT_TRUE(canvas.segments.empty());
    // Only the profile view has a window, so a line in space appears once.
    viewport.Line3D(1, 2, 3, 4, 5, 6);
    EXPECT_EQ(canvas.segments.size(), 1u);
}

TEST(Viewport, TheFileDeviceDrawsNothingAndHasNoSize)
{
    RecordingUi ui;
    RecordingCanvas canvas(400, 300);
    TViewport viewport(canvas);
    viewport.SetScreenAspectRatio(1.2L);
    EXPECT_EQ(viewport.AspectRatio(), 1.2L);

    viewport.SetOutputDevice(odFile);
    EXPECT_EQ(viewport.DrawWidth(), -1);
    EXPECT_EQ(viewport.DrawHeight(), -1);
    EXPECT_EQ(viewport.AspectRatio(), 1.0L);
    viewport.SetWindow(1, 0, 30, 40, 0);
    viewport.Line(1, 10, 10, 20, 20);
    EXPECT_TRUE(canvas.segments.empty());
    EXPECT_TRUE(ui.errors.empty());
}

TEST(Viewport, ConversionFaultsGoToTheErrorDialogWithTheirOrigin)
{
    RecordingUi ui;
    RecordingCanvas canvas(400, 300);
    TViewport viewport(canvas);
    viewport.SetWindow(1, 5, 7, 5, 7);  // Left = Right and Top = Bottom

    EXPECT_EQ(viewport.PixelX(1, 10), 0);
    EXPECT_EQ(viewport.PixelX(1, 5), 0);
    EXPECT_EQ(viewport.PixelY(1, 10), 0);
    ASSERT_EQ(ui.errors.size(), 3u);
    EXPECT_EQ(ui.errors[0].message, "Floating point division by zero");
    EXPECT_EQ(ui.errors[0].origin, "Viewport X(Real) -> X(world) converter");
    EXPECT_EQ(ui.errors[1].message, "Invalid floating point operation");
    EXPECT_EQ(ui.errors[2].origin, "Viewport Y(Real) -> Y(world) converter");

    // Drawing goes on after the dialog.
    viewport.Line(1, 10, 10, 20, 20);
    EXPECT_EQ(canvas.segments.size(), 1u);
    EXPECT_EQ(ui.errors.size(), 7u);

    // A pixel beyond the integer range is a fault too.
    ui.errors.clear();
    viewport.SetWindow(1, 0, 1, 1, 0);
    EXPECT_EQ(viewport.PixelX(1, 1e30L), 0);
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_EQ(ui.errors[0].message, "Invalid floating point operation");
}

TEST(Viewport, PointBackIsMinusOneWithoutPixelsOrWhenTheResultOverflows)
{
    RecordingUi ui;
    RecordingCanvas canvas(0, 0);
    TViewport viewport(canvas);
    viewport.SetWindow(1, 0, 10, 10, 0);
    EXPECT_EQ(viewport.XpointBack(1, 5), -1.0L);
    EXPECT_EQ(viewport.YpointBack(1, 5), -1.0L);
    EXPECT_TRUE(ui.errors.empty());

    canvas.Resize(1, 1);
    viewport.SetWindow(1, 0, 0, 1e37L, 1e37L);
    EXPECT_EQ(viewport.XpointBack(1, 1000), -1.0L);
    EXPECT_EQ(viewport.YpointBack(1, 1000), -1.0L);
    ASSERT_EQ(ui.errors.size(), 2u);
    EXPECT_EQ(ui.errors[0].message, "Floating point overflow");
    EXPECT_EQ(ui.errors[0].origin, "Viewport.XpointBack - Method");
    EXPECT_EQ(ui.errors[1].origin, "Viewport.YpointBack - Method");
}

TEST(Viewport, PaintRaisesResizeOnlyWhenTheSizeChangedOrTheDeviceWasSet)
{
    RecordingCanvas canvas(400, 300);
    TViewport viewport(canvas);
    EventCounter events(viewport);

    viewport.Paint();
    viewport.Paint();
    EXPECT_EQ(events.resizes, 1);
    EXPECT_EQ(events.redraws, 2);
    EXPECT_EQ(viewport.LastWidth(), 400);

    canvas.Resize(500, 300);
    viewport.Paint();
    EXPECT_EQ(events.resizes, 2);

    viewport.SetOutputDevice(odMonitor);
    viewport.Paint();
    EXPECT_EQ(events.resizes, 3);

    viewport.ZoomAll();
    EXPECT_EQ(events.resizes, 4);
    EXPECT_EQ(events.redraws, 5);
}

TEST(Viewport, ClearFillsTheControlWithTheBackgroundAndSetsThePen)
{
    RecordingCanvas canvas(400, 300);
    TViewport viewport(canvas);
    viewport.SetColor(kBlue);
    viewport.SetLineColor(clBlack);
    viewport.Clear();
    ASSERT_EQ(canvas.calls.size(), 1u);
    EXPECT_EQ(canvas.calls[0], "FillRect 0 0 400 300 " + std::to_string(kBlue));
    EXPECT_EQ(canvas.penColor, clBlack);
}

TEST(Viewport, ZoomInThenOutLeavesNinetySixPercentOfTheExtent)
{
    RecordingCanvas canvas(400, 200);
    TViewport viewport(canvas);
    EventCounter events(viewport);
    viewport.SetZoomFactor(20);
    viewport.SetWindow(1, 0, 50, 100, 0);

    viewport.ZoomIn();
    ExpectWindow(viewport.View(1), {10, 45, 90, 5});
    viewport.ZoomOut();
    ExpectWindow(viewport.View(1), {2, 49, 98, 1});
    EXPECT_EQ(events.redraws, 2);
}

TEST(Viewport, ZoomRectangleNeedsMoreThanTenPixelsEachWay)
{
    RecordingCanvas canvas(400, 400);
    TViewport viewport(canvas);
    EventCounter events(viewport);
    viewport.SetMouseMode(mmZoomWindow);
    viewport.SetWindow(1, 0, 0, 40, 40);

    Drag(viewport, 100, 100, 110, 300);  // 10 pixels wide, hence 10 high
    ExpectWindow(viewport.View(1), {0, 0, 40, 40});
    EXPECT_EQ(events.redraws, 0);

    // The rubber band is dotted, black and inverting; drawn twice per move, once on release.
    ASSERT_EQ(canvas.segments.size(), 12u);
    for (const auto& segment : canvas.segments) {
        EXPECT_EQ(segment.mode, PenMode::NotXor);
        EXPECT_EQ(segment.style, PenStyle::Dotted);
        EXPECT_EQ(segment.color, clBlack);
    }
    EXPECT_EQ(canvas.penMode, PenMode::Copy);
    EXPECT_EQ(canvas.penStyle, PenStyle::Solid);

    Drag(viewport, 100, 100, 111, 50);  // 11 pixels
    ExpectWindow(viewport.View(1), {10, 10, 11.1L, 11.1L});
    EXPECT_EQ(events.redraws, 1);

    // A rectangle smaller than 0.001 world units is refused as well.
    viewport.SetWindow(1, 0, 0, 0.004L, 0.004L);
    Drag(viewport, 100, 100, 150, 150);
    ExpectWindow(viewport.View(1), {0, 0, 0.004L, 0.004L});
    EXPECT_EQ(events.redraws, 1);
}

TEST(Viewport, ZoomRectangleTakesTheControlsProportions)
{
    RecordingCanvas canvas(400, 200);
    TViewport viewport(canvas);
    viewport.SetMouseMode(mmZoomWindow);
    viewport.SetWindow(1, 0, 0, 40, 20);

    Drag(viewport, 100, 20, 200, 190);  // a tall drag zooms to a 100 x 50 rectangle
    ExpectWindow(viewport.View(1), {10, 2, 20, 7});

    viewport.SetWindow(1, 0, 0, 40, 20);
    Drag(viewport, 200, 70, 100, 190);  // dragged to the left: the same rectangle
    ExpectWindow(viewport.View(1), {10, 2, 20, 7});
}

TEST(Viewport, ZoomRectangleStopsAtTheFirstViewThatWouldBeTooSmall)
{
    RecordingCanvas canvas(400, 400);
    TViewportEngView viewport(canvas);
    EventCounter events(viewport);
    viewport.SetMouseMode(mmZoomWindow);
    viewport.SetWindow(1, 0, 0, 40, 40);
    viewport.SetWindow(2, 0, 0, 0.002L, 0.002L);
    viewport.SetWindow(3, 0, 0, 40, 40);

    Drag(viewport, 100, 100, 200, 200);
    ExpectWindow(viewport.View(1), {10, 10, 20, 20});
    ExpectWindow(viewport.View(2), {0, 0, 0.002L, 0.002L});
    ExpectWindow(viewport.View(3), {0, 0, 40, 40});
    EXPECT_EQ(events.redraws, 0);
}

TEST(Viewport, PanDragMovesThePictureWithTheMouse)
{
    RecordingCanvas canvas(512, 256);
    TViewport viewport(canvas);
    EventCounter events(viewport);
    viewport.SetColor(kBlue);
    viewport.SetMouseMode(mmPan);
    EXPECT_EQ(viewport.Cursor(), crPan);
    viewport.SetWindow(1, 0, 32, 64, 0);
    EXPECT_EQ(viewport.PixelX(1, 16), 128);
    EXPECT_EQ(viewport.PixelY(1, 16), 128);

    viewport.MouseDown(MouseButton::Left, 100, 100);
    EXPECT_TRUE(viewport.Dragging());
    EXPECT_EQ(canvas.calls.front(), "FillRect 0 0 512 256 " + std::to_string(kBlue));
    viewport.MouseMove(132, 116);
    EXPECT_EQ(viewport.PixelX(1, 16), 160);
    EXPECT_EQ(viewport.PixelY(1, 16), 144);
    // The old preview is painted over in the background colour, then drawn anew.
    EXPECT_EQ(events.previewColors, (std::vector<TColor>{clWhite, kBlue, clWhite}));
    EXPECT_EQ(viewport.LineColor(), clWhite);
    EXPECT_EQ(events.redraws, 0);

    viewport.MouseUp(MouseButton::Left, 132, 116);
    EXPECT_FALSE(viewport.Dragging());
    EXPECT_EQ(events.redraws, 1);
    EXPECT_EQ(viewport.PixelX(1, 16), 160);  // the window stays where the drag left it
}

TEST(Viewport, TheRightButtonAndAStrayReleaseNeverDrag)
{
    RecordingCanvas canvas(400, 400);
    TViewport viewport(canvas);
    EventCounter events(viewport);
    viewport.SetWindow(1, 0, 0, 40, 40);

    for (std::uint8_t mode : {mmPan, mmZoomWindow, mmRotate}) {
        viewport.SetMouseMode(mode);
        viewport.MouseMove(150, 150);  // no press at all
        viewport.MouseDown(MouseButton::Right, 100, 100);
        EXPECT_FALSE(viewport.Dragging());
        viewport.MouseMove(300, 300);
        viewport.MouseUp(MouseButton::Right, 300, 300);
        viewport.MouseUp(MouseButton::Left, 300, 300);  // a release without a press
    }
    EXPECT_TRUE(canvas.calls.empty());
    EXPECT_TRUE(events.previewColors.empty());
    EXPECT_EQ(events.redraws, 0);
    ExpectWindow(viewport.View(1), {0, 0, 40, 40});

    viewport.SetMouseMode(mmNone);
    viewport.MouseDown(MouseButton::Left, 100, 100);
    EXPECT_FALSE(viewport.Dragging());
}

TEST(Viewport, MouseModesSelectTheirCursors)
{
    RecordingCanvas canvas(10, 10);
    TViewport viewport(canvas);
    viewport.SetMouseMode(mmZoomWindow);
    EXPECT_EQ(viewport.Cursor(), crZoomWindow);
    viewport.SetMouseMode(mmRotate);
    EXPECT_EQ(viewport.Cursor(), crRotate);
    viewport.SetMouseMode(7);  // kept, the cursor stays
    EXPECT_EQ(viewport.MouseMode(), 7);
    EXPECT_EQ(viewport.Cursor(), crRotate);
    viewport.SetMouseMode(mmNone);
    EXPECT_EQ(viewport.Cursor(), crDefault);
}

TEST(Viewport, ViewsAreLimitedToTen)
{
    RecordingCanvas canvas(10, 10);
    TViewport viewport(canvas);
    EXPECT_THROW(viewport.SetViewCount(11), std::length_error);
    viewport.SetViewCount(10);
    viewport.SetWindow(10, 0, 0, 1, 1);
    EXPECT_THROW(viewport.View(11), std::out_of_range);
    EXPECT_THROW(viewport.Line(0, 0, 0, 1, 1), std::out_of_range);
    viewport.SetViewCount(2);  // fresh views have no window
    EXPECT_FALSE(viewport.View(1).Active);
}

TEST(Viewport, PrintDrawsOnePageAndTheNextPaintRefitsTheScreen)
{
    RecordingUi ui;
    RecordingCanvas canvas(400, 300);
    FakePrinter printer;
    TViewport viewport(canvas);
    viewport.AttachPrinter(&printer);

    std::vector<std::string> seen;
    viewport.OnResize = [&seen](TViewport& sender) {
        seen.push_back("Resize " + std::to_string(sender.DrawWidth()) + " x " +
                       std::to_string(sender.DrawHeight()));
        sender.SetWindow(1, 0, 0, 40, 30);
    };
    viewport.OnRedraw = [&seen, &ui](TViewport& sender) {
        seen.push_back("Redraw after " + std::to_string(ui.processMessagesCalls) + " message passes");
        sender.SetLineColor(kBlue);
        sender.Clear();
        sender.Line(1, 0, 0, 40, 30);
    };
    viewport.Paint();
    canvas.Forget();

    viewport.OnResize = [&seen, &viewport, &printer](TViewport& sender) {
        EXPECT_TRUE(sender.Printing());
        EXPECT_EQ(sender.OutputDevice(), odPrinter);
        EXPECT_NEAR(sender.AspectRatio(), (3000.0L * 210) / (2000.0L * 297), 1e-15L);
        seen.push_back("Resize " + std::to_string(sender.DrawWidth()) + " x " +
                       std::to_string(sender.DrawHeight()) + " after " + printer.log.back());
        viewport.SetWindow(1, 0, 0, 40, 30);
    };
    viewport.Print("Sloopform - Lines");

    EXPECT_EQ(printer.log, (std::vector<std::string>{"Portrait", "Title Sloopform - Lines", "BeginDoc", "EndDoc"}));
    EXPECT_EQ(seen.back(), "Redraw after 1 message passes");
    EXPECT_EQ(seen[seen.size() - 2], "Resize 2000 x 3000 after Title Sloopform - Lines");
    // The page gets the line in the printer's own pen; the screen gets nothing.
    ASSERT_EQ(printer.page.segments.size(), 1u);
    EXPECT_EQ(printer.page.segments[0].x2, 2000);
    EXPECT_EQ(printer.page.segments[0].y2, 3000);
    EXPECT_EQ(printer.page.segments[0].color, clBlack);
    EXPECT_TRUE(canvas.calls.empty());
    EXPECT_FALSE(viewport.Printing());
    EXPECT_EQ(viewport.OutputDevice(), odMonitor);
    EXPECT_TRUE(ui.errors.empty());

    seen.clear();
    viewport.OnResize = [&seen](TViewport&) { seen.push_back("Resize"); };
    viewport.Paint();
    EXPECT_EQ(seen.front(), "Resize");
}

TEST(Viewport, APrintingFaultIsReportedAndTheScreenIsRestored)
{
    RecordingUi ui;
    RecordingCanvas canvas(400, 300);
    TViewport viewport(canvas);

    viewport.Print("Sloopform - 3D View");  // no printer at all
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_EQ(ui.errors[0].message, "There is no printer");
    EXPECT_EQ(ui.errors[0].origin, "Viewport.Print");
    EXPECT_FALSE(viewport.Printing());

    FakePrinter printer;
    viewport.AttachPrinter(&printer);
    viewport.OnRedraw = [](TViewport&) { throw std::runtime_error("Printer is out of paper"); };
    viewport.Print("Sloopform - 3D View");
    ASSERT_EQ(ui.errors.size(), 2u);
    EXPECT_EQ(ui.errors[1].message, "Printer is out of paper");
    EXPECT_EQ(ui.errors[1].origin, "Viewport.Print");
    EXPECT_EQ(printer.log.back(), "EndDoc");
    EXPECT_FALSE(viewport.Printing());
    EXPECT_EQ(viewport.OutputDevice(), odMonitor);
}

TEST(Viewport, MiddleButtonPansInEveryModeAndGivesTheModeBack)
{
    RecordingCanvas canvas(512, 256);
    TViewport viewport(canvas);
    EventCounter events(viewport);
    for (std::uint8_t mode : {mmNone, mmZoomWindow, mmRotate, mmPan}) {
        viewport.SetWindow(1, 0, 32, 64, 0);
        viewport.SetMouseMode(mode);
        const int modeCursor = viewport.Cursor();
        events.redraws = 0;

        viewport.MouseDown(MouseButton::Middle, 100, 100);
        EXPECT_TRUE(viewport.Dragging());
        EXPECT_EQ(viewport.Cursor(), crPan);
        viewport.MouseDown(MouseButton::Left, 10, 10);    // a second button changes nothing
        viewport.MouseUp(MouseButton::Left, 10, 10);      // nor does its release end the pan
        EXPECT_TRUE(viewport.Dragging());
        viewport.MouseMove(132, 116);
        viewport.MouseUp(MouseButton::Middle, 132, 116);

        EXPECT_FALSE(viewport.Dragging());
        EXPECT_EQ(viewport.PixelX(1, 16), 160) << int(mode);
        EXPECT_EQ(viewport.PixelY(1, 16), 144) << int(mode);
        EXPECT_EQ(events.redraws, 1);
        EXPECT_EQ(viewport.MouseMode(), mode);
        EXPECT_EQ(viewport.Cursor(), modeCursor);
    }
    // No rubber band was drawn: every line went down with the copying pen.
    for (const auto& segment : canvas.segments) EXPECT_EQ(segment.mode, PenMode::Copy);
}

TEST(Viewport, PanByMovesEveryShownViewAndRepaints)
{
    RecordingCanvas canvas(400, 200);
    TViewportEngView viewport(canvas);
    EventCounter events(viewport);
    viewport.SetWindow(1, 0, 20, 40, 0);
    viewport.SetWindow(3, 40, 0, 0, 20);  // flipped axes move with the picture too

    viewport.PanBy(-40, 20);
    ExpectWindow(viewport.View(1), {4, 22, 44, 2});
    ExpectWindow(viewport.View(3), {36, -2, -4, 18});
    EXPECT_FALSE(viewport.View(2).Active);
    EXPECT_EQ(events.redraws, 1);
}

TEST(Viewport, PreviewsAreDrawnHardWhateverTheRedrawChose)
{
    RecordingCanvas canvas(400, 400);
    TViewport viewport(canvas);
    viewport.OnRedraw = [](TViewport& sender) {
        sender.SetSmooth(true);
        sender.Line(1, 0, 0, 40, 40);
    };
    viewport.OnPreviewRedraw = [](TViewport& sender) { sender.Line(1, 0, 40, 40, 0); };
    viewport.SetWindow(1, 0, 0, 40, 40);
    viewport.SetMouseMode(mmPan);

    viewport.Paint();
    viewport.MouseDown(MouseButton::Left, 100, 100);
    viewport.MouseMove(120, 100);
    viewport.MouseUp(MouseButton::Left, 120, 100);

    std::vector<bool> smooth;
    for (const auto& segment : canvas.segments) smooth.push_back(segment.smooth);
    // The full picture, the preview, its wiping out and the moved one, then the full picture.
    EXPECT_EQ(smooth, (std::vector<bool>{true, false, false, false, true}));
}
