// The smooth envelopes that replace the stations' coefficient limits.
#include <gtest/gtest.h>

#include <cmath>

#include "generator/robust/LimitEnvelope.h"

namespace sloopform::test {
namespace {

constexpr int kBodies[2][2] = {{1, kMidshipStation - 1}, {kMidshipStation + 1, kLastStation - 1}};

long double SecondDifference(const std::array<long double, kStationCount>& v, int s)
{
    return v[s - 1] - 2 * v[s] + v[s + 1];
}

// Jagged limits as a station's beam, depth and the diagonals give them.
AreaCurve JaggedLimits()
{
    AreaCurve curve;
    const long double highest[kStationCount] = {0,     0.742, 0.806, 0.932, 0.901, 0.893, 0.918, 0.974, 0.991, 0.964, 0.95,
                                                0.957, 0.957, 0.954, 0.944, 0.928, 0.908, 0.885, 0.857, 0.816, 0};
    const long double lowest[kStationCount] = {0,     0.441, 0.407, 0.374, 0.426, 0.603, 0.694, 0.636, 0.582, 0.549, 0.38,
                                               0.53,  0.513, 0.495, 0.479, 0.463, 0.441, 0.405, 0.346, 0.311, 0};
    for (int s = 0; s < kStationCount; ++s) {
        curve.Highest[s] = highest[s];
        curve.Lowest[s] = lowest[s];
    }
    return curve;
}

TEST(LimitEnvelope, EachBodysLimitsBecomeAParabolaWithinTheStationsOwnTouchingThreeOfThem)
{
    const AreaCurve jagged = JaggedLimits();
    AreaCurve smooth = jagged;
    SmoothLimits(smooth);
    for (const auto& body : kBodies) {
        int touchingHighest = 0, touchingLowest = 0;
        for (int s = body[0]; s <= body[1]; ++s) {
            EXPECT_LE(smooth.Highest[s], jagged.Highest[s] + 1e-12L) << s;
            EXPECT_GE(smooth.Lowest[s], jagged.Lowest[s] - 1e-12L) << s;
            EXPECT_LE(smooth.Lowest[s], smooth.Highest[s]) << s;
            touchingHighest += std::fabs(smooth.Highest[s] - jagged.Highest[s]) < 1e-12L;
            touchingLowest += std::fabs(smooth.Lowest[s] - jagged.Lowest[s]) < 1e-12L;
            if (s > body[0] && s < body[1]) {
                EXPECT_NEAR(SecondDifference(smooth.Highest, s), SecondDifference(smooth.Highest, body[0] + 1), 1e-12L);
                EXPECT_NEAR(SecondDifference(smooth.Lowest, s), SecondDifference(smooth.Lowest, body[0] + 1), 1e-12L);
            }
        }
        // The envelope holds as much area as a parabola within the limits can:
        // it rests on three of them.
        EXPECT_GE(touchingHighest, 3);
        EXPECT_GE(touchingLowest, 3);
    }
    // Midship and the ends keep theirs.
    for (int s : {0, kMidshipStation, kLastStation}) {
        EXPECT_EQ(smooth.Highest[s], jagged.Highest[s]);
        EXPECT_EQ(smooth.Lowest[s], jagged.Lowest[s]);
    }
}

TEST(LimitEnvelope, LimitsAlreadyOnAParabolaStayAndCrossingEnvelopesMeetInTheMiddle)
{
    AreaCurve curve;
    for (int s = 0; s < kStationCount; ++s) {
        const long double x = (s - kMidshipStation) * 0.1L;
        curve.Highest[s] = 0.9L - 0.3L * x * x;
        curve.Lowest[s] = 0.4L + 0.1L * x;
    }
    // A single station whose range is narrow: the lowest envelope must rise
    // to it over the whole body and crosses the highest near it.
    curve.Lowest[3] = 0.74L;
    const AreaCurve before = curve;
    SmoothLimits(curve);
    for (int s = kMidshipStation + 1; s < kLastStation; ++s) {
        EXPECT_NEAR(curve.Highest[s], before.Highest[s], 1e-12L) << s;
        EXPECT_NEAR(curve.Lowest[s], before.Lowest[s], 1e-12L) << s;
    }
    bool crossed = false;
    for (int s = 1; s < kMidshipStation; ++s) {
        EXPECT_LE(curve.Lowest[s], curve.Highest[s]) << s;
        crossed = crossed || curve.Lowest[s] == curve.Highest[s];
    }
    EXPECT_TRUE(crossed);
}

}  // namespace
}  // namespace sloopform::test
