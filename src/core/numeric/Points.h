#pragma once
#include "numeric/OneBased.h"
#include "numeric/Real48.h"

namespace sloopform {

struct TPoint2r {
    Real48 x;
    Real48 y;
};

struct TPoint3r {
    Real48 x;
    Real48 y;
    Real48 z;
};

// Coordinates of a point by number, so one routine serves 2D and 3D curves.
inline Real48& Coord(TPoint2r& p, int i) { return i == 0 ? p.x : p.y; }
inline Real48 Coord(const TPoint2r& p, int i) { return i == 0 ? p.x : p.y; }
inline Real48& Coord(TPoint3r& p, int i) { return i == 0 ? p.x : (i == 1 ? p.y : p.z); }
inline Real48 Coord(const TPoint3r& p, int i) { return i == 0 ? p.x : (i == 1 ? p.y : p.z); }

// Work blocks of the curve routines: 100 reals, 100 2D points, 30 3D points.
using TRealBlock = OneBased<Real48, 100>;
using TPointBlock2 = OneBased<TPoint2r, 100>;
using TPointBlock3 = OneBased<TPoint3r, 30>;

}  // namespace sloopform
