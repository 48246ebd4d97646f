#pragma once
#include <functional>
#include <vector>

#include "numeric/CurveSamples.h"
#include "numeric/Points.h"
#include "numeric/Real48.h"
#include "numeric/SamplingBasis.h"

namespace sloopform {

// Open uniform knot vector with integer knots: Knots[1..nPts+order].
TRealBlock BSplineKnots(int nPts, int order);
// Cox-de Boor basis values N[1..nPts] at parameter t, for a knot vector
// (values never decreasing) such as BSplineKnots gives.
void BSplineBasis(int order, long double t, int nPts, const TRealBlock& knots, TRealBlock& n);

// Chord-length parameters in [0, 1]; Params[nPts] is exactly 1.
TRealBlock ChordParams2d(int nPts, const TPointBlock2& points);
TRealBlock ChordParams3d(int nPts, const TPointBlock3& points);

// Control polygon whose curve passes through the data points (solved through
// the normal equations). A singular system or a zero chord length throws.
TPointBlock2 FitBSpline2d(int nPts, int order, const TPointBlock2& points);
TPointBlock3 FitBSpline3d(int nPts, int order, const TPointBlock3& points);

// The sampling rule: m samples at T_i = K i / (m - 1), each coordinate
// accumulated from zero in a 6-byte real. The first sample is the first
// control point, the last sample the last one.
std::vector<TPoint2r> SampleBSpline2d(int nPts, int order, const TPointBlock2& ctrl, int m);
std::vector<TPoint3r> SampleBSpline3d(int nPts, int order, const TPointBlock3& ctrl, int m);

// The same samples into a fixed-capacity array, for the generator's iterations.
template <int Capacity>
void SampleBSpline2d(int nPts, int order, const TPointBlock2& ctrl, int m,
                     CurveSamples<TPoint2r, Capacity>& samples)
{
    TPoint2r* out = samples.Resize(m);
    SamplingBasisFor(nPts, order, m).Sample(ctrl, out);
}
template <int Capacity>
void SampleBSpline3d(int nPts, int order, const TPointBlock3& ctrl, int m,
                     CurveSamples<TPoint3r, Capacity>& samples)
{
    TPoint3r* out = samples.Resize(m);
    SamplingBasisFor(nPts, order, m).Sample(ctrl, out);
}

// Orders of the curves of the hull.
constexpr int kQuadratic = 3;
constexpr int kCubic = 4;

// Samples per control point of the three users of the sampling rule.
constexpr int kScreenSamplesPerPoint = 5;
constexpr int kDxfSamplesPerPoint = 20;
constexpr int kGeneratorSamplesPerPoint = 50;

// Where straight segments of a curve go: a viewport or a DXF file.
class LineSink {
public:
    virtual ~LineSink() = default;
    virtual void Line3D(Real48 x1, Real48 y1, Real48 z1, Real48 x2, Real48 y2, Real48 z2) = 0;
};

// Plane selector of the planar curves: 1 (offset, a, b), 2 (a, offset, b),
// 3 (a, b, offset); any other value draws nothing.
enum CurvePlane { kPlaneStation = 1, kPlaneCentre = 2, kPlaneHorizontal = 3 };

void DrawBSpline2d(int nPts, int order, const TPointBlock2& ctrl, LineSink& target,
                   long double offset, int plane);
void DrawBSpline3d(int nPts, int order, const TPointBlock3& ctrl, LineSink& target);
void DxfBSpline2d(int nPts, int order, const TPointBlock2& ctrl, LineSink& file,
                  long double offset, int plane);
void DxfBSpline3d(int nPts, int order, const TPointBlock3& ctrl, LineSink& file);

}  // namespace sloopform
