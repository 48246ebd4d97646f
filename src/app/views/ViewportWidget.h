#pragma once
#include <QImage>
#include <QWidget>
#include <deque>
#include <functional>
#include <memory>

#include "views/Viewport.h"

class QtCanvas;

// The drawing surface of a view window. The core's viewport draws on a backing
// image through the Qt canvas; painting the widget only copies that image, so
// the inverting rubber band and the pan and rotate previews change nothing
// under them. The image has the screen's device pixels, so lines stay sharp on
// a high-density screen; the viewport's pixel coordinates are those pixels.
class ViewportWidget : public QWidget {
    Q_OBJECT
public:
    using Action = std::function<void(sloopform::TViewport&)>;
    using ViewportFactory =
        std::function<std::unique_ptr<sloopform::TViewport>(sloopform::Canvas& canvas)>;

    explicit ViewportWidget(const ViewportFactory& makeViewport, QWidget* parent = nullptr);
    ~ViewportWidget() override;

    // Runs `action` on the viewport and shows the result. The core lets pending
    // events run while it draws; an action arriving then waits its turn, so one
    // drawing is never cut into by another.
    void run(const Action& action);

    sloopform::TViewport& viewport() const { return *viewport_; }
    const QImage& image() const;

signals:
    // The pointer pressed or moved at `at`, in the viewport's pixels; it left the surface.
    void pointerMoved(QPoint at);
    void pointerLeft();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QPoint devicePoint(const QPointF& position) const;
    void fitBackingImage();
    void showCursor();

    std::unique_ptr<QtCanvas> canvas_;
    std::unique_ptr<sloopform::TViewport> viewport_;
    std::deque<Action> waiting_;
    bool running_ = false;
    bool repaintPosted_ = false;
    int shownCursor_ = sloopform::crDefault;
    qreal cursorRatio_ = 1.0;
    int wheelAngle_ = 0;  // eighths of a degree not yet turned into zoom steps
};
