#include "frame/WindowLayouts.h"

#include <algorithm>

WorkingArrangementGeometry ComputeWorkingArrangement(int clientWidth, int clientHeight,
                                                     int toolPanelHeight, int statusBarHeight,
                                                     int generatorWanted, int linesPlanLeast)
{
    const int height = std::max(0, clientHeight - toolPanelHeight - statusBarHeight);
    const int width = std::max(0, clientWidth);
    int linesPlanHeight = 3 * height / 5;
    if (height - linesPlanHeight < generatorWanted)
        linesPlanHeight = std::max(std::min(linesPlanHeight, linesPlanLeast), height - generatorWanted);
    return {QRect(0, 0, width, linesPlanHeight),
            QRect(0, linesPlanHeight, width, height - linesPlanHeight)};
}

namespace {

// `count` lengths that fill `total`, the last taking what does not divide evenly.
QList<QPair<int, int>> Bands(int count, int total)
{
    QList<QPair<int, int>> bands;
    const int step = total / count;
    for (int i = 0; i < count; ++i) bands.append({i * step, i == count - 1 ? total - i * step : step});
    return bands;
}

}  // namespace

QList<QRect> TileRects(int count, QSize area, TileDirection direction, QSize least)
{
    QList<QRect> rects;
    if (count <= 0) return rects;
    const bool bands = direction == TileDirection::Horizontal;
    const int along = bands ? area.height() : area.width();
    const int leastAlong = bands ? least.height() : least.width();
    // As few lines as give every band its least size, evenly filled.
    const int mostPerLine = leastAlong > 0 ? std::clamp(along / leastAlong, 1, count) : count;
    const int lines = (count + mostPerLine - 1) / mostPerLine;
    const int perLine = (count + lines - 1) / lines;
    const auto across = Bands(lines, bands ? area.width() : area.height());
    for (int line = 0; line < lines; ++line) {
        const int inLine = std::min(perLine, count - line * perLine);
        for (const auto& [start, extent] : Bands(inLine, along)) {
            const auto& [lineStart, lineExtent] = across[line];
            rects.append(bands ? QRect(lineStart, start, lineExtent, extent)
                               : QRect(start, lineStart, extent, lineExtent));
        }
    }
    return rects;
}

QList<QRect> CascadeRects(int count, QSize area, int step, QSize least)
{
    QList<QRect> rects;
    if (count <= 0) return rects;
    const QSize size = (area - QSize(step, step) * (count - 1)).expandedTo(least).boundedTo(area);
    for (int i = 0; i < count; ++i) {
        // Windows that would leave the area stay at its far edge.
        const QPoint offset(std::min(i * step, std::max(0, area.width() - size.width())),
                            std::min(i * step, std::max(0, area.height() - size.height())));
        rects.append(QRect(offset, size));
    }
    return rects;
}

QRect UsablePlace(QRect place, QSize least, QSize area)
{
    place.setSize(place.size().expandedTo(least).boundedTo(area));
    place.moveLeft(std::clamp(place.left(), 0, std::max(0, area.width() - place.width())));
    place.moveTop(std::clamp(place.top(), 0, std::max(0, area.height() - place.height())));
    return place;
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
