#include "analysis/ExtendedBSpline.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <stdexcept>
#include <string>
#include <utility>

namespace sloopform {

namespace {

constexpr int kMax = ExtendedBSpline::kMaxOrder;

// Weights of the control points (the order of them that bear on a knot
// interval, first to last) in each Bézier point of the interval.
using BezierWeights = std::array<std::array<long double, kMax>, kMax>;

// The knot vector of nPts points: order zeros, 1 .. nPts - order, then the
// last knot repeated order times.
int Knot(int i, int order, int lastKnot) { return std::clamp(i - order + 1, 0, lastKnot); }

// The Bézier points of interval `span` are the curve's blossom with the
// interval's start and end as arguments, p - i and i times. De Boor's
// triangle run on the control points' weights instead of their coordinates,
// with one argument per level, gives them. The knots are integers, so every
// weight is a small rational.
std::vector<BezierWeights> ComputeExtraction(int order, int nPts)
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

// The extraction depends on the count of points and the order only; it is
// computed once for each and shared by every thread.
const std::vector<BezierWeights>& Extraction(int order, int nPts)
{
    static std::mutex guard;
    static std::map<std::pair<int, int>, std::vector<BezierWeights>> known;
    const std::lock_guard<std::mutex> lock(guard);
    auto found = known.find({order, nPts});
    if (found == known.end()) found = known.emplace(std::pair{order, nPts}, ComputeExtraction(order, nPts)).first;
    return found->second;
}

// Taylor coefficients of a Bézier polynomial of degree p (points q) about
// its start, f(u) = Σ c_k u^k, and about its end, f(1 + v) = Σ e_k v^k:
// c_k = C(p, k) Δ^k q_0 and e_k = C(p, k) ∇^k q_p.
void Expand(int p, std::array<long double, kMax> q, std::array<long double, kMax>& start,
            std::array<long double, kMax>& end)
{
    static constexpr long double kBinomial[kMax][kMax] = {{1}, {1, 1}, {1, 2, 1}, {1, 3, 3, 1}};
    for (int k = 0; k <= p; ++k) {
        start[k] = kBinomial[p][k] * q[0];
        end[k] = kBinomial[p][k] * q[p - k];
        for (int j = 0; j < p - k; ++j) q[j] = q[j + 1] - q[j];  // the next differences
    }
}

std::vector<ExtendedPoint> FirstPoints(int nPts, const TPointBlock2& ctrl)
{
    TPointBlock2::RequireFits(nPts, "B-spline control points");
    std::vector<ExtendedPoint> points;
    for (int j = 1; j <= nPts; ++j) points.push_back({ctrl[j].x, ctrl[j].y});
    return points;
}

long double Horner(const std::array<long double, kMax>& c, int order, long double x)
{
    long double value = c[static_cast<std::size_t>(order - 1)];
    for (int k = order - 2; k >= 0; --k) value = value * x + c[static_cast<std::size_t>(k)];
    return value;
}

long double HornerSlope(const std::array<long double, kMax>& c, int order, long double x)
{
    long double slope = (order - 1) * c[static_cast<std::size_t>(order - 1)];
    for (int k = order - 2; k >= 1; --k) slope = slope * x + k * c[static_cast<std::size_t>(k)];
    return slope;
}

}  // namespace

ExtendedBSpline::ExtendedBSpline(int order, const std::vector<ExtendedPoint>& ctrl) : order_(order)
{
    const int nPts = static_cast<int>(ctrl.size());
    if (order < 2 || order > kMaxOrder || nPts < order)
        throw std::invalid_argument("B-spline of " + std::to_string(nPts) +
                                    " control points cannot have order " + std::to_string(order));
    const int p = order - 1;
    const std::vector<BezierWeights>& extraction = Extraction(order, nPts);
    spans_.resize(extraction.size());
    for (std::size_t span = 0; span < extraction.size(); ++span) {
        std::array<long double, kMax> a{}, b{};
        for (int bezier = 0; bezier <= p; ++bezier)
            for (int j = 0; j <= p; ++j) {
                const long double w = extraction[span][static_cast<std::size_t>(bezier)][static_cast<std::size_t>(j)];
                if (w == 0) continue;  // keeps the end points exact
                const ExtendedPoint& point = ctrl[span + static_cast<std::size_t>(j)];
                a[static_cast<std::size_t>(bezier)] += w * point.a;
                b[static_cast<std::size_t>(bezier)] += w * point.b;
            }
        Span& piece = spans_[span];
        Expand(p, a, piece.FromStart.A, piece.FromEnd.A);
        Expand(p, b, piece.FromStart.B, piece.FromEnd.B);
    }
}

ExtendedBSpline::ExtendedBSpline(int nPts, int order, const TPointBlock2& ctrl)
    : ExtendedBSpline(order, FirstPoints(nPts, ctrl))
{
}

CurvePoint ExtendedBSpline::At(long double t) const
{
    const int lastKnot = LastKnot();
    t = std::clamp(t, 0.0L, static_cast<long double>(lastKnot));
    // The end of the range belongs to the last interval. Truncated as a
    // double: an extended truncation switches the rounding mode, which costs
    // more than the rest of the evaluation; a t that rounds up to the next
    // knot is evaluated there from its start, just as well.
    const int span = std::min(static_cast<int>(static_cast<double>(t)), lastKnot - 1);
    long double x = t - span;
    const Span& piece = spans_[static_cast<std::size_t>(span)];
    const Expansion* expansion = &piece.FromStart;
    if (x > 0.5L) {
        expansion = &piece.FromEnd;
        x -= 1;
    }
    return {Horner(expansion->A, order_, x), Horner(expansion->B, order_, x), HornerSlope(expansion->A, order_, x),
            HornerSlope(expansion->B, order_, x)};
}

}  // namespace sloopform
