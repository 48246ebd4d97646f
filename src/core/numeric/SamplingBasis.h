#pragma once
#include <cstring>
#include <type_traits>
#include <vector>

#include "numeric/Points.h"
#include "numeric/Real48.h"
#include "numeric/SampleLanes.h"

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

    // Samples begin, begin + 1, ... of that curve into out[begin..], at least
    // up to end - 1 and at most up to Samples() - 1: where the processor
    // allows, whole groups of four at once. Returns one past the last made.
    template <typename Point>
    int SampleFrom(int begin, int end, const Point* ctrl, Point* out) const;

private:
    struct Row {
        int first;   // first control point of the run, from 1
        int count;   // length of the run
        int offset;  // of its first weight in weights_
    };

    static constexpr int kMaxControlPoints = TRealBlock::Capacity();

    // Samples 4q..4q + 3 side by side over the control points their rows
    // span together: step j of lane l adds quadWeights_[offset + 4j + l] times
    // control point first + j, a zero outside the lane's own row (which
    // changes nothing, neither before the row's first point nor after its last).
    struct Quad {
        int first;  // from 1
        int steps;
        int offset;
    };

    int nPts_;
    std::vector<Row> rows_;
    std::vector<Real48> weights_;
    std::vector<Quad> quads_;
    std::vector<double> quadWeights_;
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

template <typename Point>
int SamplingBasis::SampleFrom(int begin, int end, const Point* ctrl, Point* out) const
{
    constexpr int kDims = sizeof(Point) / sizeof(Real48);
    static_assert(sizeof(Point) == kDims * sizeof(double) && std::is_trivially_copyable_v<Point>,
                  "a point must be its coordinates' doubles side by side");
    int i = begin;
    if (SampleLanesAvailable()) {
        for (; i % 4 != 0 && i < end; ++i) out[i] = SampleAt(i, ctrl);
        if (i < end && i / 4 < static_cast<int>(quads_.size())) {
            double coords[kDims * kMaxControlPoints];
            std::memcpy(coords, ctrl, sizeof(Point) * static_cast<std::size_t>(nPts_));
            for (; i < end && i / 4 < static_cast<int>(quads_.size()); i += 4) {
                const Quad& quad = quads_[static_cast<std::size_t>(i / 4)];
                double sums[4 * kDims];
                SumFourSamples<kDims>(quad.steps, quadWeights_.data() + quad.offset,
                                      coords + (quad.first - 1) * kDims, sums);
                std::memcpy(out + i, sums, sizeof sums);
            }
        }
    }
    for (; i < end; ++i) out[i] = SampleAt(i, ctrl);
    return i;
}

}  // namespace sloopform
