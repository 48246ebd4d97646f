#include "analysis/ExtendedBSpline.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>

namespace sloopform {

namespace {

// The knots are integers, so the de Boor weights divide by 1 .. order - 1 only.
constexpr long double kReciprocal[ExtendedBSpline::kMaxOrder] = {0, 1, 1.0L / 2, 1.0L / 3};

std::vector<ExtendedPoint> FirstPoints(int nPts, const TPointBlock2& ctrl)
{
    TPointBlock2::RequireFits(nPts, "B-spline control points");
    std::vector<ExtendedPoint> points;
    for (int j = 1; j <= nPts; ++j) points.push_back({ctrl[j].x, ctrl[j].y});
    return points;
}

}  // namespace

ExtendedBSpline::ExtendedBSpline(int order, std::vector<ExtendedPoint> ctrl)
    : order_(order), ctrl_(std::move(ctrl))
{
    const int nPts = static_cast<int>(ctrl_.size());
    if (order < 2 || order > kMaxOrder || nPts < order)
        throw std::invalid_argument("B-spline of " + std::to_string(nPts) +
                                    " control points cannot have order " + std::to_string(order));
    lastKnot_ = nPts - order + 1;
    // Order zeros, 1 .. nPts - order, then the last knot repeated order times.
    for (int i = 0; i < nPts + order; ++i)
        knots_.push_back(std::clamp(i - order + 1, 0, lastKnot_));
}

ExtendedBSpline::ExtendedBSpline(int nPts, int order, const TPointBlock2& ctrl)
    : ExtendedBSpline(order, FirstPoints(nPts, ctrl))
{
}

CurvePoint ExtendedBSpline::At(long double t) const
{
    const int p = order_ - 1;
    t = std::clamp(t, 0.0L, static_cast<long double>(lastKnot_));
    // Knot span [knots_[i], knots_[i+1]) holding t; the end of the range
    // belongs to the last span.
    const int span = std::min(static_cast<int>(t), lastKnot_ - 1);
    const int i = span + p;

    // De Boor's triangle. The two points of the last but one level give the
    // tangent; the last level gives the position.
    ExtendedPoint d[kMaxOrder];
    for (int j = 0; j <= p; ++j) d[j] = ctrl_[static_cast<std::size_t>(j + i - p)];
    CurvePoint point{};
    for (int r = 1; r <= p; ++r) {
        if (r == p) {  // the span is one unit long
            point.da = p * (d[p].a - d[p - 1].a);
            point.db = p * (d[p].b - d[p - 1].b);
        }
        for (int j = p; j >= r; --j) {
            const int lo = knots_[static_cast<std::size_t>(j + i - p)];
            const int hi = knots_[static_cast<std::size_t>(j + 1 + i - r)];
            const long double alpha = (t - lo) * kReciprocal[static_cast<std::size_t>(hi - lo)];
            d[j] = {(1 - alpha) * d[j - 1].a + alpha * d[j].a,
                    (1 - alpha) * d[j - 1].b + alpha * d[j].b};
        }
    }
    point.a = d[p].a;
    point.b = d[p].b;
    return point;
}

}  // namespace sloopform
