#pragma once
#include <array>
#include <vector>

#include "numeric/Points.h"
#include "numeric/Real48.h"

namespace sloopform {

// Samples per control point of a section curve when it is measured.
constexpr int kSectionSamplesPerPoint = 10;

// Body-plan points: x holds the half-breadth y, y holds the height z.
using SectionSamples = std::vector<TPoint2r>;
using SimpsonOrdinates = std::array<Real48, 11>;

// The basis values of the common sampling rule at each of m sample parameters.
// A curve's samples are its control points weighted by them, accumulated as the
// rule does; built once, the basis recursion is not repeated for every curve.
class SamplingBasis {
public:
    SamplingBasis(int nPts, int order, int m);
    SectionSamples Sample(const TPointBlock2& ctrl) const;

private:
    int nPts_;
    int m_;
    std::vector<Real48> weights_;  // m rows of nPts
};

// The section curve (y = half-breadth, z = height) sampled 10 times per control
// point by the common sampling rule; the control points are used as they are.
SectionSamples SampleSection(int nPts, int order, const TPointBlock2& points);

// Half-breadth where the curve first climbs through height z; 0 when it never does.
Real48 SectionHalfBreadthAt(const SectionSamples& samples, Real48 z);
// Area between the curve and the centre plane from zLo to zHi, one side.
Real48 SectionHalfArea(const SectionSamples& samples, Real48 zLo, Real48 zHi);
// Height of the centroid of that area.
Real48 SectionCentroid(const SectionSamples& samples, Real48 zLo, Real48 zHi);

// The same measures straight from a control polygon.
Real48 SectionHalfBreadthAt(int nPts, int order, const TPointBlock2& points, Real48 z);
Real48 SectionHalfArea(int nPts, int order, const TPointBlock2& points, Real48 zLo, Real48 zHi);
Real48 SectionCentroid(int nPts, int order, const TPointBlock2& points, Real48 zLo, Real48 zHi);

// Simpson's first rule over ten intervals of the given spacing.
Real48 Simpson11(const SimpsonOrdinates& y, Real48 spacing);

}  // namespace sloopform
