#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "analysis/ExtendedBSpline.h"
#include "numeric/BSpline.h"

using namespace sloopform;

namespace {

TPointBlock2 Wave(int n)
{
    TPointBlock2 points;
    for (int i = 1; i <= n; ++i) points[i] = {Real48(0.5L * i), Real48(std::sin(0.9L * i))};
    return points;
}

// The Cox-de Boor recursion of basis function j of the given order on the
// open uniform integer knot vector of a curve of nPts points and order
// `curveOrder`, straight from its definition.
long double Basis(int j, int order, long double t, int nPts, int curveOrder)
{
    const int last = nPts - curveOrder + 1;
    const auto knot = [&](int i) { return static_cast<long double>(std::clamp(i - curveOrder + 1, 0, last)); };
    if (order == 1) {
        const bool lastSpan = t == last && knot(j + 1) == last && knot(j) < last;
        return (knot(j) <= t && t < knot(j + 1)) || lastSpan ? 1 : 0;
    }
    long double value = 0;
    if (knot(j + order - 1) > knot(j))
        value += (t - knot(j)) / (knot(j + order - 1) - knot(j)) * Basis(j, order - 1, t, nPts, curveOrder);
    if (knot(j + order) > knot(j + 1))
        value += (knot(j + order) - t) / (knot(j + order) - knot(j + 1)) * Basis(j + 1, order - 1, t, nPts, curveOrder);
    return value;
}

}  // namespace

TEST(ExtendedBSpline, IsTheSumOfItsBasisFunctionsToTheLastBits)
{
    for (const auto& [nPts, order] : {std::pair{3, 3}, {6, 4}, {9, 4}, {5, 2}, {4, 4}}) {
        SCOPED_TRACE(std::to_string(nPts) + " points of order " + std::to_string(order));
        const TPointBlock2 ctrl = Wave(nPts);
        const ExtendedBSpline curve(nPts, order, ctrl);
        for (int i = 0; i <= 40; ++i) {
            const long double t = static_cast<long double>(curve.LastKnot()) * i / 40;
            long double a = 0, b = 0;
            for (int j = 0; j < nPts; ++j) {
                const long double weight = Basis(j, order, t, nPts, order);
                a += weight * ctrl[j + 1].x;
                b += weight * ctrl[j + 1].y;
            }
            // A few units of a double's last place.
            const long double unit = std::numeric_limits<double>::epsilon();
            EXPECT_NEAR(curve.At(t).a, a, 4 * unit * (1 + std::fabs(a))) << t;
            EXPECT_NEAR(curve.At(t).b, b, 4 * unit * (1 + std::fabs(b))) << t;
        }
    }
}

TEST(ExtendedBSpline, RunsOnAcrossItsKnotsFromEitherSide)
{
    // Just below a knot the point may be taken from the next interval's
    // start or this one's end: either way the same point and tangent.
    const ExtendedBSpline curve(9, 4, Wave(9));
    for (int knot = 1; knot < curve.LastKnot(); ++knot) {
        const long double k = knot;
        const CurvePoint at = curve.At(k), below = curve.At(std::nextafter(k, 0.0L));
        EXPECT_NEAR(below.a, at.a, 1e-17L) << knot;
        EXPECT_NEAR(below.b, at.b, 1e-17L) << knot;
        EXPECT_NEAR(below.db, at.db, 1e-15L) << knot;
    }
}

TEST(ExtendedBSpline, IsTheCurveTheSamplingRuleCutsIntoSegments)
{
    // The sampled points are the same curve rounded to 6 bytes.
    for (const auto& [nPts, order] : {std::pair{3, 3}, {6, 4}, {9, 4}, {5, 2}}) {
        SCOPED_TRACE(std::to_string(nPts) + " points of order " + std::to_string(order));
        const TPointBlock2 ctrl = Wave(nPts);
        const ExtendedBSpline curve(nPts, order, ctrl);
        const int m = 7 * nPts;
        const auto samples = SampleBSpline2d(nPts, order, ctrl, m);
        for (int i = 0; i < m; ++i) {
            const CurvePoint p = curve.At(static_cast<long double>(curve.LastKnot()) * i / (m - 1));
            EXPECT_NEAR(p.a, samples[static_cast<std::size_t>(i)].x, 1e-10);
            EXPECT_NEAR(p.b, samples[static_cast<std::size_t>(i)].y, 1e-10);
        }
        EXPECT_EQ(curve.At(0).b, ctrl[1].y);
        EXPECT_EQ(curve.At(curve.LastKnot()).a, ctrl[nPts].x);
    }
}

