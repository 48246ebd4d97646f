#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "numeric/BSpline.h"
#include "numeric/OneBased.h"
#include "numeric/Real48.h"
#include "views/Canvas.h"
#include "views/Printer.h"

namespace sloopform {

// Where line calls go. odFile sends them nowhere.
enum TOutputDevice { odMonitor, odPrinter, odFile };

enum TMouseMode : std::uint8_t { mmNone = 0, mmPan = 1, mmZoomWindow = 2, mmRotate = 3 };

// Cursor ids; the desktop program maps them to its images.
constexpr int crDefault = 0;
constexpr int crZoomWindow = 11;
constexpr int crPan = 12;
constexpr int crRotate = 13;

enum class MouseButton { Left, Middle, Right };

// One world window on the viewport's pixels. Left > Right or Top > Bottom is
// allowed and flips that axis.
struct TScreen {
    bool Active = false;
    Real48 Left;
    Real48 Top;
    Real48 Right;
    Real48 Bottom;
    std::int32_t PixelWidth = 0;
    std::int32_t PixelHeight = 0;
};

struct TPixelPoint {
    int X = 0;
    int Y = 0;
};

// The drawing surface of every view: several world windows (views) on one
// rectangle of pixels, straight lines in world coordinates, zoom, pan and a
// rotate drag left to descendants. It draws nothing of its own: the owner
// redraws the model from the events. A middle-button drag pans whatever the
// mouse mode; the previews of a drag are drawn hard, never smoothed.
class TViewport : public LineSink {
public:
    using TNotifyEvent = std::function<void(TViewport& sender)>;
    static constexpr int kMaxViews = 10;

    // `canvas` is the control's own surface; its size is the control's size.
    explicit TViewport(Canvas& canvas);
    ~TViewport() override = default;
    TViewport(const TViewport&) = delete;
    TViewport& operator=(const TViewport&) = delete;

    TNotifyEvent OnResize;         // set the windows for DrawWidth, DrawHeight, AspectRatio
    TNotifyEvent OnRedraw;         // draw the whole model
    TNotifyEvent OnPreviewRedraw;  // draw a quick subset, used while dragging

    int ZoomFactor() const { return zoomFactor_; }
    void SetZoomFactor(int percent) { zoomFactor_ = percent; }
    TColor Color() const { return color_; }
    void SetColor(TColor color) { color_ = color; }
    TColor LineColor() const { return lineColor_; }
    void SetLineColor(TColor color);
    // Smooth lines on the surface being drawn (screen or page) until the next preview.
    void SetSmooth(bool smooth);
    TOutputDevice OutputDevice() const { return outputDevice_; }
    // Also forgets the last size, so the next paint raises OnResize.
    void SetOutputDevice(TOutputDevice device);
    // The screen's aspect ratio preference, used on odMonitor.
    void SetScreenAspectRatio(long double ratio) { screenAspectRatio_ = ratio; }
    // The printer behind odPrinter; may be null when there is none.
    void AttachPrinter(TPrinter* printer) { printer_ = printer; }

    int Width() const { return canvas_.Width(); }
    int Height() const { return canvas_.Height(); }
    int LastWidth() const { return lastWidth_; }
    int LastHeight() const { return lastHeight_; }
    bool Printing() const { return printing_; }

    int ViewCount() const { return viewCount_; }
    void SetViewCount(int count);
    // View `index` (1..ViewCount); any other index throws.
    const TScreen& View(int index) const;

    std::uint8_t MouseMode() const { return mouseMode_; }
    void SetMouseMode(std::uint8_t mode);
    int Cursor() const { return cursor_; }
    bool Dragging() const { return dragging_; }
    TPixelPoint DragStart() const { return dragStart_; }
    TPixelPoint DragEnd() const { return dragEnd_; }

    virtual void SetWindow(int index, Real48 left, Real48 top, Real48 right, Real48 bottom);
    // A plain viewport has no third dimension to draw.
    void Line3D(Real48, Real48, Real48, Real48, Real48, Real48) override {}
    virtual void ZoomAll();

    void Line(int index, Real48 x1, Real48 y1, Real48 x2, Real48 y2);
    // A label at a world point of view `index`, in the line colour, at the
    // height of LabelHeight().
    void Text(int index, Real48 x, Real48 y, const std::string& text, TextAlign align);
    // A fiftieth of the drawing's height, and not under 8 pixels: legible on
    // a window and a page alike; or the height set for a drawing to scale.
    int LabelHeight() const;
    void SetLabelHeight(int pixels) { labelHeight_ = pixels; }
    void Clear();
    void Paint();
    void ZoomIn();
    void ZoomOut();
    // Moves the picture `dx` pixels right and `dy` down in every view, then repaints.
    void PanBy(int dx, int dy);
    void Print(const std::string& title);

    int DrawWidth() const;
    int DrawHeight() const;
    long double AspectRatio() const;

    int PixelX(int view, Real48 x) const;
    int PixelY(int view, Real48 y) const;
    Real48 XpointBack(int view, int px) const;
    Real48 YpointBack(int view, int py) const;

    // Mouse input in control pixels.
    void MouseDown(MouseButton button, int x, int y);
    void MouseMove(int x, int y);
    void MouseUp(MouseButton button, int x, int y);

protected:
    virtual void RotateStart() {}
    virtual void RotateMove() {}
    virtual void RotateEnd() {}

    void RaiseResize();
    void RaiseRedraw();
    void RaisePreviewRedraw();
    // Wipes out the preview by drawing it in the background colour, applies
    // `change`, then draws the preview again in the line colour.
    void MovePreview(const std::function<void()>& change);

private:
    struct TPanStart {
        Real48 Left;
        Real48 Top;
        Real48 Width;
        Real48 Height;
    };

    void RequireView(int index) const;
    TScreen& MutableView(int index);
    TPrinter& AttachedPrinter() const;
    Canvas& OutputCanvas();
    void Raise(const TNotifyEvent& event);
    void Scale(long double factor);
    void StartDrag(MouseButton button, std::uint8_t mode, int x, int y);
    void PanStep();
    // View `index`'s window as it was at the pan's start, moved `dx`, `dy` pixels.
    void SetPannedWindow(int index, const TPanStart& start, long double dx, long double dy);
    void DrawDragRectangle();
    void ZoomToRectangle();
    void PrintPage(const std::string& title, bool& documentBegun);

    Canvas& canvas_;
    TPrinter* printer_ = nullptr;
    int zoomFactor_ = 0;
    TColor color_ = clBlack;
    TColor lineColor_ = clWhite;
    TOutputDevice outputDevice_ = odMonitor;
    long double screenAspectRatio_ = 1.0L;
    int lastWidth_ = 0;
    int lastHeight_ = 0;
    bool printing_ = false;
    int viewCount_ = 0;
    OneBased<TScreen, kMaxViews> views_;
    OneBased<TPanStart, kMaxViews> panStart_;
    bool dragging_ = false;
    MouseButton dragButton_ = MouseButton::Left;
    std::uint8_t dragMode_ = mmNone;  // the mouse mode or, for the middle button, mmPan
    TPixelPoint dragStart_;
    TPixelPoint dragEnd_;
    std::uint8_t mouseMode_ = mmNone;
    int cursor_ = crDefault;
    int labelHeight_ = 0;  // 0: from the drawing's height
};

}  // namespace sloopform
