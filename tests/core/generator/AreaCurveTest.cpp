// The robust method's sectional-area curve: station coefficients clamped to
// each station's limits, or blended between them.
#include <gtest/gtest.h>

#include <algorithm>

#include "generator/robust/AreaCurve.h"
#include "model/HullRecord.h"

namespace sloopform::test {
namespace {

constexpr int kStation = 4;

// A curve asking Cm plus `above` of station 4, whose limits are 0.5 and 0.9.
AreaCurve Asking(long double above, bool blended)
{
    AreaCurve curve;
    curve.Lowest[kStation] = 0.5L;
    curve.Highest[kStation] = 0.9L;
    curve.Shifts[kStation] = above;
    curve.Blended = blended;
    return curve;
}

TEST(AreaCurve, ABlendedStationStaysInsideItsLimitsRisingSmoothlyWithWhatTheCurveAsks)
{
    auto hull = HullRecord::Create();
    hull->Cm = 0.7L;
    const long double cm = hull->Cm;  // as the 6-byte field holds it
    long double previous = 0.5L;
    for (long double above = -1; above <= 1; above += 0.05L) {
        const long double clamped = Asking(above, false).Coefficient(*hull, kStation);
        const long double blended = Asking(above, true).Coefficient(*hull, kStation);
        EXPECT_NEAR(clamped, std::clamp(cm + above, 0.5L, 0.9L), 1e-15L) << above;
        EXPECT_GT(blended, 0.5L) << above;
        EXPECT_LT(blended, 0.9L) << above;
        EXPECT_GT(blended, previous) << above;
        previous = blended;
    }
    // Asked Cm, the station takes the middle of its range.
    EXPECT_NEAR(Asking(0, true).Coefficient(*hull, kStation), 0.7L, 1e-15L);
}

TEST(AreaCurve, ABlendedStationCountsAsHeldOnlyNearTheEndsOfItsRange)
{
    auto hull = HullRecord::Create();
    hull->Cm = 0.7L;
    EXPECT_FALSE(Asking(0.05L, false).ClampedHigh(*hull, kStation));
    EXPECT_TRUE(Asking(0.25L, false).ClampedHigh(*hull, kStation));
    EXPECT_FALSE(Asking(0.25L, true).ClampedHigh(*hull, kStation));
    EXPECT_TRUE(Asking(1.0L, true).ClampedHigh(*hull, kStation));
    EXPECT_FALSE(Asking(-0.25L, true).ClampedLow(*hull, kStation));
    EXPECT_TRUE(Asking(-1.0L, true).ClampedLow(*hull, kStation));
    // Midship keeps Cm and is never held.
    AreaCurve curve = Asking(1.0L, true);
    curve.Shifts[kMidshipStation] = 1;
    EXPECT_FALSE(curve.ClampedHigh(*hull, kMidshipStation));
    // Restarting forgets the terms but keeps the way coefficients are taken.
    curve.LimitsSmoothed = true;
    curve.Restart();
    EXPECT_TRUE(curve.Blended);
    EXPECT_TRUE(curve.LimitsSmoothed);
    EXPECT_EQ(curve.Shifts[kStation], 0);
}

}  // namespace
}  // namespace sloopform::test
