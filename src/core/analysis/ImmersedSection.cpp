#include "analysis/ImmersedSection.h"

#include <cmath>
#include <limits>
#include <stdexcept>

#include "analysis/GaussLegendre.h"

namespace sloopform {

namespace {

// Five points are exact for polynomials up to degree 9, which covers y z' (5)
// and y z z' (8) of a cubic curve.
constexpr int kGaussPoints = 5;
// Halving alone reaches the last bit of a long double within this many steps.
constexpr int kMaxCrossingIterations = 128;

// Where the curve reaches the level inside [lo, hi], z(lo) < level <= z(hi):
// Newton's method, falling back to halving when a step leaves the bracket.
long double LevelCrossing(const ExtendedBSpline& curve, long double lo, long double hi,
                          long double level)
{
    const long double tolerance = 8 * std::numeric_limits<long double>::epsilon() * (1 + hi);
    long double t = hi;
    for (int iteration = 0; iteration < kMaxCrossingIterations; ++iteration) {
        const CurvePoint p = curve.At(t);
        if (p.b >= level)
            hi = t;
        else
            lo = t;
        long double next = p.db != 0 ? t - (p.b - level) / p.db : lo;
        if (!(next > lo && next < hi)) next = lo + (hi - lo) / 2;
        if (std::fabs(next - t) <= tolerance || hi - lo <= tolerance) return next;
        t = next;
    }
    return t;
}

// Adds the integrals over [t0, t1] by Green's theorem along the curve: the
// closing lines (the level and the centre plane) add nothing to y dz and y z dz.
// The surface element is |S_x × S_t| for S(x, t) = (x, a, b): with the
// lengthwise slopes (a_x, b_x), sqrt(a_t² + b_t² + (a_x b_t − b_x a_t)²).
void AddPiece(const ExtendedBSpline& curve, const ExtendedBSpline* slope,
              const std::vector<QuadratureNode>& rule, long double t0, long double t1,
              ImmersedSection& m)
{
    for (const QuadratureNode& node : rule) {
        const long double t = t0 + (t1 - t0) * node.x;
        const CurvePoint p = curve.At(t);
        const long double w = node.w * (t1 - t0);
        const long double speed2 = p.da * p.da + p.db * p.db;
        m.HalfArea += w * p.a * p.db;
        m.AreaMoment += w * p.a * p.b * p.db;
        m.HalfGirth += w * std::sqrt(speed2);
        long double twist = 0;
        if (slope) {
            const CurvePoint s = slope->At(t);
            twist = s.a * p.db - s.b * p.da;
        }
        m.HalfSurfaceGirth += w * std::sqrt(speed2 + twist * twist);
    }
}

}  // namespace

std::optional<ImmersedSection> MeasureImmersedSection(const ExtendedBSpline& curve,
                                                      long double level, int resolution,
                                                      const ExtendedBSpline* slope)
{
    if (resolution < 1)
        throw std::invalid_argument("the section resolution must be at least 1");
    static const std::vector<QuadratureNode> rule = GaussLegendre(kGaussPoints);
    ImmersedSection m;
    const CurvePoint start = curve.At(0);
    if (start.b >= level) {
        m.HalfBreadth = start.a;
        return m;
    }
    const int pieces = curve.LastKnot() * resolution;
    long double t0 = 0;
    for (int k = 1; k <= pieces; ++k) {
        const long double t1 = static_cast<long double>(k) / resolution;
        if (curve.At(t1).b >= level) {
            const long double crossing = LevelCrossing(curve, t0, t1, level);
            AddPiece(curve, slope, rule, t0, crossing, m);
            m.HalfBreadth = curve.At(crossing).a;
            return m;
        }
        AddPiece(curve, slope, rule, t0, t1, m);
        t0 = t1;
    }
    return std::nullopt;
}

}  // namespace sloopform
