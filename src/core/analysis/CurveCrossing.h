#pragma once
#include <optional>

#include "analysis/ExtendedBSpline.h"

namespace sloopform {

// Which coordinate of an ExtendedBSpline a level applies to.
enum class CurveAxis { A, B };

// Where a curve first reaches a level, searched from its start in equal
// pieces of each knot span: the piece (1-based; it runs from (Piece - 1) /
// resolution to Piece / resolution) and the curve parameter inside it.
struct CurveCrossing {
    int Piece = 0;
    long double T = 0;
};

// The first place where the coordinate rises to the level, for a curve that
// starts below it; nothing when it never gets there. A turn back below the
// level inside one piece goes unnoticed, so the pieces must be short enough
// for the coordinate to be monotone in each.
std::optional<CurveCrossing> FirstCrossing(const ExtendedBSpline& curve, CurveAxis axis,
                                           long double level, int resolution);

// The coordinate of a curve point along an axis.
long double Coordinate(const CurvePoint& point, CurveAxis axis);

}  // namespace sloopform
