#include "analysis/ExtendedBSpline.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <mutex>
#include <stdexcept>
#include <string>
#include <utility>

namespace sloopform {

namespace {

constexpr int kMax = ExtendedBSpline::kMaxOrder;

// The same weights without the zeros, which keep the end points exact: a
// Bézier point is the sum of `count` weighted control points, `point` counted
// from the interval's first.
struct BezierSum {
    int count = 0;
    std::array<std::size_t, kMax> point{};
    std::array<double, kMax> weight{};
};
using BezierSums = std::array<BezierSum, kMax>;

std::vector<BezierSums> WithoutZeros(const std::vector<BezierWeights>& spans)
{
    std::vector<BezierSums> sums(spans.size());
    for (std::size_t span = 0; span < spans.size(); ++span)
        for (std::size_t bezier = 0; bezier < kMax; ++bezier)
            for (std::size_t j = 0; j < kMax; ++j) {
                const long double w = spans[span][bezier][j];
                if (w == 0) continue;
                BezierSum& sum = sums[span][bezier];
                sum.point[static_cast<std::size_t>(sum.count)] = j;
                sum.weight[static_cast<std::size_t>(sum.count)] = w;
                ++sum.count;
            }
    return sums;
}

// The knot vector of nPts points: order zeros, 1 .. nPts - order, then the
// last knot repeated order times.
int Knot(int i, int order, int lastKnot) { return std::clamp(i - order + 1, 0, lastKnot); }

}  // namespace

// The Bézier points of interval `span` are the curve's blossom with the
// interval's start and end as arguments, p - i and i times. De Boor's
// triangle run on the control points' weights instead of their coordinates,
// with one argument per level, gives them. The knots are integers, so every
// weight is a small rational.
std::vector<BezierWeights> BezierExtraction(int order, int nPts)
{
    const int p = order - 1;
    const int lastKnot = nPts - order + 1;
    std::vector<BezierWeights> spans(static_cast<std::size_t>(lastKnot));
    for (int span = 0; span < lastKnot; ++span) {
        const int i = span + p;
        for (int bezier = 0; bezier <= p; ++bezier) {
            std::array<std::array<long double, kMax>, kMax> d{};
            for (int j = 0; j <= p; ++j) d[j][j] = 1;
            for (int r = 1; r <= p; ++r) {
                const long double argument = r <= p - bezier ? span : span + 1;
                for (int j = p; j >= r; --j) {
                    const int lo = Knot(j + i - p, order, lastKnot);
                    const int hi = Knot(j + 1 + i - r, order, lastKnot);
                    const long double alpha = (argument - lo) / (hi - lo);
                    for (int c = 0; c <= p; ++c) d[j][c] = (1 - alpha) * d[j - 1][c] + alpha * d[j][c];
                }
            }
            spans[static_cast<std::size_t>(span)][static_cast<std::size_t>(bezier)] = d[p];
        }
    }
    return spans;
}

namespace {

// The extraction depends on the count of points and the order only; it is
// computed once for each and shared by every thread. Each thread remembers
// the last one it used, since curves come in runs of the same shape.
const std::vector<BezierSums>& Extraction(int order, int nPts)
{
    struct Last {
        int order = 0;
        int nPts = 0;
        const std::vector<BezierSums>* weights = nullptr;
    };
    thread_local Last last;
    if (last.weights && last.order == order && last.nPts == nPts) return *last.weights;
    static std::mutex guard;
    static std::map<std::pair<int, int>, std::vector<BezierSums>> known;
    const std::lock_guard<std::mutex> lock(guard);
    auto found = known.find({order, nPts});
    if (found == known.end()) found = known.emplace(std::pair{order, nPts}, WithoutZeros(BezierExtraction(order, nPts))).first;
    last = {order, nPts, &found->second};
    return found->second;
}

// Taylor coefficients of a Bézier polynomial of degree p (points q) about
// its start, f(u) = Σ c_k u^k, and about its end, f(1 + v) = Σ e_k v^k:
// c_k = C(p, k) Δ^k q_0 and e_k = C(p, k) ∇^k q_p. The differences are
// taken in q itself, which the caller no longer needs, rather than in a copy.
template <int P>
void Expand(std::array<double, kMax>& q, std::array<double, kMax>& start,
            std::array<double, kMax>& end)
{
    static constexpr double kBinomial[kMax][kMax] = {{1}, {1, 1}, {1, 2, 1}, {1, 3, 3, 1}};
    for (int k = 0; k <= P; ++k) {
        start[k] = kBinomial[P][k] * q[0];
        end[k] = kBinomial[P][k] * q[P - k];
        for (int j = 0; j < P - k; ++j) q[j] = q[j + 1] - q[j];  // the next differences
    }
}

// A control point as the polynomials take it.
struct PlanePoint {
    double a;
    double b;
};

// The expansions of every knot interval of a curve of degree P: the Bézier
// points from the extraction, then their Taylor coefficients; control point i
// (from 0) is pointAt(i). The degree is a constant here, so that the short
// loops over it unroll.
template <int P, typename PointAt, typename Span>
void BuildSpans(const std::vector<BezierSums>& extraction, const PointAt& pointAt, std::vector<Span>& spans)
{
    spans.resize(extraction.size());
    for (std::size_t span = 0; span < extraction.size(); ++span) {
        std::array<double, kMax> a{}, b{};
        for (std::size_t bezier = 0; bezier <= static_cast<std::size_t>(P); ++bezier) {
            const BezierSum& sum = extraction[span][bezier];
            for (std::size_t k = 0; k < static_cast<std::size_t>(sum.count); ++k) {
                const PlanePoint point = pointAt(span + sum.point[k]);
                a[bezier] += sum.weight[k] * point.a;
                b[bezier] += sum.weight[k] * point.b;
            }
        }
        Span& piece = spans[span];
        Expand<P>(a, piece.FromStart.A, piece.FromEnd.A);
        Expand<P>(b, piece.FromStart.B, piece.FromEnd.B);
    }
}

template <typename PointAt, typename Span>
void BuildCurve(int order, int nPts, const PointAt& pointAt, std::vector<Span>& spans)
{
    if (order < 2 || order > kMax || nPts < order)
        throw std::invalid_argument("B-spline of " + std::to_string(nPts) +
                                    " control points cannot have order " + std::to_string(order));
    const std::vector<BezierSums>& extraction = Extraction(order, nPts);
    switch (order - 1) {
    case 1: BuildSpans<1>(extraction, pointAt, spans); break;
    case 2: BuildSpans<2>(extraction, pointAt, spans); break;
    default: BuildSpans<3>(extraction, pointAt, spans); break;
    }
}

// Cubics, nearly every curve here, are written out: the same steps in the
// same order as the loop, without its count.
double Horner(const std::array<double, kMax>& c, int order, double x)
{
    if (order == kMax) return ((c[3] * x + c[2]) * x + c[1]) * x + c[0];
    double value = c[static_cast<std::size_t>(order - 1)];
    for (int k = order - 2; k >= 0; --k) value = value * x + c[static_cast<std::size_t>(k)];
    return value;
}

double HornerSlope(const std::array<double, kMax>& c, int order, double x)
{
    if (order == kMax) return (3 * c[3] * x + 2 * c[2]) * x + c[1];
    double slope = (order - 1) * c[static_cast<std::size_t>(order - 1)];
    for (int k = order - 2; k >= 1; --k) slope = slope * x + k * c[static_cast<std::size_t>(k)];
    return slope;
}

// Where a polynomial of at most cubic degree (coefficients c about the start
// of the unit interval) has zero slope inside the interval: up to two places.
struct Stationary {
    int count = 0;
    std::array<long double, 2> x{};

