#pragma once
#include <QCursor>

// The mouse cursor of a viewport's cursor id: the magnifying glass of the
// zoom window, the open hand of the pan, the circular arrows of the rotation,
// and the arrow for any other id. Drawn sharp for the screen's pixel ratio.
QCursor ViewportCursor(int cursorId, qreal devicePixelRatio);
