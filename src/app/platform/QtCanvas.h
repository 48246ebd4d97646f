#pragma once
#include <QImage>
#include <QPainter>
#include <QPen>

#include "views/Canvas.h"

class QPaintDevice;

// The core's canvas over a QPainter, on a backing image of its own (a window's
// drawing surface) or on any other paint device (a printed page). Coordinates
// and pen widths are the device's own pixels whatever its device pixel ratio,
// so one pixel wide lines stay sharp on a high-density screen. The inverting
// pen touches each pixel of a closed outline once, and drawing anything twice
// with it restores the surface exactly, which is why it is never smoothed.
class QtCanvas : public sloopform::Canvas {
public:
    // On a backing image of its own, empty until resized.
    QtCanvas();
    // On `device`, which outlives the canvas: not a widget (whose size is not
    // in device pixels).
    explicit QtCanvas(QPaintDevice& device);
    ~QtCanvas() override;
    QtCanvas(const QtCanvas&) = delete;
    QtCanvas& operator=(const QtCanvas&) = delete;

    // Starts painting on the device; drawing starts it when needed. False when
    // the device cannot be painted on (a printer whose file cannot be made).
    bool begin();
    // Finishes painting: a printer ends its document.
    void end();

    // A new white backing image of `devicePixels`, shown at `devicePixelRatio`
    // device pixels per window pixel.
    void resizeImage(const QSize& devicePixels, qreal devicePixelRatio);
    // The backing image with everything drawn so far.
    const QImage& image() const;

    void SetPenColor(sloopform::TColor color) override;
    void SetPenStyle(sloopform::PenStyle style) override;
    void SetPenMode(sloopform::PenMode mode) override;
    void SetPenWidth(int width) override;
    void SetBrushColor(sloopform::TColor color) override;
    void SetSmooth(bool smooth) override;
    void FillRect(int left, int top, int right, int bottom) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Text(int x, int y, const std::string& text, int height, sloopform::TextAlign align) override;
    int Width() const override;
    int Height() const override;

private:
    // The painter, begun and set for lines or fills; null when the device
    // cannot be painted on.
    QPainter* linePainter();
    QPainter* fillPainter();

    QImage image_;
    QPaintDevice* device_;
    mutable QPainter painter_;
    QPen pen_;
    QColor brushColor_ = Qt::white;
    sloopform::PenMode penMode_ = sloopform::PenMode::Copy;
    bool smooth_ = false;
    QPoint position_;
};

// The Qt colour of a 0x00BBGGRR colour.
QColor ToQColor(sloopform::TColor color);
