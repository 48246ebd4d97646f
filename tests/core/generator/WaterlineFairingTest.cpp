// The shifts of single stations' coefficients that take the wiggles out of
// the low waterlines: what they keep.
#include <gtest/gtest.h>

#include <algorithm>

#include "BundledDesigns.h"
#include "GeneratorFixture.h"
#include "generator/RunGeneration.h"
#include "generator/robust/WaterlineFairing.h"

namespace sloopform::test {
namespace {

class WaterlineFairing : public GeneratorFixture {};

TEST_F(WaterlineFairing, ShiftsKeepTheVolumeItsCentreMidshipAndTheHullAsItWas)
{
    auto hull = BundledDesign("cruiser-10m");
    RunGeneration(*hull, console, GoalAccuracies{}, GeneratorMethod::Robust);
    ASSERT_TRUE(hull->HullComplete);
    const auto stations = hull->Stations;
    AreaCurve curve;
    const AreaSums before = PredictSums(*hull, curve);
    ShiftForFairWaterlines(*hull, curve);
    const AreaSums after = PredictSums(*hull, curve);
    EXPECT_NEAR(after.volume, before.volume, 1e-12L * before.volume);
    EXPECT_NEAR(after.moment, before.moment, 1e-12L * before.moment);
    EXPECT_TRUE(std::any_of(curve.Shifts.begin(), curve.Shifts.end(), [](long double s) { return s != 0; }));
    for (int s : {0, kMidshipStation, kLastStation}) EXPECT_EQ(curve.Shifts[s], 0) << s;
    // The sections were built again to learn how they respond, then put back.
    for (int s = 0; s <= kLastStation; ++s)
        for (int d = 1; d <= 3; ++d)
            EXPECT_EQ(hull->Stations[s].DiagonalOffset[d], stations[s].DiagonalOffset[d]) << s << " " << d;
}

}  // namespace
}  // namespace sloopform::test
