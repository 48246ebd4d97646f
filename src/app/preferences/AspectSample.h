#pragma once
#include <QWidget>

#include "platform/QtCanvas.h"
#include "views/DrawingSettings.h"
#include "views/ViewportEngView.h"

// The sample of the screen aspect ratio: a square of side 140 drawn by a
// viewport 160 × 180 pixels, stretched upwards by the working ratio, in the
// outline colour on the background colour of `colours`.
class AspectSample : public QWidget {
    Q_OBJECT
public:
    AspectSample(const sloopform::DrawingSettings& colours, QWidget* parent = nullptr);

    void setRatio(long double ratio);
    // Draws again, in the colours as they now are.
    void redraw();
    // The drawing as last made.
    const QImage& image() const { return canvas_.image(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void fitImage();
    void setWindow();
    void drawSquare();

    const sloopform::DrawingSettings& colours_;
    long double ratio_ = 1.0L;
    QtCanvas canvas_;
    sloopform::TViewportEngView viewport_;
};
