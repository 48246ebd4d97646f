#include "views/ViewportWidget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <QWindow>
#include <cmath>

#include "platform/QtCanvas.h"
#include "views/ViewCursors.h"
#include "views/ViewportZoom.h"

using sloopform::MouseButton;
using sloopform::TViewport;

namespace {

constexpr int kWheelNotch = 120;  // eighths of a degree in one notch of a mouse wheel

bool CoreButton(Qt::MouseButton button, MouseButton& coreButton)
{
    switch (button) {
    case Qt::LeftButton: coreButton = MouseButton::Left; return true;
    case Qt::MiddleButton: coreButton = MouseButton::Middle; return true;
    case Qt::RightButton: coreButton = MouseButton::Right; return true;
    default: return false;
    }
}

}  // namespace

ViewportWidget::ViewportWidget(const ViewportFactory& makeViewport, QWidget* parent)
    : QWidget(parent), canvas_(std::make_unique<QtCanvas>()), viewport_(makeViewport(*canvas_))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Focused by its window's activation too, for the zoom and pan keys.
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(1, 1);
    // Moves without a button held tell where the pointer is.
    setMouseTracking(true);
}

ViewportWidget::~ViewportWidget() = default;

const QImage& ViewportWidget::image() const { return canvas_->image(); }

void ViewportWidget::run(const Action& action)
{
    waiting_.push_back(action);
    if (running_) return;
    running_ = true;
    try {
        while (!waiting_.empty()) {
            const Action next = waiting_.front();
            waiting_.pop_front();
            next(*viewport_);
        }
    } catch (...) {
        waiting_.clear();
        running_ = false;
        throw;
    }
    running_ = false;
    showCursor();
    update();
}

void ViewportWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), image());
}

void ViewportWidget::resizeEvent(QResizeEvent*) { fitBackingImage(); }

void ViewportWidget::showEvent(QShowEvent*)
{
    // A move to a screen of another pixel density needs an image of its size.
    if (QWindow* window = this->window()->windowHandle())
        connect(window, &QWindow::screenChanged, this, &ViewportWidget::fitBackingImage,
                Qt::UniqueConnection);
    fitBackingImage();
}

void ViewportWidget::fitBackingImage()
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels(qRound(width() * ratio), qRound(height() * ratio));
    if (image().size() == pixels && image().devicePixelRatio() == ratio) return;
    canvas_->resizeImage(pixels, ratio);
    // The core lets pending events run while it draws, which Qt must not meet
    // in the middle of showing or resizing widgets: the picture follows once
    // this event is done. The core raises its resize event as the size differs
    // from the last one painted.
    if (repaintPosted_) return;
    repaintPosted_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            repaintPosted_ = false;
            run([](TViewport& viewport) { viewport.Paint(); });
        },
        Qt::QueuedConnection);
}

QPoint ViewportWidget::devicePoint(const QPointF& position) const
{
    const qreal ratio = devicePixelRatioF();
    return {static_cast<int>(std::floor(position.x() * ratio)),
            static_cast<int>(std::floor(position.y() * ratio))};
}

void ViewportWidget::mousePressEvent(QMouseEvent* event)
{
    MouseButton button;
    if (!CoreButton(event->button(), button)) return;
    const QPoint at = devicePoint(event->position());
    run([button, at](TViewport& viewport) { viewport.MouseDown(button, at.x(), at.y()); });
    emit pointerMoved(at);
}

void ViewportWidget::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = devicePoint(event->position());
    // A move with no drag going on leaves the picture as it is.
    if (event->buttons() != Qt::NoButton || viewport_->Dragging())
        run([at](TViewport& viewport) { viewport.MouseMove(at.x(), at.y()); });
    emit pointerMoved(at);
}

void ViewportWidget::leaveEvent(QEvent*) { emit pointerLeft(); }

void ViewportWidget::mouseReleaseEvent(QMouseEvent* event)
{
    MouseButton button;
    if (!CoreButton(event->button(), button)) return;
    const QPoint at = devicePoint(event->position());
    run([button, at](TViewport& viewport) { viewport.MouseUp(button, at.x(), at.y()); });
}

void ViewportWidget::wheelEvent(QWheelEvent* event)
{
    // Zoom about the pointer, one ZoomIn or ZoomOut step per notch; a wheel
    // turned during a drag would move the ground under it.
    event->accept();
    if (viewport_->Dragging()) return;
    wheelAngle_ += event->angleDelta().y();
    const int steps = wheelAngle_ / kWheelNotch;
    if (steps == 0) return;
    wheelAngle_ -= steps * kWheelNotch;
    const QPoint at = devicePoint(event->position());
    run([steps, at](TViewport& viewport) {
        const long double factor = steps > 0 ? ZoomInFactor(viewport) : ZoomOutFactor(viewport);
        ZoomAboutPixel(viewport, at.x(), at.y(), std::pow(factor, std::abs(steps)));
    });
}

void ViewportWidget::showCursor()
{
    const int cursor = viewport_->Cursor();
    const qreal ratio = devicePixelRatioF();
    if (cursor == shownCursor_ && ratio == cursorRatio_) return;
    shownCursor_ = cursor;
    cursorRatio_ = ratio;
    setCursor(ViewportCursor(cursor, ratio));
}
