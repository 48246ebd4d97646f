#include "analysis/ImmersedSection.h"

#include <cmath>
#include <stdexcept>

#include "analysis/CurveCrossing.h"
#include "analysis/GaussLegendre.h"

namespace sloopform {

namespace {

// Five points are exact for polynomials up to degree 9, which covers y z' (5)
// and y z z' (8) of a cubic curve.
constexpr int kGaussPoints = 5;

// Adds the integrals over [t0, t1] by Green's theorem along the curve: the
// closing lines (the level and the centre plane) add nothing to y dz and y z dz.
// The surface element is |S_x × S_t| for S(x, t) = (x, a, b): with the
// lengthwise slopes (a_x, b_x), sqrt(a_t² + b_t² + (a_x b_t − b_x a_t)²).
void AddPiece(const ExtendedBSpline& curve, const ExtendedBSpline* slope,
              const std::vector<QuadratureNode>& rule, long double t0, long double t1,
              ImmersedMeasures measures, ImmersedSection& m)
{
    for (const QuadratureNode& node : rule) {
        const long double t = t0 + (t1 - t0) * node.x;
        const CurvePoint p = curve.At(t);
        const long double w = node.w * (t1 - t0);
        m.HalfArea += w * p.a * p.db;
        m.AreaMoment += w * p.a * p.b * p.db;
        if (measures == ImmersedMeasures::AreaAndMoment) continue;
        const long double speed2 = p.da * p.da + p.db * p.db;
        m.HalfGirth += w * std::sqrt(speed2);
        long double twist = 0;
        if (slope) {
            const ExtendedPoint s = slope->PositionAt(t);
            twist = s.a * p.db - s.b * p.da;
        }
        m.HalfSurfaceGirth += w * std::sqrt(speed2 + twist * twist);
    }
}

}  // namespace

std::optional<ImmersedSection> MeasureImmersedSection(const ExtendedBSpline& curve,
                                                      long double level, int resolution,
                                                      const ExtendedBSpline* slope,
                                                      ImmersedMeasures measures)
{
    if (resolution < 1)
        throw std::invalid_argument("the section resolution must be at least 1");
    static const std::vector<QuadratureNode> rule = GaussLegendre(kGaussPoints);
    ImmersedSection m;
    const ExtendedPoint start = curve.PositionAt(0);
    if (start.b >= level) {
        m.HalfBreadth = start.a;
        return m;
    }
    const auto crossing = FirstCrossing(curve, CurveAxis::B, level, resolution);
    if (!crossing) return std::nullopt;
    // Span by span up to the crossing, then the part of its span below it.
    const int wholeSpans = static_cast<int>(*crossing);
    long double t0 = 0;
    for (int k = 1; k <= wholeSpans; ++k) {
        const long double t1 = k;
        AddPiece(curve, slope, rule, t0, t1, measures, m);
        t0 = t1;
    }
    AddPiece(curve, slope, rule, t0, *crossing, measures, m);
    m.HalfBreadth = curve.PositionAt(*crossing).a;
    return m;
}

std::optional<long double> ImmersedHalfBreadth(const ExtendedBSpline& curve, long double level, int resolution)
{
    const ExtendedPoint start = curve.PositionAt(0);
    if (start.b >= level) return start.a;
    const auto crossing = FirstCrossing(curve, CurveAxis::B, level, resolution);
    if (!crossing) return std::nullopt;
    return curve.PositionAt(*crossing).a;
}

}  // namespace sloopform
