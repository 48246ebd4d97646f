#pragma once
#include "views/Viewport.h"

// Scales every view by `factor` about the world point under pixel (px, py), so
// that point stays under the pointer, then repaints. A factor below 1 zooms in.
// Views whose window has not been set are left alone.
void ZoomAboutPixel(sloopform::TViewport& viewport, int px, int py, long double factor);

// The scale factor of one ZoomIn or ZoomOut step of the viewport.
long double ZoomInFactor(const sloopform::TViewport& viewport);
long double ZoomOutFactor(const sloopform::TViewport& viewport);
