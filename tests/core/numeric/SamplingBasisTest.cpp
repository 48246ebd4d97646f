// The sampling rule on stored basis rows and the basis recursion on its
// nonzero band must give exactly what the full recursion and the full sums
// give: every generated hull depends on these bits.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <stdexcept>
#include <utility>
#include <vector>

#include "numeric/ArithmeticFault.h"
#include "numeric/BSpline.h"
#include "numeric/SamplingBasis.h"

using namespace sloopform;

namespace {

// The Cox-de Boor recursion over every entry, as the curve description gives it.
std::vector<Real48> FullBasis(int order, long double t, int nPts, const TRealBlock& knots)
{
    const int count = nPts + order;
    std::vector<Real48> temp(static_cast<std::size_t>(count + 1));
    for (int i = 1; i <= count - 1; ++i) temp[i] = (knots[i] <= t && t < knots[i + 1]) ? 1 : 0;
    for (int k = 2; k <= order; ++k)
        for (int i = 1; i <= count - k; ++i) {
            const Real48 d =
                temp[i] != 0 ? Divide((t - knots[i]) * temp[i], knots[i + k - 1] - knots[i]) : 0.0L;
            const Real48 e = temp[i + 1] != 0
                                 ? Divide((knots[i + k] - t) * temp[i + 1], knots[i + k] - knots[i + 1])
                                 : 0.0L;
            temp[i] = d + e;
        }
    if (t == knots[count]) temp[nPts] = 1;
    return temp;
}

// Sample i of m by the rule: every control point weighted, ascending, from zero.
template <typename Point, typename Block>
Point FullSample(int nPts, int order, const Block& ctrl, int m, int i)
{
    const TRealBlock knots = BSplineKnots(nPts, order);
    const Real48 t = Divide(knots[nPts + order] * i, m - 1);
    const std::vector<Real48> n = FullBasis(order, t, nPts, knots);
    Point p{};
    for (int c = 0; c < static_cast<int>(sizeof(Point) / sizeof(Real48)); ++c) {
        Real48 sum = 0;
        for (int j = 1; j <= nPts; ++j) sum = sum + n[j] * Coord(ctrl[j], c);
        Coord(p, c) = sum;
    }
    return p;
}

template <typename Block>
Block RandomPolygon(int n, std::mt19937_64& random)
{
    std::uniform_real_distribution<double> coordinate(-30.0, 30.0);
    Block block;
    for (int i = 1; i <= n; ++i)
        for (int c = 0; c < static_cast<int>(sizeof(block[1]) / sizeof(Real48)); ++c)
            Coord(block[i], c) = coordinate(random);
    return block;
}

struct Shape {
    int nPts, order, m;
};

// The curves of the generator, the screen and the DXF file, and some others.
const Shape kShapes[] = {{20, 4, 1000}, {3, 3, 150}, {9, 4, 450}, {6, 4, 60}, {5, 3, 50},
                         {23, 4, 460},  {6, 4, 30}, {4, 4, 40},  {22, 3, 220}, {30, 4, 77}};

}  // namespace

TEST(BSplineBasis, EqualsTheFullRecursionBitForBit)
{
    std::mt19937_64 random(22);
    for (const Shape& shape : kShapes) {
        const TRealBlock knots = BSplineKnots(shape.nPts, shape.order);
        const long double last = knots[shape.nPts + shape.order];
        std::vector<long double> ts = {0, last, -0.5L, last + 0.5L, last / 3};
        for (int k = 0; k <= last; ++k) ts.push_back(k);  // on the knots
        std::uniform_real_distribution<long double> inside(0, last);
        for (int i = 0; i < 200; ++i) ts.push_back(Real48(inside(random)));
        TRealBlock n;
        for (long double t : ts) {
            BSplineBasis(shape.order, t, shape.nPts, knots, n);
            const std::vector<Real48> expected = FullBasis(shape.order, t, shape.nPts, knots);
            for (int j = 1; j <= shape.nPts; ++j)
                ASSERT_EQ(n[j].Value(), expected[j].Value())
                    << shape.nPts << " points, order " << shape.order << ", t " << static_cast<double>(t)
                    << ", N" << j;
        }
    }
}

