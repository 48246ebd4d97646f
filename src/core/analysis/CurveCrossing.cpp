#include "analysis/CurveCrossing.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace sloopform {

namespace {

// Halving alone reaches the last bit of a long double within this many steps.
constexpr int kMaxCrossingIterations = 128;

AxisPoint Along(const ExtendedBSpline& curve, long double t, CurveAxis axis)
{
    return axis == CurveAxis::A ? curve.AlongA(t) : curve.AlongB(t);
}

// Where the curve reaches the level inside [lo, hi], c(lo) < level <= c(hi):
// Newton's method from `start`, falling back to halving when a step leaves
// the bracket.
long double LevelCrossing(const ExtendedBSpline& curve, CurveAxis axis, long double lo,
                          long double hi, long double start, long double level)
{
    // The curve is evaluated in double precision: steps below a few of its
    // units in the parameter move nothing.
    const long double tolerance = 8 * std::numeric_limits<double>::epsilon() * (1 + hi);
    long double t = start;
    for (int iteration = 0; iteration < kMaxCrossingIterations; ++iteration) {
        const AxisPoint p = Along(curve, t, axis);
        const long double c = p.value;
        const long double slope = p.slope;
        if (c >= level)
            hi = t;
        else
            lo = t;
        long double next = slope != 0 ? t - (c - level) / slope : lo;
        // A converged step may land on the end of the bracket it has just moved.
        if (next >= lo && next <= hi && std::fabs(next - t) <= tolerance) return next;
        if (!(next > lo && next < hi)) next = lo + (hi - lo) / 2;
        if (std::fabs(next - t) <= tolerance || hi - lo <= tolerance) return next;
        t = next;
    }
    return t;
}

}  // namespace

long double Coordinate(const CurvePoint& point, CurveAxis axis)
{
    return axis == CurveAxis::A ? point.a : point.b;
}

std::optional<long double> FirstCrossing(const ExtendedBSpline& curve, CurveAxis axis,
                                           long double level, int resolution)
{
    const int pieces = curve.LastKnot() * resolution;
    long double t0 = 0, c0 = Along(curve, 0, axis).value;
    for (int k = 1; k <= pieces; ++k) {
        const long double t1 = static_cast<long double>(k) / resolution;
        const long double c1 = Along(curve, t1, axis).value;
        if (c1 >= level) {
            // Newton starts where the chord of the piece meets the level.
            const long double chord = c1 > c0 ? t0 + (t1 - t0) * (level - c0) / (c1 - c0) : t1;
            const long double start = std::clamp(chord, t0, t1);
            return LevelCrossing(curve, axis, t0, t1, start, level);
        }
        t0 = t1;
        c0 = c1;
    }
    return std::nullopt;
}

}  // namespace sloopform
