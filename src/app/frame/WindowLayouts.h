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
// Where the rest is less than the generator window wants (its whole parameter
// table), it takes more, as long as the lines plan keeps its least height.
WorkingArrangementGeometry ComputeWorkingArrangement(int clientWidth, int clientHeight,
                                                     int toolPanelHeight, int statusBarHeight,
                                                     int generatorWanted = 0, int linesPlanLeast = 0);

enum class TileDirection { Horizontal, Vertical };

// Horizontal tiling stacks the windows as full-width bands from top to bottom;
// vertical tiling sets them side by side as full-height columns. The last band
// takes the pixels that do not divide evenly. Where a band would be thinner
// than `least`, the bands go into as many columns (rows) as that needs, the
// front windows first.
QList<QRect> TileRects(int count, QSize area, TileDirection direction, QSize least = {});

// Each window `step` pixels right of and below the one behind it, all of one
// size: the area less the steps, but not less than `least` where the area
// has room for it.
QList<QRect> CascadeRects(int count, QSize area, int step, QSize least);

// `place` moved and, where it is smaller than `least`, grown so that it lies
// within the area, as far as the area allows.
QRect UsablePlace(QRect place, QSize least, QSize area);

// Minimised windows in rows along the bottom edge, left to right, the next row
// above when one is full.
QList<QPoint> IconPositions(int count, QSize iconSize, QSize area);
