#pragma once
#include <vector>

#include "numeric/Points.h"

namespace sloopform {

// A control point in extended precision: a along the first axis, b the second.
struct ExtendedPoint {
    long double a;
    long double b;
};

// A position and the tangent (derivative by the curve parameter) in the plane.
struct CurvePoint {
    long double a;
    long double b;
    long double da;
    long double db;
};

// A planar B-spline on the open uniform knot vector with integer knots,
// evaluated exactly in extended precision: the same curve that the sampling
// rule cuts into segments, without the samples and without 6-byte rounding.
// The parameter runs from 0 to LastKnot(); the curve is one polynomial on each
// unit interval between consecutive knots.
class ExtendedBSpline {
public:
    static constexpr int kMaxOrder = 4;

    // Order 2 to kMaxOrder, at least as many control points as the order.
    ExtendedBSpline(int order, std::vector<ExtendedPoint> ctrl);
    // The first nPts points of a block.
    ExtendedBSpline(int nPts, int order, const TPointBlock2& ctrl);

    int LastKnot() const { return lastKnot_; }
    CurvePoint At(long double t) const;

private:
    int order_;
    int lastKnot_ = 0;
    std::vector<int> knots_;  // 0-based: nPts + order values
    std::vector<ExtendedPoint> ctrl_;
};

}  // namespace sloopform
