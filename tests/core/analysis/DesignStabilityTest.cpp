#include <gtest/gtest.h>

#include <cmath>

#include "BundledDesigns.h"
#include "analysis/DesignStability.h"
#include "analysis/ExactHydrostatics.h"
#include "analysis/HullSurfaceNet.h"

using namespace sloopform;

namespace {

constexpr double kVcg = 0.35;

}  // namespace

// Upright the body displaces the exact volume at the design waterline without
// sinkage or trim, and its slope at 0° is the GM of the exact hydrostatics.
TEST(DesignStability, UprightAgreesWithTheExactHydrostatics)
{
    for (const std::string& name : test::BundledDesignNames()) {
        const HullRecord& hull = test::SharedGeneratedDesign(name);
        const ExactHydrostatics exact = ComputeExactHydrostatics(hull);
        const StabilityResult result = ComputeDesignStability(hull, kVcg, {0, 10});
        EXPECT_NEAR(result.Curve[0].Gz, 0, 1e-9) << name;
        EXPECT_NEAR(result.Curve[0].Sinkage, 0, 1e-4) << name;
        EXPECT_NEAR(result.Curve[0].Trim, 0, 0.01) << name;
        const double gm = static_cast<double>(exact.VCB + exact.BMT) - kVcg;
        EXPECT_NEAR(result.Summary.Gm, gm, 0.005 * gm) << name;
        EXPECT_NEAR(result.Displacement, static_cast<double>(exact.Displacement), 1e-9 * result.Displacement) << name;
    }
}

// The whole curve of the cruiser: no lever upright or upside down, the same
// to either side, the deck edge under before the largest GZ, and the figures
// in their order.
TEST(DesignStability, CruiserCurveIsSymmetricAndOrdered)
{
    const HullRecord& hull = test::SharedGeneratedDesign("cruiser-10m");
    const StabilityResult result = ComputeDesignStability(hull, kVcg);
    ASSERT_EQ(result.Curve.size(), 37u);
    EXPECT_NEAR(result.Curve.back().Gz, 0, 1e-7);
    const StabilitySummary& s = result.Summary;
    ASSERT_TRUE(s.Avs && s.DeckImmersion && s.Area30 && s.Area40 && s.AreaAvs && s.AreaRatio);
    EXPECT_GT(s.GzMax, 0);
    EXPECT_LT(*s.DeckImmersion, *s.Avs);
    EXPECT_GT(*s.Avs, s.HeelGzMax);
    EXPECT_LT(*s.Area30, *s.Area40);
    EXPECT_LT(*s.Area40, *s.AreaAvs);
    EXPECT_GT(*s.AreaRatio, 0);

    const StabilityResult mirrored = ComputeDesignStability(hull, kVcg, {-30, -75, -140});
    for (const StabilityPoint& point : mirrored.Curve) {
        const StabilityPoint& starboard = result.Curve[static_cast<std::size_t>(-point.Heel / 5)];
        EXPECT_NEAR(point.Gz, starboard.Gz, 1e-6) << point.Heel;
        EXPECT_NEAR(point.Trim, starboard.Trim, 1e-5) << point.Heel;
        EXPECT_NEAR(point.Sinkage, starboard.Sinkage, 1e-6) << point.Heel;
    }
}

// Doubling the points along the length moves no lever by 1e-4 of the largest.
TEST(DesignStability, LeverIsConvergedAlongTheLength)
{
    const HullRecord& hull = test::SharedGeneratedDesign("racer-12m");
    const ExactHydrostatics exact = ComputeExactHydrostatics(hull);
    const HullSurfaceNet net = BuildHullSurfaceNet(hull);
    StabilityCondition condition;
    condition.Floating = {static_cast<double>(exact.Volume), {4, 0, kVcg}};
    condition.Draft = hull.Tc.Value();
    const StabilityResult coarse = ComputeStability(CanoeBody(net), condition, DefaultHeelAngles());
    const StabilityResult fine = ComputeStability(CanoeBody(net, 2 * kBodyPointsPerSpan), condition, DefaultHeelAngles());
    for (std::size_t i = 0; i < coarse.Curve.size(); ++i)
        EXPECT_NEAR(coarse.Curve[i].Gz, fine.Curve[i].Gz, 1e-4 * fine.Summary.GzMax) << coarse.Curve[i].Heel;
}

TEST(DesignStability, RefusesWeightBelowTheBaseOrAboveTheSheer)
{
    const HullRecord& hull = test::SharedGeneratedDesign("cruiser-10m");
    try {
        ComputeDesignStability(hull, -0.01);
        FAIL();
    } catch (const std::invalid_argument& refusal) {
        EXPECT_STREQ(refusal.what(), "VCG lies below the base line");
    }
    try {
        ComputeDesignStability(hull, 5);
        FAIL();
    } catch (const std::invalid_argument& refusal) {
        EXPECT_NE(std::string(refusal.what()).find("VCG 5.000 m lies above the sheer"), std::string::npos);
    }
    EXPECT_THROW(ComputeDesignStability(*HullRecord::Create(), kVcg), std::runtime_error);
}
