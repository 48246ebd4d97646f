#include "analysis/CurveCrossing.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace sloopform {

namespace {

// Halving alone reaches the last bit of a double within this many steps.
constexpr int kMaxCrossingIterations = 64;

AxisPoint Along(const ExtendedBSpline& curve, double t, CurveAxis axis)
{
    return axis == CurveAxis::A ? curve.AlongA(t) : curve.AlongB(t);
}

// Where the curve reaches the level inside [lo, hi], c(lo) < level <= c(hi):
// Newton's method from `start`, falling back to halving when a step leaves
// the bracket. The search runs in the curve's double precision: steps below a
// few of its units in the parameter move nothing.
double LevelCrossing(const ExtendedBSpline& curve, CurveAxis axis, double lo, double hi, double start,
                     double level)
{
    const double tolerance = 8 * std::numeric_limits<double>::epsilon() * (1 + hi);
    double t = start;
    for (int iteration = 0; iteration < kMaxCrossingIterations; ++iteration) {
        const AxisPoint p = Along(curve, t, axis);
        if (p.value >= level)
            hi = t;
        else
            lo = t;
        double next = p.slope != 0 ? t - (p.value - level) / p.slope : lo;
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
    const auto target = static_cast<double>(level);
    double t0 = 0, c0 = Along(curve, 0, axis).value;
    for (int k = 1; k <= pieces; ++k) {
        const double t1 = static_cast<double>(k) / resolution;
        const double c1 = Along(curve, t1, axis).value;
        if (c1 >= target) {
            // Newton starts where the chord of the piece meets the level.
            const double chord = c1 > c0 ? t0 + (t1 - t0) * (target - c0) / (c1 - c0) : t1;
            const double start = std::clamp(chord, t0, t1);
            return LevelCrossing(curve, axis, t0, t1, start, target);
        }
        t0 = t1;
        c0 = c1;
    }
    return std::nullopt;
}

}  // namespace sloopform
