#pragma once
#include <array>
#include <vector>

#include "numeric/Points.h"

namespace sloopform {

// A control point in extended precision: a along the first axis, b the second.
struct ExtendedPoint {
    long double a;
    long double b;
};

// A position and the tangent (derivative by the curve parameter) in the
// plane, in the curve's own double precision.
struct CurvePoint {
    double a;
    double b;
    double da;
    double db;
};

// One coordinate of a curve point and its derivative by the curve parameter,
// in the curve's own double precision: what a search along the curve reads
// at every step.
struct AxisPoint {
    double value;
    double slope;
};

// A planar B-spline on the open uniform knot vector with integer knots,
// evaluated between the samples: the same curve that the sampling rule cuts
// into segments, without the samples and without 6-byte rounding. Its
// polynomials are held and evaluated in double precision, 13 bits finer than
// the 6-byte control points they are made from; points and parameters pass in
// and out as extended values.
// The parameter runs from 0 to LastKnot(); the curve is one polynomial on each
// unit interval between consecutive knots. Each of them is kept as its Taylor
// expansions about the two ends of its interval, and a point is evaluated
// from the nearer end: the curve passes exactly through its end points and
// the knot values it shares with its neighbour.
class ExtendedBSpline {
public:
    static constexpr int kMaxOrder = 4;

    // Order 2 to kMaxOrder, at least as many control points as the order.
    ExtendedBSpline(int order, const std::vector<ExtendedPoint>& ctrl);
    // The first nPts points of a block.
    ExtendedBSpline(int nPts, int order, const TPointBlock2& ctrl);

    int LastKnot() const { return static_cast<int>(spans_.size()); }
    CurvePoint At(double t) const;
    // The parts of At that a caller often needs alone, evaluated the same way.
    ExtendedPoint PositionAt(long double t) const;
    AxisPoint AlongA(double t) const;
    AxisPoint AlongB(double t) const;
    // The largest first (second) coordinate over the whole curve: at the end
    // of a knot interval or where its slope is zero inside one.
    long double LargestA() const;
    long double LargestB() const;

private:
    // The polynomial of one knot interval about one of its ends:
    // a(t) = Σ A[k] (t - end)^k, b likewise, for the first `order` terms.
    struct Expansion {
        std::array<double, kMaxOrder> A{};
        std::array<double, kMaxOrder> B{};
    };
    struct Span {
        Expansion FromStart;
        Expansion FromEnd;
    };

    // The evaluation, on the expansion nearest to parameter t, at t's offset
    // from that end of its interval.
    template <typename Evaluation>
    auto Evaluate(double t, Evaluation evaluation) const;

    long double Largest(std::array<double, kMaxOrder> Expansion::*axis) const;

    int order_;
    std::vector<Span> spans_;
};

// Weights of the control points (the order of them that bear on a knot
// interval, first to last) in each Bézier point of the interval.
using BezierWeights =
    std::array<std::array<long double, ExtendedBSpline::kMaxOrder>, ExtendedBSpline::kMaxOrder>;

// For each knot interval of a curve of `order` with nPts control points, the
// weights of its Bézier points: control point span + j weighs [bezier][j].
std::vector<BezierWeights> BezierExtraction(int order, int nPts);

}  // namespace sloopform