TEST(SamplingRule, StoredRowsGiveTheFullSumsBitForBit)
{
    std::mt19937_64 random(19);
    for (const Shape& shape : kShapes) {
        SCOPED_TRACE(::testing::Message() << shape.nPts << " points, order " << shape.order << ", "
                                          << shape.m << " samples");
        const auto ctrl2 = RandomPolygon<TPointBlock2>(shape.nPts, random);
        const auto samples2 = SampleBSpline2d(shape.nPts, shape.order, ctrl2, shape.m);
        CurveSamples<TPoint2r, 1000> fixed;
        SampleBSpline2d(shape.nPts, shape.order, ctrl2, shape.m, fixed);
        ASSERT_EQ(samples2.size(), static_cast<std::size_t>(shape.m));
        ASSERT_EQ(fixed.size(), samples2.size());
        for (int i = 0; i < shape.m; ++i) {
            const auto expected = FullSample<TPoint2r>(shape.nPts, shape.order, ctrl2, shape.m, i);
            ASSERT_EQ(samples2[i].x.Value(), expected.x.Value()) << i;
            ASSERT_EQ(samples2[i].y.Value(), expected.y.Value()) << i;
            ASSERT_EQ(fixed[i].x.Value(), expected.x.Value()) << i;
            ASSERT_EQ(fixed[i].y.Value(), expected.y.Value()) << i;
        }
        const auto ctrl3 = RandomPolygon<TPointBlock3>(shape.nPts, random);
        const auto samples3 = SampleBSpline3d(shape.nPts, shape.order, ctrl3, shape.m);
        for (int i = 0; i < shape.m; ++i) {
            const auto expected = FullSample<TPoint3r>(shape.nPts, shape.order, ctrl3, shape.m, i);
            ASSERT_EQ(samples3[i].x.Value(), expected.x.Value()) << i;
            ASSERT_EQ(samples3[i].y.Value(), expected.y.Value()) << i;
            ASSERT_EQ(samples3[i].z.Value(), expected.z.Value()) << i;
        }
    }
}

TEST(SamplingRule, SamplesMadeFromAnyPointOnEqualTheRule)
{
    // Section measures make samples as they read them, from wherever they stopped.
    std::mt19937_64 random(7);
    const SamplingBasis& basis = SamplingBasisFor(6, 4, 60);
    const auto ctrl = RandomPolygon<TPointBlock2>(6, random);
    for (const auto& [begin, end] : {std::pair{0, 1}, {3, 5}, {5, 13}, {57, 60}, {16, 60}}) {
        TPoint2r out[60]{};
        const int made = basis.SampleFrom(begin, end, &ctrl[1], out);
        EXPECT_GE(made, end);
        EXPECT_LE(made, basis.Samples());
        for (int i = begin; i < made; ++i) {
            const TPoint2r expected = basis.SampleAt(i, &ctrl[1]);
            ASSERT_EQ(out[i].x.Value(), expected.x.Value()) << begin << " to " << end << ", sample " << i;
            ASSERT_EQ(out[i].y.Value(), expected.y.Value()) << begin << " to " << end << ", sample " << i;
        }
    }
}

TEST(SamplingRule, KeepsTheLimitsAndFaultsOfTheRule)
{
    const TPointBlock2 ctrl{};
    CurveSamples<TPoint2r, 60> samples;
    EXPECT_THROW(SampleBSpline2d(6, 4, ctrl, 61, samples), std::length_error);
    EXPECT_NO_THROW(SampleBSpline2d(6, 4, ctrl, 60, samples));
    EXPECT_EQ(samples.size(), 60u);
    // One sample divides 0 by 0, with or without a stored basis.
    EXPECT_THROW(SampleBSpline2d(6, 4, ctrl, 1), InvalidOperation);
    EXPECT_THROW(SampleBSpline2d(6, 4, ctrl, 1), InvalidOperation);
    EXPECT_TRUE(SampleBSpline2d(6, 4, ctrl, 0).empty());
    EXPECT_THROW(SampleBSpline3d(31, 4, TPointBlock3{}, 40), std::length_error);
    EXPECT_THROW(SampleBSpline2d(97, 4, ctrl, 40), std::length_error);
    // The same shape and count share one stored basis.
    EXPECT_EQ(&SamplingBasisFor(6, 4, 60), &SamplingBasisFor(6, 4, 60));
    EXPECT_NE(&SamplingBasisFor(6, 4, 60), &SamplingBasisFor(6, 4, 30));
}
