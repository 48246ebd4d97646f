#include "platform/QtCanvas.h"

#include <algorithm>

#include <QPaintDevice>

using sloopform::PenMode;
using sloopform::PenStyle;
using sloopform::TColor;

QColor ToQColor(TColor color)
{
    return QColor(sloopform::ColorRed(color), sloopform::ColorGreen(color),
                  sloopform::ColorBlue(color));
}

namespace {

QPen InitialPen()
{
    // Cosmetic: widths are device pixels, untouched by the painter's transform.
    QPen pen(Qt::black, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    pen.setCosmetic(true);
    return pen;
}

// Qt leaves out the pixel at the larger coordinate of a flat-capped line. A
// horizontal or vertical line running left or up moves one pixel along itself,
// so it too leaves out its end and keeps its start, and the corners of a closed
// outline are inverted once each.
QLine HalfOpenLine(QPoint from, QPoint to)
{
    QPoint step;
    if (from.y() == to.y() && to.x() < from.x()) step = QPoint(1, 0);
    if (from.x() == to.x() && to.y() < from.y()) step = QPoint(0, 1);
    return QLine(from + step, to + step);
}

}  // namespace

QtCanvas::QtCanvas() : device_(&image_), pen_(InitialPen()) {}

QtCanvas::QtCanvas(QPaintDevice& device) : device_(&device), pen_(InitialPen()) {}

QtCanvas::~QtCanvas() { end(); }

bool QtCanvas::begin()
{
    if (painter_.isActive()) return true;
    if (device_->width() <= 0 || device_->height() <= 0 || !painter_.begin(device_)) return false;
    painter_.setRenderHint(QPainter::Antialiasing, false);
    // Undo the painter's scaling to window pixels: the canvas works in device pixels.
    const qreal ratio = device_->devicePixelRatio();
    if (ratio != 1.0) painter_.setWorldTransform(QTransform::fromScale(1.0 / ratio, 1.0 / ratio));
    return true;
}

void QtCanvas::end()
{
    if (painter_.isActive()) painter_.end();
}

void QtCanvas::resizeImage(const QSize& devicePixels, qreal devicePixelRatio)
{
    end();
    // Raster operations work on 32-bit RGB images.
    image_ = QImage(devicePixels, QImage::Format_RGB32);
    image_.setDevicePixelRatio(devicePixelRatio);
    image_.fill(Qt::white);
}

const QImage& QtCanvas::image() const
{
    if (device_ == &image_ && painter_.isActive()) painter_.end();
    return image_;
}

void QtCanvas::SetPenColor(TColor color) { pen_.setColor(ToQColor(color)); }

void QtCanvas::SetPenStyle(PenStyle style)
{
    pen_.setStyle(style == PenStyle::Dotted ? Qt::DotLine : Qt::SolidLine);
}

void QtCanvas::SetPenMode(PenMode mode) { penMode_ = mode; }

void QtCanvas::SetPenWidth(int width) { pen_.setWidth(width); }

void QtCanvas::SetBrushColor(TColor color) { brushColor_ = ToQColor(color); }

void QtCanvas::SetSmooth(bool smooth) { smooth_ = smooth; }

void QtCanvas::FillRect(int left, int top, int right, int bottom)
{
    QPainter* painter = right > left && bottom > top ? fillPainter() : nullptr;
    if (painter != nullptr)
        painter->fillRect(QRect(left, top, right - left, bottom - top), brushColor_);
}

void QtCanvas::MoveTo(int x, int y) { position_ = QPoint(x, y); }

void QtCanvas::LineTo(int x, int y)
{
    const QPoint to(x, y);
    QPainter* painter = to == position_ ? nullptr : linePainter();
    if (painter != nullptr) {
        // Inverting lines must not touch a pixel twice; copied ones may, and
        // keep both ends so a polyline has no gaps.
        if (penMode_ == PenMode::NotXor)
            painter->drawLine(HalfOpenLine(position_, to));
        else if (smooth_)
            // Through the pixels' centres, so a level or upright line stays one pixel wide.
            painter->drawLine(QLineF(position_, to).translated(0.5, 0.5));
        else
            painter->drawLine(position_, to);
    }
    position_ = to;
}

void QtCanvas::Text(int x, int y, const std::string& text, int height, sloopform::TextAlign align)
{
    QPainter* painter = linePainter();
    if (painter == nullptr) return;
    QFont font = painter->font();
    font.setPixelSize(std::max(height, 1));
    painter->setFont(font);
    const QString line = QString::fromStdString(text);
    const int width = painter->fontMetrics().horizontalAdvance(line);
    const int left = align == sloopform::TextAlign::Centre ? x - width / 2 : x;
    painter->drawText(QRect(left, y - height, width + 1, 2 * height), Qt::AlignLeft | Qt::AlignVCenter,
                      line);
}

int QtCanvas::Width() const { return device_->width(); }

int QtCanvas::Height() const { return device_->height(); }

QPainter* QtCanvas::linePainter()
{
    if (!begin()) return nullptr;
    // Not-xor with a black pen inverts what lies under it; twice restores it.
    painter_.setCompositionMode(penMode_ == PenMode::NotXor
                                    ? QPainter::RasterOp_NotSourceXorDestination
                                    : QPainter::CompositionMode_SourceOver);
    painter_.setRenderHint(QPainter::Antialiasing, smooth_ && penMode_ == PenMode::Copy);
    QPen pen = pen_;
    if (penMode_ == PenMode::NotXor) pen.setCapStyle(Qt::FlatCap);
    painter_.setPen(pen);
    return &painter_;
}

QPainter* QtCanvas::fillPainter()
{
    if (!begin()) return nullptr;
    // A fill paints the brush colour whatever the pen mode.
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    return &painter_;
}
