#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "analysis/ImmersedSection.h"
#include "numeric/BSpline.h"
#include "numeric/Geometry.h"

using namespace sloopform;

namespace {

constexpr long double kRelative = 1e-4L;  // 0.01 %

// A cubic whose control points are given as (half-breadth, height).
ExtendedBSpline Cubic(std::vector<ExtendedPoint> points)
{
    return ExtendedBSpline(kCubic, std::move(points));
}

// A quarter circle of radius r about (0, c) from the keel (0, c - r), carried on
// past the waterline at z = c, as an interpolating curve through 25 points.
ExtendedBSpline CircleArc(long double r, long double c)
{
    TPointBlock2 points;
    const int n = 25;
    for (int i = 0; i < n; ++i) {
        const long double angle = -kPi / 2 + (kPi / 2 + 0.4L) * i / (n - 1);
        points[i + 1] = {Real48(r * std::cos(angle)), Real48(c + r * std::sin(angle))};
    }
    return ExtendedBSpline(n, kCubic, FitBSpline2d(n, kCubic, points));
}

struct ShapeCase {
    const char* name;
    std::function<ExtendedBSpline()> curve;
    long double level;
    ImmersedSection expected;
};

void ExpectRelative(long double actual, long double expected, const char* what)
{
    EXPECT_NEAR(actual, expected, kRelative * std::fabs(expected)) << what;
}

}  // namespace

TEST(ImmersedSection, ExactShapesGiveTheirAnalyticMeasures)
{
    // b = half-breadth, t = depth below the level, keel at height k.
    const long double b = 1.2L, t = 0.7L, k = 0.25L, r = 0.9L;
    const std::vector<ShapeCase> cases = {
        // A tripled control point makes a sharp corner: bottom, then a vertical side.
        {"rectangle",
         [=] { return Cubic({{0, k}, {0, k}, {b, k}, {b, k}, {b, k}, {b, k + 2 * t}}); },
         k + t,
         {b, b * t, b * t * (k + t / 2), b + t}},
        // Collinear control points make a straight V from the keel.
        {"triangle",
         [=] {
             return Cubic({{0, k}, {0, k}, {b / 3, k + t / 3}, {b, k + t},
                           {1.5L * b, k + 1.5L * t}, {2 * b, k + 2 * t}});
         },
         k + t,
         {b, b * t / 2, b * t / 2 * (k + 2 * t / 3), std::hypot(b, t)}},
        {"quarter circle", [=] { return CircleArc(r, k + r); }, k + r,
         {r, kPi * r * r / 4, kPi * r * r / 4 * (k + r - 4 * r / (3 * kPi)), kPi * r / 2}},
    };
    for (const ShapeCase& c : cases) {
        SCOPED_TRACE(c.name);
        const auto measured = MeasureImmersedSection(c.curve(), c.level);
        ASSERT_TRUE(measured);
        ExpectRelative(measured->HalfBreadth, c.expected.HalfBreadth, "half-breadth");
        ExpectRelative(measured->HalfArea, c.expected.HalfArea, "area");
        ExpectRelative(measured->AreaMoment, c.expected.AreaMoment, "moment");
        ExpectRelative(measured->HalfGirth, c.expected.HalfGirth, "girth");
    }
}

TEST(ImmersedSection, CurvesThatMissTheLevelHaveNoImmersedPart)
{
    const ExtendedBSpline low =
        Cubic({{0, 0}, {0.5L, 0}, {1, 0.2L}, {1, 0.4L}, {1, 0.5L}, {1, 0.6L}});
    EXPECT_FALSE(MeasureImmersedSection(low, 0.7L)) << "a section below the waterline";

    const auto dry = MeasureImmersedSection(low, 0.0L);  // keel on the level
    ASSERT_TRUE(dry);
    EXPECT_EQ(dry->HalfArea, 0);
    EXPECT_EQ(dry->HalfBreadth, 0);
    EXPECT_EQ(dry->HalfGirth, 0);

    EXPECT_THROW(MeasureImmersedSection(low, 0.3L, 0), std::invalid_argument);
}

TEST(ImmersedSection, TheHalfBreadthAloneIsTheOneTheMeasureFinds)
{
    // The robust generator searches with the half-breadth alone and measures
    // the area once: the two must agree to the last bit, also for a curve
    // that starts on or above the level and one that never reaches it.
    const ExtendedBSpline section =
        Cubic({{0, 0}, {0.3L, 0.05L}, {0.9L, 0.3L}, {1.1L, 0.7L}, {1.0L, 1.1L}, {1.2L, 1.5L}});
    for (long double level : {0.0L, 0.2L, 0.55L, 0.9L, 1.4L}) {
        const auto measured = MeasureImmersedSection(section, level);
        const auto alone = ImmersedHalfBreadth(section, level);
        ASSERT_TRUE(measured && alone) << level;
        EXPECT_EQ(*alone, measured->HalfBreadth) << level;
    }
    EXPECT_FALSE(ImmersedHalfBreadth(section, 2.0L));
}

TEST(ImmersedSection, ALevelMetOnAKnotOrInsideASpanIsIntegratedToItAlone)
{
    // The straight V of collinear control points: at any level the immersed
    // part is a triangle, whether the level is met on a knot or between two.
    const long double b = 1.2L, t = 0.7L, k = 0.25L;
    const ExtendedBSpline vee =
        Cubic({{0, k}, {0, k}, {b / 3, k + t / 3}, {b, k + t}, {1.5L * b, k + 1.5L * t}, {2 * b, k + 2 * t}});
    for (long double knot : {1.0L, 2.0L}) {
        const long double onKnot = vee.PositionAt(knot).b;
        for (long double level : {onKnot, 0.5L * (onKnot + k)}) {
            SCOPED_TRACE(static_cast<double>(level));
            const auto measured = MeasureImmersedSection(vee, level);
            ASSERT_TRUE(measured);
            const long double depth = level - k, halfBreadth = depth * b / t;
            ExpectRelative(measured->HalfBreadth, halfBreadth, "half-breadth");
            ExpectRelative(measured->HalfArea, halfBreadth * depth / 2, "area");
            ExpectRelative(measured->HalfGirth, std::hypot(halfBreadth, depth), "girth");
        }
    }
}
