#pragma once
#include <vector>

#include "numeric/Points.h"
#include "numeric/Real48.h"

namespace sloopform {

// The basis values of the sampling rule at each of its m parameters for one
// curve shape (number of control points and order). A curve's samples are its
// control points weighted by them, each coordinate accumulated from zero in a
// 6-byte real, control points ascending. A row keeps only the run of control
// points whose weight is not zero: the others would add exact zeros.
class SamplingBasis {
public:
    SamplingBasis(int nPts, int order, int m);

    int Samples() const { return static_cast<int>(rows_.size()); }
    int ControlPoints() const { return nPts_; }

    // Writes the Samples() samples of the curve to out[0..].
    void Sample(const TPointBlock2& ctrl, TPoint2r* out) const;
    void Sample(const TPointBlock3& ctrl, TPoint3r* out) const;

    // Sample i (0 <= i < Samples()) of the curve whose control points are
    // ctrl[0..ControlPoints() - 1].
    template <typename Point>
    Point SampleAt(int i, const Point* ctrl) const;

private:
    struct Row {
        int first;   // first control point of the run, from 1
        int count;   // length of the run
        int offset;  // of its first weight in weights_
    };

    int nPts_;
    std::vector<Row> rows_;
    std::vector<Real48> weights_;
};

// The basis of a curve shape and sample count, built on first use and kept for
// the rest of the program: the generator samples the same few shapes
// thousands of times per run, and the recursion would give the same values.
const SamplingBasis& SamplingBasisFor(int nPts, int order, int m);

template <typename Point>
Point SamplingBasis::SampleAt(int i, const Point* ctrl) const
{
    constexpr int kDims = sizeof(Point) / sizeof(Real48);
    const Row& row = rows_[static_cast<std::size_t>(i)];
    const Real48* weight = weights_.data() + row.offset;
    const Point* points = ctrl + (row.first - 1);
    // The coordinates side by side: their sums are independent, each still
    // taken over the control points in ascending order.
    Point sample{};
    for (int j = 0; j < row.count; ++j) {
        const long double w = weight[j];
        for (int c = 0; c < kDims; ++c) Coord(sample, c) = Coord(sample, c) + w * Coord(points[j], c);
    }
    return sample;
}

}  // namespace sloopform