    void AddIfInside(long double root)
    {
        if (root > 0 && root < 1) x[static_cast<std::size_t>(count++)] = root;
    }
};

Stationary StationaryPoints(const std::array<double, kMax>& c, int order)
{
    // c1 + 2 c2 x + 3 c3 x² = 0
    const long double a = order > 3 ? 3 * c[3] : 0, b = order > 2 ? 2 * c[2] : 0, k = c[1];
    Stationary points;
    if (a == 0) {
        if (b != 0) points.AddIfInside(-k / b);
        return points;
    }
    const long double discriminant = b * b - 4 * a * k;
    if (discriminant < 0) return points;
    // The root of the larger magnitude first, the other from their product.
    const long double q = -0.5L * (b + std::copysign(std::sqrt(discriminant), b));
    points.AddIfInside(q / a);
    if (q != 0) points.AddIfInside(k / q);
    return points;
}

}  // namespace

ExtendedBSpline::ExtendedBSpline(int order, const std::vector<ExtendedPoint>& ctrl) : order_(order)
{
    BuildCurve(
        order, static_cast<int>(ctrl.size()),
        [&](std::size_t i) { return PlanePoint{static_cast<double>(ctrl[i].a), static_cast<double>(ctrl[i].b)}; },
        spans_);
}

ExtendedBSpline::ExtendedBSpline(int nPts, int order, const TPointBlock2& ctrl) : order_(order)
{
    TPointBlock2::RequireFits(nPts, "B-spline control points");
    BuildCurve(
        order, nPts,
        [&](std::size_t i) {
            const TPoint2r& point = ctrl[static_cast<int>(i) + 1];
            return PlanePoint{point.x.Value(), point.y.Value()};
        },
        spans_);
}

template <typename Evaluation>
auto ExtendedBSpline::Evaluate(double t, Evaluation evaluation) const
{
    // The end of the range belongs to the last interval.
    const std::size_t last = spans_.size() - 1;
    std::size_t span = 0;
    double x = 0;
    if (t > 0) {
        span = std::min(static_cast<std::size_t>(t), last);
        x = std::min(t - static_cast<double>(span), 1.0);
    }
    const Span& piece = spans_[span];
    if (x > 0.5) return evaluation(piece.FromEnd, x - 1);
    return evaluation(piece.FromStart, x);
}

CurvePoint ExtendedBSpline::At(double t) const
{
    return Evaluate(t, [this](const Expansion& e, double x) {
        return CurvePoint{Horner(e.A, order_, x), Horner(e.B, order_, x), HornerSlope(e.A, order_, x),
                          HornerSlope(e.B, order_, x)};
    });
}

ExtendedPoint ExtendedBSpline::PositionAt(long double t) const
{
    return Evaluate(static_cast<double>(t), [this](const Expansion& e, double x) {
        return ExtendedPoint{Horner(e.A, order_, x), Horner(e.B, order_, x)};
    });
}

AxisPoint ExtendedBSpline::AlongA(double t) const
{
    return Evaluate(t, [this](const Expansion& e, double x) {
        return AxisPoint{Horner(e.A, order_, x), HornerSlope(e.A, order_, x)};
    });
}

AxisPoint ExtendedBSpline::AlongB(double t) const
{
    return Evaluate(t, [this](const Expansion& e, double x) {
        return AxisPoint{Horner(e.B, order_, x), HornerSlope(e.B, order_, x)};
    });
}

long double ExtendedBSpline::Largest(std::array<double, kMaxOrder> Expansion::*axis) const
{
    double largest = (spans_.front().FromStart.*axis)[0];
    for (const Span& span : spans_) {
        largest = std::max(largest, (span.FromEnd.*axis)[0]);
        const Stationary stationary = StationaryPoints(span.FromStart.*axis, order_);
        for (int i = 0; i < stationary.count; ++i)
            largest = std::max(largest, Horner(span.FromStart.*axis, order_,
                                               static_cast<double>(stationary.x[static_cast<std::size_t>(i)])));
    }
    return largest;
}

long double ExtendedBSpline::LargestA() const { return Largest(&Expansion::A); }
long double ExtendedBSpline::LargestB() const { return Largest(&Expansion::B); }

}  // namespace sloopform
