#include "generator/SectionMeasures.h"

#include "numeric/ArithmeticFault.h"
#include "model/StationOutline.h"
#include "numeric/BSpline.h"

namespace sloopform {

namespace {

constexpr int kLastLevel = 10;

// Walks the samples upwards through the eleven equally spaced levels from zLo
// to zHi and records `ordinate(sample)` at the first sample that reaches each
// level; at most one level per sample, unreached levels stay 0.
template <typename Ordinate>
SimpsonOrdinates OrdinatesAtLevels(const SectionSamples& samples, Real48 zLo, Real48 zHi,
                                   Ordinate ordinate)
{
    SimpsonOrdinates levels{};
    for (int k = 0; k <= kLastLevel; ++k) levels[k] = zLo + (zHi - zLo) * k * 0.1L;
    SimpsonOrdinates values{};
    int k = 0;
    for (const TPoint2r& sample : samples) {
        if (k <= kLastLevel && sample.y >= levels[k]) {
            values[k] = ordinate(sample);
            ++k;
        }
    }
    return values;
}

constexpr int kOutlineOrder = 4;

}  // namespace

SamplingBasis::SamplingBasis(int nPts, int order, int m) : nPts_(nPts), m_(m)
{
    const TRealBlock knots = BSplineKnots(nPts, order);
    const long double lastKnot = knots[nPts + order];
    TRealBlock basis;
    weights_.reserve(static_cast<std::size_t>(m) * static_cast<std::size_t>(nPts));
    for (int i = 0; i < m; ++i) {
        const Real48 t = Divide(lastKnot * i, m - 1);
        BSplineBasis(order, t, nPts, knots, basis);
        for (int j = 1; j <= nPts; ++j) weights_.push_back(basis[j]);
    }
}

SectionSamples SamplingBasis::Sample(const TPointBlock2& ctrl) const
{
    SectionSamples samples(static_cast<std::size_t>(m_));
    auto weight = weights_.begin();
    for (TPoint2r& sample : samples) {
        Real48 x = 0, y = 0;
        for (int j = 1; j <= nPts_; ++j) x = x + weight[j - 1] * ctrl[j].x;
        for (int j = 1; j <= nPts_; ++j) y = y + weight[j - 1] * ctrl[j].y;
        sample = {x, y};
        weight += nPts_;
    }
    return samples;
}

SectionSamples SampleSection(int nPts, int order, const TPointBlock2& points)
{
    // Every station outline has the same six-point cubic basis.
    if (nPts == kStationOutlinePoints && order == kOutlineOrder) {
        static const SamplingBasis outlineBasis(kStationOutlinePoints, kOutlineOrder,
                                                kSectionSamplesPerPoint * kStationOutlinePoints);
        return outlineBasis.Sample(points);
    }
    return SamplingBasis(nPts, order, kSectionSamplesPerPoint * nPts).Sample(points);
}

Real48 SectionHalfBreadthAt(const SectionSamples& samples, Real48 z)
{
    TPoint2r previous{0, 0};
    for (const TPoint2r& current : samples) {
        if (previous.y <= z && z <= current.y)
            return current.x + Divide((previous.x - current.x) * (z - current.y), previous.y - current.y);
        previous = current;
    }
    return 0;
}

Real48 SectionHalfArea(const SectionSamples& samples, Real48 zLo, Real48 zHi)
{
    const auto halfBreadths =
        OrdinatesAtLevels(samples, zLo, zHi, [](const TPoint2r& p) { return Real48(p.x); });
    return Simpson11(halfBreadths, (zHi - zLo) * 0.1L);
}

Real48 SectionCentroid(const SectionSamples& samples, Real48 zLo, Real48 zHi)
{
    const auto moments =
        OrdinatesAtLevels(samples, zLo, zHi, [](const TPoint2r& p) { return Real48(p.x * p.y); });
    return Divide(Simpson11(moments, (zHi - zLo) * 0.1L), SectionHalfArea(samples, zLo, zHi));
}

Real48 SectionHalfBreadthAt(int nPts, int order, const TPointBlock2& points, Real48 z)
{
    return SectionHalfBreadthAt(SampleSection(nPts, order, points), z);
}

Real48 SectionHalfArea(int nPts, int order, const TPointBlock2& points, Real48 zLo, Real48 zHi)
{
    return SectionHalfArea(SampleSection(nPts, order, points), zLo, zHi);
}

Real48 SectionCentroid(int nPts, int order, const TPointBlock2& points, Real48 zLo, Real48 zHi)
{
    return SectionCentroid(SampleSection(nPts, order, points), zLo, zHi);
}

Real48 Simpson11(const SimpsonOrdinates& y, Real48 spacing)
{
    Real48 sum = 0;
    for (int k = 0; k <= kLastLevel; ++k) {
        const int multiplier = (k == 0 || k == kLastLevel) ? 1 : (k % 2 == 1 ? 4 : 2);
        sum = sum + multiplier * y[k];
    }
    return (spacing * (1.0L / 3.0L)) * sum;
}

}  // namespace sloopform
