#include "preferences/AspectSample.h"

#include <QPainter>

namespace {

constexpr int kWidth = 160;
constexpr int kHeight = 180;
constexpr long double kSide = 140.0L;
// The world window before the vertical correction.
constexpr long double kLeft = -10.0L;
constexpr long double kRight = 150.0L;
constexpr long double kTop = -10.0L;
constexpr long double kBottom = 170.0L;

}  // namespace

AspectSample::AspectSample(const sloopform::DrawingSettings& colours, QWidget* parent)
    : QWidget(parent), colours_(colours), viewport_(canvas_)
{
    setFixedSize(kWidth, kHeight);
    viewport_.OnResize = [this](sloopform::TViewport&) { setWindow(); };
    viewport_.OnRedraw = [this](sloopform::TViewport&) { drawSquare(); };
    fitImage();
}

void AspectSample::setRatio(long double ratio)
{
    ratio_ = ratio;
    redraw();
}

void AspectSample::redraw()
{
    viewport_.SetColor(colours_.BackgroundColor);
    viewport_.SetLineColor(colours_.OutlineColor);
    viewport_.ZoomAll();
    update();
}

void AspectSample::fitImage()
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (canvas_.image().size() == pixels && canvas_.image().devicePixelRatio() == ratio) return;
    canvas_.resizeImage(pixels, ratio);
    redraw();
}

// A ratio above 1 makes a world unit taller than it is wide on the screen.
void AspectSample::setWindow()
{
    viewport_.SetWindow(1, kLeft, kTop / ratio_, kRight, kBottom / ratio_);
}

void AspectSample::drawSquare()
{
    viewport_.Clear();
    viewport_.Line(1, 0, 0, 0, kSide);
    viewport_.Line(1, 0, kSide, kSide, kSide);
    viewport_.Line(1, kSide, kSide, kSide, 0);
    viewport_.Line(1, kSide, 0, 0, 0);
}

void AspectSample::paintEvent(QPaintEvent*)
{
    fitImage();
    QPainter(this).drawImage(QPoint(0, 0), canvas_.image());
}
