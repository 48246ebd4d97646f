#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "analysis/ExtendedBSpline.h"
#include "analysis/Stability.h"
#include "numeric/BSpline.h"
#include "numeric/Geometry.h"

using namespace sloopform;

namespace {

constexpr double kDegree = static_cast<double>(kPi) / 180;
constexpr double kExact = 1e-9;  // m: what the integration of polynomial shapes leaves

// A prism from x = 0 to x = length whose every section is `section` (six
// control points, y and z), as a one-span surface closed by flat ends.
HullSurfaceNet Prism(const std::vector<ExtendedPoint>& section, long double length)
{
    HullSurfaceNet net;
    for (int r = 0; r <= 3; ++r) {
        SectionPoles row;
        for (std::size_t i = 0; i < row.size(); ++i) row[i] = {length * r / 3, section[i].a, section[i].b};
        net.Rows.push_back(row);
    }
    return net;
}

// A box section of half beam b and depth d: the corner's control point
// tripled, so the section is the bottom and the side, straight.
std::vector<ExtendedPoint> BoxSection(long double b, long double d)
{
    return {{0, 0}, {b / 2, 0}, {b, 0}, {b, 0}, {b, 0}, {b, d}};
}

StabilityCondition Floating(double volume, Vector3 g, double draft)
{
    StabilityCondition condition;
    condition.Floating = {volume, g};
    condition.Draft = draft;
    return condition;
}

}  // namespace

// A wall-sided box floats with its waterline turning about the centre line
// until the deck edge or the bilge reaches the water:
// GZ = sin φ (KB + BM - KG + BM tan² φ / 2), with no sinkage and no trim.
TEST(Stability, WallSidedBoxFollowsItsClosedFormUntilTheDeckEdgeImmerses)
{
    const double length = 10, beam = 2, depth = 2.5, draft = 1.5, kg = 0.8;
    const CanoeBody body(Prism(BoxSection(beam / 2, depth), length));
    const StabilityCondition condition = Floating(length * beam * draft, {length / 2, 0, kg}, draft);
    const StabilityResult result = ComputeStability(body, condition, {0, 5, 10, 20, 30, 40, 45, 90, 180});
    const double kb = draft / 2, bm = beam * beam / (12 * draft), gm = kb + bm - kg;
    for (const StabilityPoint& point : result.Curve) {
        if (point.Heel > 45) continue;
        const double phi = point.Heel * kDegree;
        EXPECT_NEAR(point.Gz, std::sin(phi) * (gm + bm * std::tan(phi) * std::tan(phi) / 2), kExact) << point.Heel;
        EXPECT_NEAR(point.Sinkage, 0, kExact) << point.Heel;
        EXPECT_NEAR(point.Trim, 0, 1e-9) << point.Heel;
    }
    // On its side the box floats on its starboard side, B half the depth up.
    EXPECT_NEAR(result.Curve[7].Gz, depth / 2 - kg, kExact);
    EXPECT_NEAR(result.Curve.back().Gz, 0, kExact);
    // The deck edge reaches the water where tan φ = (depth - draft) / (beam / 2).
    ASSERT_TRUE(result.Summary.DeckImmersion);
    EXPECT_NEAR(*result.Summary.DeckImmersion, 45, 1e-4);
    // The slope at 0° is GM, and the righting moment is the displacement's weight times GZ.
    EXPECT_NEAR(result.Summary.Gm, gm, 1e-4);
    EXPECT_DOUBLE_EQ(result.Displacement, length * beam * draft * kWaterDensity);
    EXPECT_NEAR(result.Curve[5].RightingMoment, result.Displacement * kGravity * result.Curve[5].Gz / 1000, 1e-9);
}

