#include "views/ViewCursors.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include "views/Viewport.h"

namespace {

constexpr int kCursorSize = 32;

struct CursorImage {
    const char* resource;
    QPoint hotSpot;
};

QCursor RenderCursor(const CursorImage& image, qreal devicePixelRatio)
{
    QSvgRenderer renderer(QString::fromLatin1(image.resource));
    const int side = qCeil(kCursorSize * devicePixelRatio);
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
    }
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return QCursor(pixmap, image.hotSpot.x(), image.hotSpot.y());
}

}  // namespace

QCursor ViewportCursor(int cursorId, qreal devicePixelRatio)
{
    switch (cursorId) {
    case sloopform::crZoomWindow:
        return RenderCursor({":/cursors/zoomwindow.svg", {12, 12}}, devicePixelRatio);  // the cross-hair
    case sloopform::crPan:
        return RenderCursor({":/cursors/pan.svg", {16, 16}}, devicePixelRatio);  // the palm
    case sloopform::crRotate:
        return RenderCursor({":/cursors/rotate.svg", {0, 0}}, devicePixelRatio);  // the top-left corner
    default:
        return QCursor(Qt::ArrowCursor);
    }
}
