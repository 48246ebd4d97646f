#include "views/ViewportZoom.h"

using sloopform::TScreen;

void ZoomAboutPixel(sloopform::TViewport& viewport, int px, int py, long double factor)
{
    for (int i = 1; i <= viewport.ViewCount(); ++i) {
        const TScreen view = viewport.View(i);
        if (!view.Active) continue;
        const long double wx = viewport.XpointBack(i, px);
        const long double wy = viewport.YpointBack(i, py);
        viewport.SetWindow(i, wx - (wx - view.Left) * factor, wy - (wy - view.Top) * factor,
                           wx + (view.Right - wx) * factor, wy + (view.Bottom - wy) * factor);
    }
    viewport.Paint();
}

long double ZoomInFactor(const sloopform::TViewport& viewport)
{
    return 1.0L - 0.01L * viewport.ZoomFactor();
}

long double ZoomOutFactor(const sloopform::TViewport& viewport)
{
    return 1.0L + 0.01L * viewport.ZoomFactor();
}
