#include "generator/SectionMeasures.h"

#include <stdexcept>
#include <string>

#include "numeric/ArithmeticFault.h"

namespace sloopform {

namespace {

constexpr int kLastLevel = 10;

// Walks the samples upwards through the eleven equally spaced levels from zLo
// to zHi and records `ordinate(sample)` at the first sample that reaches each
// level; at most one level per sample, unreached levels stay 0.
template <typename Ordinate>
void OrdinatesAtLevels(const SectionSamples& samples, Real48 zLo, Real48 zHi, Ordinate ordinate)
{
    SimpsonOrdinates levels{};
    for (int k = 0; k <= kLastLevel; ++k) levels[k] = zLo + (zHi - zLo) * k * 0.1L;
    int k = 0;
    for (const TPoint2r& sample : samples) {
        if (sample.y >= levels[k]) {
            ordinate(k, sample);
            if (++k > kLastLevel) return;  // nothing further is read
        }
    }
}

SimpsonOrdinates HalfBreadthsAtLevels(const SectionSamples& samples, Real48 zLo, Real48 zHi)
{
    SimpsonOrdinates halfBreadths{};
    OrdinatesAtLevels(samples, zLo, zHi, [&](int k, const TPoint2r& p) { halfBreadths[k] = p.x; });
    return halfBreadths;
}

constexpr int kOutlineOrder = 4;

}  // namespace

SectionSamples::SectionSamples(const SamplingBasis& basis, const TPointBlock2& points) : basis_(&basis)
{
    const int nPts = basis.ControlPoints();
    if (nPts > kStationOutlinePoints || basis.Samples() > kCapacity)
        throw std::length_error("a section curve of " + std::to_string(nPts) + " control points and " +
                                std::to_string(basis.Samples()) + " samples exceeds the outline's " +
                                std::to_string(kStationOutlinePoints) + " and " + std::to_string(kCapacity));
    for (int i = 1; i <= nPts; ++i) ctrl_[static_cast<std::size_t>(i - 1)] = points[i];
}

SectionSamples SampleSection(int nPts, int order, const TPointBlock2& points)
{
    // Every station outline has the same six-point cubic basis.
    static const SamplingBasis& outlineBasis = SamplingBasisFor(kStationOutlinePoints, kOutlineOrder,
                                                                kSectionSamplesPerPoint * kStationOutlinePoints);
    if (nPts == kStationOutlinePoints && order == kOutlineOrder) return SectionSamples(outlineBasis, points);
    return SectionSamples(SamplingBasisFor(nPts, order, kSectionSamplesPerPoint * nPts), points);
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
    return Simpson11(HalfBreadthsAtLevels(samples, zLo, zHi), (zHi - zLo) * 0.1L);
}

Real48 SectionCentroid(const SectionSamples& samples, Real48 zLo, Real48 zHi)
{
    // One walk gives the half-breadths and the moments: the same samples reach the same levels.
    SimpsonOrdinates halfBreadths{};
    SimpsonOrdinates moments{};
    OrdinatesAtLevels(samples, zLo, zHi, [&](int k, const TPoint2r& p) {
        halfBreadths[k] = p.x;
        moments[k] = p.x * p.y;
    });
    const Real48 spacing = (zHi - zLo) * 0.1L;
    return Divide(Simpson11(moments, spacing), Simpson11(halfBreadths, spacing));
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