TEST(ExtendedBSpline, TangentIsTheDerivativeByTheParameter)
{
    const ExtendedBSpline curve(6, 4, Wave(6));
    const long double h = 1e-8L;
    for (long double t : {0.0L, 0.4L, 1.0L, 1.7L, 2.5L, 3.0L}) {
        const long double lo = std::max(0.0L, t - h), hi = std::min(3.0L, t + h);
        const CurvePoint p = curve.At(t);
        EXPECT_NEAR(p.da, (curve.At(hi).a - curve.At(lo).a) / (hi - lo), 1e-6) << t;
        EXPECT_NEAR(p.db, (curve.At(hi).b - curve.At(lo).b) / (hi - lo), 1e-6) << t;
    }
}

TEST(ExtendedBSpline, ThePartsOfAPointAreThoseOfTheWholePointToTheLastBit)
{
    for (const auto& [nPts, order] : {std::pair{3, 3}, {6, 4}, {9, 4}, {5, 2}}) {
        SCOPED_TRACE(std::to_string(nPts) + " points of order " + std::to_string(order));
        const ExtendedBSpline curve(nPts, order, Wave(nPts));
        // Past both ends too, where the curve holds its end points.
        for (int i = -3; i <= 43; ++i) {
            const long double t = static_cast<long double>(curve.LastKnot()) * i / 40;
            for (const long double u : {t, std::nextafter(t, 0.0L)}) {
                const CurvePoint whole = curve.At(u);
                const ExtendedPoint position = curve.PositionAt(u);
                const AxisPoint alongA = curve.AlongA(u), alongB = curve.AlongB(u);
                EXPECT_EQ(position.a, whole.a) << u;
                EXPECT_EQ(position.b, whole.b) << u;
                EXPECT_EQ(alongA.value, whole.a) << u;
                EXPECT_EQ(alongA.slope, whole.da) << u;
                EXPECT_EQ(alongB.value, whole.b) << u;
                EXPECT_EQ(alongB.slope, whole.db) << u;
            }
        }
        EXPECT_EQ(curve.PositionAt(-1).a, curve.At(0).a);
        EXPECT_EQ(curve.PositionAt(curve.LastKnot() + 1).b, curve.At(curve.LastKnot()).b);
    }
}

TEST(ExtendedBSpline, LargestFirstCoordinateIsTheTopOfTheCurveInsideASpanOrAtAnEnd)
{
    for (const auto& [nPts, order] : {std::pair{3, 3}, {6, 4}, {9, 4}, {5, 2}}) {
        SCOPED_TRACE(std::to_string(nPts) + " points of order " + std::to_string(order));
        // Swapped axes: the first coordinate swings out and back, as a section's half-breadth does.
        TPointBlock2 bulging = Wave(nPts);
        for (int i = 1; i <= nPts; ++i) std::swap(bulging[i].x, bulging[i].y);
        const ExtendedBSpline curve(nPts, order, bulging);
        constexpr int kSamples = 200000;
        long double densest = -1e30L;
        for (int i = 0; i <= kSamples; ++i)
            densest = std::max(densest, curve.PositionAt(static_cast<long double>(curve.LastKnot()) * i / kSamples).a);
        EXPECT_GE(curve.LargestA(), densest * (1 - 1e-15L));
        EXPECT_LE(curve.LargestA(), densest + 1e-9L);
        // The same top found on the second coordinate of the curve unswapped.
        EXPECT_EQ(ExtendedBSpline(nPts, order, Wave(nPts)).LargestB(), curve.LargestA());
    }
    // A first coordinate that only grows is largest at the curve's end, exactly.
    const ExtendedBSpline rising(6, 4, Wave(6));
    EXPECT_EQ(rising.LargestA(), rising.PositionAt(rising.LastKnot()).a);
}

TEST(ExtendedBSpline, RefusesAnOrderItCannotEvaluate)
{
    EXPECT_THROW(ExtendedBSpline(3, 4, Wave(3)), std::invalid_argument);
    EXPECT_THROW(ExtendedBSpline(6, 5, Wave(6)), std::invalid_argument);
    EXPECT_THROW(ExtendedBSpline(6, 1, Wave(6)), std::invalid_argument);
}
