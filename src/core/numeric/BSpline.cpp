#include "numeric/BSpline.h"

#include <algorithm>
#include <cmath>

#include "numeric/ArithmeticFault.h"
#include "numeric/Matrix.h"
#include "numeric/SamplingBasis.h"

namespace sloopform {

namespace {

void RequireCurve(int nPts, int order)
{
    TRealBlock::RequireFits(nPts + order, "B-spline knot count");
}

template <typename Point>
long double Distance(const Point& a, const Point& b);

template <>
long double Distance(const TPoint2r& a, const TPoint2r& b)
{
    const long double dx = b.x - a.x, dy = b.y - a.y;
    return std::sqrt(dx * dx + dy * dy);
}

template <>
long double Distance(const TPoint3r& a, const TPoint3r& b)
{
    const long double dx = b.x - a.x, dy = b.y - a.y, dz = b.z - a.z;
    return std::sqrt(dx * dx + dy * dy + dz * dz);
}

template <typename Block>
TRealBlock ChordParams(int nPts, const Block& points)
{
    Block::RequireFits(nPts, "curve points");
    TRealBlock params;
    params[1] = 0;
    Real48 total = 0;
    for (int i = 2; i <= nPts; ++i) total = total + Distance(points[i - 1], points[i]);
    Real48 c = 0;
    for (int i = 2; i <= nPts; ++i) {
        c = c + Distance(points[i - 1], points[i]);
        params[i] = Divide(c, total);
    }
    return params;
}

template <typename Block, int Dims>
Block FitBSpline(int nPts, int order, const Block& points, const TRealBlock& params)
{
    RequireCurve(nPts, order);
    Block::RequireFits(nPts, "B-spline fit points");
    const TRealBlock knots = BSplineKnots(nPts, order);
    const long double lastKnot = knots[nPts + order];

    // The working matrices live on the stack: the generator fits its diagonals
    // in every evaluation of a hull.
    TMatrix n(nPts, nPts);
    TRealBlock basis;
    for (int l = 1; l <= nPts; ++l) {
        const Real48 t = params[l] * lastKnot;
        BSplineBasis(order, t, nPts, knots, basis);
        for (int j = 1; j <= nPts; ++j) n(l, j) = basis[j];
    }
    TMatrix nt, m, inverse;
    MatTransposeInto(n, nt);
    MatMultiplyInto(nt, n, m);
    if (!MatInverseInto(m, inverse))
        throw SingularSystem("B-spline fit through " + std::to_string(nPts) +
                             " points has a singular system (repeated points)");

    TMatrix r(nPts, Dims);
    for (int u = 1; u <= nPts; ++u)
        for (int i = 1; i <= Dims; ++i) {
            Real48 sum = 0;
            for (int w = 1; w <= nPts; ++w) sum = sum + nt(u, w) * Coord(points[w], i - 1);
            r(u, i) = sum;
        }

    Block ctrl;
    for (int u = 1; u <= nPts; ++u)
        for (int i = 1; i <= Dims; ++i) {
            Real48 sum = 0;
            for (int b = 1; b <= nPts; ++b) sum = sum + inverse(u, b) * r(b, i);
            Coord(ctrl[u], i - 1) = sum;
        }
    return ctrl;
}

template <typename Point, typename Block>
std::vector<Point> Sample(int nPts, int order, const Block& ctrl, int m)
{
    std::vector<Point> samples(static_cast<std::size_t>(m));
    SamplingBasisFor(nPts, order, m).Sample(ctrl, samples.data());
    return samples;
}

void EmitPlanar(const std::vector<TPoint2r>& samples, LineSink& sink, long double offset, int plane)
{
    if (plane < kPlaneStation || plane > kPlaneHorizontal) return;
    const Real48 o = offset;
    auto place = [&](const TPoint2r& p) -> TPoint3r {
        switch (plane) {
        case kPlaneStation: return {o, p.x, p.y};
        case kPlaneCentre: return {p.x, o, p.y};
        default: return {p.x, p.y, o};
        }
    };
    for (std::size_t i = 1; i < samples.size(); ++i) {
        const TPoint3r cur = place(samples[i]);
        const TPoint3r prev = place(samples[i - 1]);
        sink.Line3D(cur.x, cur.y, cur.z, prev.x, prev.y, prev.z);
    }
}

void EmitSpatial(const std::vector<TPoint3r>& samples, LineSink& sink)
{
    for (std::size_t i = 1; i < samples.size(); ++i) {
        const TPoint3r& cur = samples[i];
        const TPoint3r& prev = samples[i - 1];
        sink.Line3D(cur.x, cur.y, cur.z, prev.x, prev.y, prev.z);
    }
}

}  // namespace

TRealBlock BSplineKnots(int nPts, int order)
{
    RequireCurve(nPts, order);
    TRealBlock knots;
    knots[1] = 0;
    for (int i = 2; i <= nPts + order; ++i)
        knots[i] = knots[i - 1] + ((order < i && i < nPts + 2) ? 1 : 0);
    return knots;
}

void BSplineBasis(int order, long double t, int nPts, const TRealBlock& knots, TRealBlock& n)
{
    RequireCurve(nPts, order);
    const int count = nPts + order;
    // Plain arrays indexed from 1; every index below stays inside 1..count.
    long double knot[TRealBlock::kCapacity + 1];
    for (int i = 1; i <= count; ++i) knot[i] = knots[i];
    Real48 temp[TRealBlock::kCapacity + 1];  // all 0

    // Step 1: the one span with Knots[j] <= T < Knots[j + 1] (none at the last
    // knot or outside the range). Step 2: at order k only Temp[j - k + 1 .. j]
    // can become nonzero; every other entry would be 0 + 0 and stays 0, which
    // is also what the full recursion leaves there.
    int span = 0;
    for (int i = 1; i <= count - 1; ++i)
        if (knot[i] <= t && t < knot[i + 1]) span = i;
    if (span != 0) {
        temp[span] = 1;
        for (int k = 2; k <= order; ++k) {
            for (int i = std::max(1, span - k + 1); i <= std::min(count - k, span); ++i) {
                const Real48 d =
                    temp[i] != 0 ? Divide((t - knot[i]) * temp[i], knot[i + k - 1] - knot[i]) : 0.0L;
                const Real48 e = temp[i + 1] != 0
                                     ? Divide((knot[i + k] - t) * temp[i + 1], knot[i + k] - knot[i + 1])
                                     : 0.0L;
                temp[i] = d + e;
            }
        }
    }
    // Steps 3 and 4.
    for (int i = 1; i <= nPts; ++i) n[i] = 0;
    if (span != 0)
        for (int i = std::max(1, span - order + 1); i <= std::min(nPts, span); ++i) n[i] = temp[i];
    if (t == knot[count]) n[nPts] = 1;
}

TRealBlock ChordParams2d(int nPts, const TPointBlock2& points) { return ChordParams(nPts, points); }

TRealBlock ChordParams3d(int nPts, const TPointBlock3& points) { return ChordParams(nPts, points); }

TPointBlock2 FitBSpline2d(int nPts, int order, const TPointBlock2& points)
{
    return FitBSpline<TPointBlock2, 2>(nPts, order, points, ChordParams2d(nPts, points));
}

TPointBlock3 FitBSpline3d(int nPts, int order, const TPointBlock3& points)
{
    return FitBSpline<TPointBlock3, 3>(nPts, order, points, ChordParams3d(nPts, points));
}

std::vector<TPoint2r> SampleBSpline2d(int nPts, int order, const TPointBlock2& ctrl, int m)
{
    return Sample<TPoint2r>(nPts, order, ctrl, m);
}

std::vector<TPoint3r> SampleBSpline3d(int nPts, int order, const TPointBlock3& ctrl, int m)
{
    return Sample<TPoint3r>(nPts, order, ctrl, m);
}

void DrawBSpline2d(int nPts, int order, const TPointBlock2& ctrl, LineSink& target,
                   long double offset, int plane)
{
    EmitPlanar(SampleBSpline2d(nPts, order, ctrl, kScreenSamplesPerPoint * nPts), target, offset, plane);
}

void DrawBSpline3d(int nPts, int order, const TPointBlock3& ctrl, LineSink& target)
{
    EmitSpatial(SampleBSpline3d(nPts, order, ctrl, kScreenSamplesPerPoint * nPts), target);
}

void DxfBSpline2d(int nPts, int order, const TPointBlock2& ctrl, LineSink& file,
                  long double offset, int plane)
{
    EmitPlanar(SampleBSpline2d(nPts, order, ctrl, kDxfSamplesPerPoint * nPts), file, offset, plane);
}

void DxfBSpline3d(int nPts, int order, const TPointBlock3& ctrl, LineSink& file)
{
    EmitSpatial(SampleBSpline3d(nPts, order, ctrl, kDxfSamplesPerPoint * nPts), file);
}

}  // namespace sloopform
