#pragma once
#include <optional>

#include "analysis/ExtendedBSpline.h"

namespace sloopform {

// Which coordinate of an ExtendedBSpline a level applies to.
enum class CurveAxis { A, B };

// The curve parameter where the coordinate first rises to the level, for a
// curve that starts below it, searched from its start in `resolution` equal
// pieces of each knot span; nothing when it never gets there. A turn back
// below the level inside one piece goes unnoticed, so the pieces must be short
// enough for the coordinate to be monotone in each.
std::optional<long double> FirstCrossing(const ExtendedBSpline& curve, CurveAxis axis, long double level,
                                         int resolution);

// The coordinate of a curve point along an axis.
long double Coordinate(const CurvePoint& point, CurveAxis axis);

}  // namespace sloopform
