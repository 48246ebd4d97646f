#pragma once
#include <QList>
#include <QRect>
#include <QSize>

// Where the frame puts its child windows. Plain geometry on the workspace's
// pixel area, so the numbers can be checked without a window.

struct WorkingArrangementGeometry {
    QRect linesPlan;
    QRect generator;
};

// The lines plan over the generator window: of the height H left between the
// tool panel and the status bar, the lines plan takes 3H/5 (integer division)
// at the top, the generator window the rest below it; both take the full width.
WorkingArrangementGeometry ComputeWorkingArrangement(int clientWidth, int clientHeight,
                                                     int toolPanelHeight, int statusBarHeight);

enum class TileDirection { Horizontal, Vertical };

// Horizontal tiling stacks the windows as full-width bands from top to bottom;
// vertical tiling sets them side by side as full-height columns. The last band
// takes the pixels that do not divide evenly.
QList<QRect> TileRects(int count, QSize area, TileDirection direction);

// Minimised windows in rows along the bottom edge, left to right, the next row
// above when one is full.
QList<QPoint> IconPositions(int count, QSize iconSize, QSize area);
