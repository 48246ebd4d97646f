#include "views/Viewport.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

#include "numeric/ArithmeticFault.h"
#include "platform/UiServices.h"
#include "views/Trunc.h"

namespace sloopform {

namespace {

constexpr int kSmallestZoomPixels = 10;      // a zoom rectangle must be wider and higher
constexpr long double kSmallestZoomWorld = 0.001L;  // and span at least this in the world

}  // namespace

TViewport::TViewport(Canvas& canvas) : canvas_(canvas)
{
    SetViewCount(1);
    SetLineColor(clWhite);
}

void TViewport::SetLineColor(TColor color)
{
    lineColor_ = color;
    canvas_.SetPenColor(color);
}

void TViewport::SetSmooth(bool smooth) { OutputCanvas().SetSmooth(smooth); }

void TViewport::SetOutputDevice(TOutputDevice device)
{
    outputDevice_ = device;
    lastWidth_ = 0;
    lastHeight_ = 0;
}

void TViewport::SetViewCount(int count)
{
    OneBased<TScreen, kMaxViews>::RequireFits(count, "View count");
    for (int i = 1; i <= count; ++i) views_[i] = TScreen{};
    viewCount_ = count;
}

void TViewport::RequireView(int index) const
{
    if (index < 1 || index > viewCount_)
        throw std::out_of_range("view " + std::to_string(index) + " outside 1.." +
                                std::to_string(viewCount_));
}

const TScreen& TViewport::View(int index) const
{
    RequireView(index);
    return views_[index];
}

TScreen& TViewport::MutableView(int index)
{
    RequireView(index);
    return views_[index];
}

void TViewport::SetMouseMode(std::uint8_t mode)
{
    mouseMode_ = mode;
    switch (mode) {
    case mmNone: cursor_ = crDefault; break;
    case mmPan: cursor_ = crPan; break;
    case mmZoomWindow: cursor_ = crZoomWindow; break;
    case mmRotate: cursor_ = crRotate; break;
    default: break;  // stored, the cursor stays as it is
    }
}

void TViewport::SetWindow(int index, Real48 left, Real48 top, Real48 right, Real48 bottom)
{
    const int pixelWidth = DrawWidth();
    const int pixelHeight = DrawHeight();
    MutableView(index) = {true, left, top, right, bottom, pixelWidth, pixelHeight};
}

void TViewport::ZoomAll()
{
    RaiseResize();
    Paint();
}

void TViewport::Line(int index, Real48 x1, Real48 y1, Real48 x2, Real48 y2)
{
    if (!View(index).Active || outputDevice_ == odFile) return;
    Canvas& canvas = OutputCanvas();
    const int px1 = PixelX(index, x1);
    const int py1 = PixelY(index, y1);
    canvas.MoveTo(px1, py1);
    const int px2 = PixelX(index, x2);
    const int py2 = PixelY(index, y2);
    canvas.LineTo(px2, py2);
}

void TViewport::Text(int index, Real48 x, Real48 y, const std::string& text, TextAlign align)
{
    if (!View(index).Active || outputDevice_ == odFile) return;
    OutputCanvas().Text(PixelX(index, x), PixelY(index, y), text, LabelHeight(), align);
}

int TViewport::LabelHeight() const
{
    if (labelHeight_ > 0) return labelHeight_;
    constexpr int kSmallestLabel = 8;
    constexpr int kLabelsPerHeight = 50;
    return std::max(kSmallestLabel, DrawHeight() / kLabelsPerHeight);
}

void TViewport::Clear()
{
    if (printing_) return;
    canvas_.SetBrushColor(color_);
    canvas_.SetPenColor(lineColor_);
    canvas_.FillRect(0, 0, Width(), Height());
}

void TViewport::Paint()
{
    if (printing_) return;
    if (Width() != lastWidth_ || Height() != lastHeight_) {
        lastWidth_ = Width();
        lastHeight_ = Height();
        RaiseResize();
    }
    RaiseRedraw();
}

void TViewport::ZoomIn() { Scale(1.0L - 0.01L * zoomFactor_); }

void TViewport::ZoomOut() { Scale(1.0L + 0.01L * zoomFactor_); }

void TViewport::PanBy(int dx, int dy)
{
    if (Width() <= 0 || Height() <= 0) return;
    for (int i = 1; i <= viewCount_; ++i) {
        const TScreen& view = View(i);
        if (!view.Active) continue;
        SetPannedWindow(i, {view.Left, view.Top, view.Right - view.Left, view.Bottom - view.Top}, -dx,
                        -dy);
    }
    Paint();
}

void TViewport::Scale(long double factor)
{
    for (int i = 1; i <= viewCount_; ++i) {
        const TScreen view = View(i);
        const Real48 cx = (view.Left + view.Right) * 0.5L;
        const Real48 cy = (view.Top + view.Bottom) * 0.5L;
        SetWindow(i, cx - (cx - view.Left) * factor, cy - (cy - view.Top) * factor,
                  cx + (view.Right - cx) * factor, cy + (view.Bottom - cy) * factor);
    }
    Paint();
}

void TViewport::Print(const std::string& title)
{
    bool documentBegun = false;
    try {
        PrintPage(title, documentBegun);
    } catch (const std::exception& fault) {
        Ui().ShowError(fault.what(), "Viewport.Print");
    }
    // A document that never began cannot be ended; the page ends even after a fault.
    try {
        if (documentBegun) printer_->EndDoc();
    } catch (const std::exception& fault) {
        Ui().ShowError(fault.what(), "Viewport.Print");
    }
    printing_ = false;
    SetOutputDevice(odMonitor);
}

void TViewport::PrintPage(const std::string& title, bool& documentBegun)
{
    TPrinter& printer = AttachedPrinter();
    printer.SetPortrait();
    printer.SetTitle(title);
    Ui().ProcessMessages();
    printing_ = true;
    SetOutputDevice(odPrinter);
    RaiseResize();
    printer.BeginDoc();
    documentBegun = true;
    RaiseRedraw();
}

TPrinter& TViewport::AttachedPrinter() const
{
    if (printer_ == nullptr) throw std::runtime_error("There is no printer");
    return *printer_;
}

Canvas& TViewport::OutputCanvas()
{
    return outputDevice_ == odPrinter ? AttachedPrinter().PageCanvas() : canvas_;
}

int TViewport::DrawWidth() const
{
    switch (outputDevice_) {
    case odMonitor: return Width();
    case odPrinter: return AttachedPrinter().PageCanvas().Width();
    default: return -1;
    }
}

int TViewport::DrawHeight() const
{
    switch (outputDevice_) {
    case odMonitor: return Height();
    case odPrinter: return AttachedPrinter().PageCanvas().Height();
    default: return -1;
    }
}

long double TViewport::AspectRatio() const
{
    switch (outputDevice_) {
    case odMonitor: return screenAspectRatio_;
    case odPrinter: {
        TPrinter& printer = AttachedPrinter();
        const Canvas& page = printer.PageCanvas();
        return Divide(page.Height() * printer.PageWidthMm(), page.Width() * printer.PageHeightMm());
    }
    default: return 1.0L;
    }
}

int TViewport::PixelX(int view, Real48 x) const
{
    const TScreen& screen = View(view);
    try {
        return Trunc(Divide(x - screen.Left, screen.Right - screen.Left) * screen.PixelWidth);
    } catch (const ArithmeticFault& fault) {
        Ui().ShowError(fault.what(), "Viewport X(Real) -> X(world) converter");
        return 0;
    }
}

int TViewport::PixelY(int view, Real48 y) const
{
    const TScreen& screen = View(view);
    try {
        return Trunc(Divide(y - screen.Top, screen.Bottom - screen.Top) * screen.PixelHeight);
    } catch (const ArithmeticFault& fault) {
        Ui().ShowError(fault.what(), "Viewport Y(Real) -> Y(world) converter");
        return 0;
    }
}

Real48 TViewport::XpointBack(int view, int px) const
{
    const TScreen& screen = View(view);
    if (screen.PixelWidth == 0) return -1;
    try {
        return screen.Left + (screen.Right - screen.Left) * px / screen.PixelWidth;
    } catch (const ArithmeticFault& fault) {
        Ui().ShowError(fault.what(), "Viewport.XpointBack - Method");
        return -1;
    }
}

Real48 TViewport::YpointBack(int view, int py) const
{
    const TScreen& screen = View(view);
    if (screen.PixelHeight == 0) return -1;
    try {
        return screen.Top + (screen.Bottom - screen.Top) * py / screen.PixelHeight;
    } catch (const ArithmeticFault& fault) {
        Ui().ShowError(fault.what(), "Viewport.YpointBack - Method");
        return -1;
    }
}

void TViewport::MouseDown(MouseButton button, int x, int y)
{
    // One drag at a time: a button pressed during another's drag is ignored.
    if (dragging_) return;
    if (button == MouseButton::Middle) StartDrag(button, mmPan, x, y);
    if (button == MouseButton::Left) StartDrag(button, mouseMode_, x, y);
}

void TViewport::StartDrag(MouseButton button, std::uint8_t mode, int x, int y)
{
    switch (mode) {
    case mmPan:
        dragStart_ = dragEnd_ = {x, y};
        for (int i = 1; i <= viewCount_; ++i) {
            const TScreen& view = View(i);
            panStart_[i] = {view.Left, view.Top, view.Right - view.Left, view.Bottom - view.Top};
        }
        cursor_ = crPan;
        Clear();
        RaisePreviewRedraw();
        break;
    case mmZoomWindow:
        dragStart_ = dragEnd_ = {x, y};
        canvas_.MoveTo(x, y);
        canvas_.SetPenWidth(1);
        canvas_.SetPenStyle(PenStyle::Dotted);
        canvas_.SetPenColor(clBlack);
        canvas_.SetBrushColor(clWhite);
        break;
    case mmRotate:
        dragStart_ = dragEnd_ = {x, y};
        RotateStart();
        Clear();
        RaisePreviewRedraw();
        break;
    default: return;
    }
    dragging_ = true;
    dragButton_ = button;
    dragMode_ = mode;
}

void TViewport::MouseMove(int x, int y)
{
    if (!dragging_) return;
    switch (dragMode_) {
    case mmPan:
        dragEnd_ = {x, y};
        PanStep();
        break;
    case mmZoomWindow:
        // The rubber band is drawn twice with an inverting pen, so the old one vanishes.
        canvas_.SetPenMode(PenMode::NotXor);
        DrawDragRectangle();
        dragEnd_ = {x, y};
        DrawDragRectangle();
        break;
    case mmRotate:
        dragEnd_ = {x, y};
        RotateMove();
        break;
    default: break;
    }
}

void TViewport::MouseUp(MouseButton button, int, int)
{
    // Only a release that ends a drag acts: a stray release (the press went to
    // another window) must not zoom to an old rectangle.
    if (!dragging_ || button != dragButton_) return;
    dragging_ = false;
    const auto endDrag = [this] {
        canvas_.SetPenStyle(PenStyle::Solid);
        canvas_.SetPenMode(PenMode::Copy);
    };
    switch (dragMode_) {
    case mmPan:
        endDrag();
        SetMouseMode(mouseMode_);  // the mode's own cursor after a middle-button pan
        Paint();
        break;
    case mmZoomWindow:
        canvas_.SetPenMode(PenMode::NotXor);
        DrawDragRectangle();
        endDrag();
        ZoomToRectangle();
        break;
    case mmRotate:
        endDrag();
        RotateEnd();
        break;
    default: break;
    }
}

void TViewport::PanStep()
{
    MovePreview([this] {
        const long double dx = dragStart_.X - dragEnd_.X;
        const long double dy = dragStart_.Y - dragEnd_.Y;
        for (int i = 1; i <= viewCount_; ++i) SetPannedWindow(i, panStart_[i], dx, dy);
    });
}

void TViewport::SetPannedWindow(int index, const TPanStart& start, long double dx, long double dy)
{
    SetWindow(index, start.Left + Divide(start.Width * dx, Width()),
              start.Top + Divide(start.Height * dy, Height()),
              start.Left + start.Width * (Divide(dx, Width()) + 1),
              start.Top + start.Height * (Divide(dy, Height()) + 1));
}

void TViewport::DrawDragRectangle()
{
    const TPixelPoint a = dragStart_;
    const TPixelPoint b = dragEnd_;
    canvas_.MoveTo(a.X, a.Y);
    canvas_.LineTo(a.X, b.Y);
    canvas_.LineTo(b.X, b.Y);
    canvas_.LineTo(b.X, a.Y);
    canvas_.LineTo(a.X, a.Y);
}

void TViewport::ZoomToRectangle()
{
    int x1 = dragStart_.X;
    int y1 = dragStart_.Y;
    int x2 = dragEnd_.X;
    // The rectangle takes the control's proportions; the dragged height is ignored.
    int y2 = Trunc(y1 + Divide(static_cast<long double>(x2 - x1) * Height(), Width()));
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    if (x2 - x1 <= kSmallestZoomPixels || y2 - y1 <= kSmallestZoomPixels) return;
    for (int i = 1; i <= viewCount_; ++i) {
        const Real48 wx1 = XpointBack(i, x1);
        const Real48 wy1 = YpointBack(i, y1);
        const Real48 wx2 = XpointBack(i, x2);
        const Real48 wy2 = YpointBack(i, y2);
        if (std::abs(wx1 - wx2) < kSmallestZoomWorld || std::abs(wy1 - wy2) < kSmallestZoomWorld)
            return;
        SetWindow(i, wx1, wy1, wx2, wy2);
    }
    Paint();
}

void TViewport::MovePreview(const std::function<void()>& change)
{
    const TColor lineColor = lineColor_;
    SetLineColor(color_);
    RaisePreviewRedraw();
    change();
    SetLineColor(lineColor);
    RaisePreviewRedraw();
}

void TViewport::Raise(const TNotifyEvent& event)
{
    if (event) event(*this);
}

void TViewport::RaiseResize() { Raise(OnResize); }

void TViewport::RaiseRedraw() { Raise(OnRedraw); }

void TViewport::RaisePreviewRedraw()
{
    // A preview is wiped out by drawing it again in the background colour,
    // which only a hard line covers exactly.
    canvas_.SetSmooth(false);
    Raise(OnPreviewRedraw);
}

}  // namespace sloopform
