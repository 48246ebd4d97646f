#include "frame/WindowLayouts.h"

#include <algorithm>

WorkingArrangementGeometry ComputeWorkingArrangement(int clientWidth, int clientHeight,
                                                     int toolPanelHeight, int statusBarHeight)
{
    const int height = std::max(0, clientHeight - toolPanelHeight - statusBarHeight);
    const int width = std::max(0, clientWidth);
    const int linesPlanHeight = 3 * height / 5;
    return {QRect(0, 0, width, linesPlanHeight),
            QRect(0, linesPlanHeight, width, height - linesPlanHeight)};
}

QList<QRect> TileRects(int count, QSize area, TileDirection direction)
{
    QList<QRect> rects;
    if (count <= 0) return rects;
    const bool bands = direction == TileDirection::Horizontal;
    const int total = bands ? area.height() : area.width();
    const int step = total / count;
    for (int i = 0; i < count; ++i) {
        const int start = i * step;
        const int extent = i == count - 1 ? total - start : step;
        rects.append(bands ? QRect(0, start, area.width(), extent)
                           : QRect(start, 0, extent, area.height()));
    }
    return rects;
}

QList<QPoint> IconPositions(int count, QSize iconSize, QSize area)
{
    QList<QPoint> positions;
    if (count <= 0 || iconSize.isEmpty()) return positions;
    const int perRow = std::max(1, area.width() / iconSize.width());
    for (int i = 0; i < count; ++i) {
        const int row = i / perRow;
        const int column = i % perRow;
        positions.append(QPoint(column * iconSize.width(),
                                area.height() - (row + 1) * iconSize.height()));
    }
    return positions;
}