// Weight aft of the middle trims a wall-sided box by the same closed form
// lengthwise: tan θ (GML + BML tan² θ / 2) = e for G a distance e aft; the
// stern goes down, which is bow up (positive).
TEST(Stability, BoxTrimsUntilBuoyancyIsUnderWeight)
{
    const double length = 10, beam = 2, depth = 2.5, draft = 1.5, kg = 0.8, aft = 0.2;
    const CanoeBody body(Prism(BoxSection(beam / 2, depth), length));
    const StabilityCondition condition = Floating(length * beam * draft, {length / 2 + aft, 0, kg}, draft);
    const StabilityResult result = ComputeStability(body, condition, {0});
    const double bml = length * length / (12 * draft), gml = draft / 2 + bml - kg;
    double slope = aft / gml;
    for (int i = 0; i < 50; ++i) slope = aft / (gml + bml * slope * slope / 2);
    EXPECT_NEAR(result.Curve[0].Trim * kDegree, std::atan(slope), 1e-9);
    EXPECT_NEAR(result.Curve[0].Gz, 0, kExact);
}

// With G on its axis a circular cylinder has no righting lever at any heel.
// Its section here is a cubic B-spline near a half circle; the lever can be
// no larger than about the spline's distance from the circle.
TEST(Stability, CylinderWithWeightOnItsAxisHasNoLeverAtAnyHeel)
{
    // A least-squares fit to the unit circle, centred 1 m above the base line.
    const std::vector<ExtendedPoint> section = {{0, 0},          {0.348278L, -0.007345L}, {1.041969L, 0.407985L},
                                                {1.041969L, 1.592015L}, {0.348278L, 2.007345L}, {0, 2}};
    const long double radius = 1;
    double off = 0;
    const ExtendedBSpline curve(kCubic, section);
    for (int i = 0; i <= 300; ++i) {
        const ExtendedPoint p = curve.PositionAt(i / 100.0L);
        off = std::max(off, static_cast<double>(std::fabs(std::hypot(p.a, p.b - radius) - radius)));
    }
    ASSERT_LT(off, 0.01);
    const CanoeBody body(Prism(section, 4));
    for (const double draft : {0.6, 1.0, 1.5}) {
        // The volume below the draft, from the body itself at rest.
        const ImmersedBody upright = IntegrateImmersed(body, FrameAt(0, 0), draft);
        const StabilityCondition condition = Floating(upright.Volume, {2, 0, 1}, draft);
        const StabilityResult result = ComputeStability(body, condition, DefaultHeelAngles());
        for (const StabilityPoint& point : result.Curve) EXPECT_LT(std::fabs(point.Gz), 2 * off) << point.Heel;
    }
}

// Heeled to port the same body rights itself alike, and upside down it has no lever.
TEST(Stability, LeverDoesNotDependOnTheSideOfHeel)
{
    const CanoeBody body(Prism(BoxSection(1, 2.5), 10));
    const StabilityCondition condition = Floating(30, {5.3, 0, 1.1}, 1.5);
    const StabilityResult result = ComputeStability(body, condition, {-120, -50, -10, 10, 50, 120, 180, -180});
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_NEAR(result.Curve[i].Gz, result.Curve[5 - i].Gz, kExact);
        EXPECT_NEAR(result.Curve[i].Trim, result.Curve[5 - i].Trim, 1e-9);
    }
    EXPECT_NEAR(result.Curve[6].Gz, 0, kExact);
    EXPECT_NEAR(result.Curve[7].Gz, 0, kExact);
}

TEST(Stability, RejectsAnglesOutsideAHalfTurnAndAnEmptyList)
{
    const CanoeBody body(Prism(BoxSection(1, 2.5), 10));
    const StabilityCondition condition = Floating(30, {5, 0, 1}, 1.5);
    EXPECT_THROW(ComputeStability(body, condition, {}), std::invalid_argument);
    EXPECT_THROW(ComputeStability(body, condition, {0, 190}), std::invalid_argument);
    EXPECT_THROW(ComputeStability(body, condition, {std::nan("")}), std::invalid_argument);
}
