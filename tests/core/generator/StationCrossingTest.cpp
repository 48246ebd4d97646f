#include <gtest/gtest.h>

#include <vector>

#include "generator/StationCrossing.h"

using namespace sloopform;

namespace {

std::unique_ptr<HullRecord> TenMetreWaterline()
{
    auto hull = HullRecord::Create();
    hull->Fovh = 1;
    hull->Lwl = 10;  // stations every 0.5 m from x = 1
    return hull;
}

std::vector<int> TakenStations(const HullRecord& hull, const std::vector<long double>& xs)
{
    std::vector<TPoint2r> samples;
    for (const long double x : xs) samples.push_back({x, 0.0L});
    std::vector<int> taken;
    TakeStationCrossings(hull, samples, [&taken](int s, long double, const TPoint2r&, const TPoint2r&) {
        taken.push_back(s);
    });
    return taken;
}

}  // namespace

TEST(StationCrossing, OneStationPerSampleFromAPreviousPointAtOrAheadOfIt)
{
    auto hull = TenMetreWaterline();
    EXPECT_EQ(SampledStationX(*hull, 20), 11.0L);

    // Reaching exactly, then crossing between samples.
    EXPECT_EQ(TakenStations(*hull, {0, 1, 1.2L, 1.7L}), (std::vector<int>{0, 1}));
    // A sample that passes two stations takes the first; the next sample starts
    // aft of the second, so that one and every later station stay untouched.
    EXPECT_EQ(TakenStations(*hull, {0, 1, 1.2L, 2.2L, 2.3L, 11}), (std::vector<int>{0, 1}));
    // After running forward again the curve takes the skipped station on its way back aft.
    EXPECT_EQ(TakenStations(*hull, {0, 1.6L, 1.4L, 1.55L}), (std::vector<int>{0, 1}));
}

TEST(StationCrossing, ValueAtStationInterpolatesBackFromTheCurrentSample)
{
    EXPECT_NEAR(ValueAtStation(1.5L, 1, 2, 10, 20), 15, 1e-15);
    EXPECT_NEAR(ValueAtStation(2, 1, 2, 10, 20), 20, 1e-15);
    // Samples at one x take the current value instead of dividing by zero.
    EXPECT_EQ(ValueAtStation(2, 2, 2, 10, 20), 20);
}
