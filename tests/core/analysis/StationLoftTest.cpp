#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "analysis/StationLoft.h"
#include "model/StationOutline.h"

using namespace sloopform;

namespace {

// Stations whose keel, sheer and diagonal offsets vary as the given cubic of
// the station number, so the loft must follow them exactly.
std::unique_ptr<HullRecord> CubicHull()
{
    auto hull = HullRecord::Create();
    hull->Tc = 1;
    hull->Diagonals[4].Angle = 0.17L;
    for (int d = 1; d <= 3; ++d) hull->Diagonals[d] = {0, 0.1L * d, 0.8L, 0.6L, 0.64L};
    for (int s = 0; s <= kLastStation; ++s) {
        const long double x = s / 20.0L;
        TStation& station = hull->Stations[static_cast<std::size_t>(s)];
        station.KeelHeight = 0.3L * x * x * x - 0.2L * x + 0.1L;
        station.SheerBeam = 2 + x - x * x;
        station.SheerHeight = 1.5L + 0.1L * x * x;
        for (int d = 1; d <= 3; ++d) station.DiagonalOffset[d] = 0.4L * d + x * x * (1 - x);
    }
    return hull;
}

}  // namespace

TEST(StationLoft, PassesThroughTheStationsAndFollowsTheirCubicBetween)
{
    auto hull = CubicHull();
    const StationLoft loft(*hull);
    for (int s : {0, 1, 10, 19, 20}) {
        const TPointBlock2 own = StationOutline(*hull, s);
        const auto lofted = loft.OutlineAt(s);
        for (int p = 1; p <= kStationOutlinePoints; ++p) {
            EXPECT_EQ(lofted[static_cast<std::size_t>(p - 1)].a, own[p].x) << s;
            EXPECT_EQ(lofted[static_cast<std::size_t>(p - 1)].b, own[p].y) << s;
        }
    }

    // Between stations: the same cubic stations give the same outline as a
    // station record at that position, within the 6-byte rounding of the record.
    for (long double at : {0.3L, 7.5L, 19.8L}) {
        const long double x = at / 20;
        TStation& probe = hull->Stations[0];
        probe.KeelHeight = 0.3L * x * x * x - 0.2L * x + 0.1L;
        probe.SheerBeam = 2 + x - x * x;
        probe.SheerHeight = 1.5L + 0.1L * x * x;
        for (int d = 1; d <= 3; ++d) probe.DiagonalOffset[d] = 0.4L * d + x * x * (1 - x);
        const TPointBlock2 expected = StationOutline(*hull, 0);
        const auto lofted = loft.OutlineAt(at);
        for (int p = 1; p <= kStationOutlinePoints; ++p) {
            EXPECT_NEAR(lofted[static_cast<std::size_t>(p - 1)].a, expected[p].x, 1e-10) << at;
            EXPECT_NEAR(lofted[static_cast<std::size_t>(p - 1)].b, expected[p].y, 1e-10) << at;
        }
    }
    EXPECT_THROW(loft.OutlineAt(20.01L), std::out_of_range);
    EXPECT_THROW(loft.OutlineAt(-0.01L), std::out_of_range);
}

TEST(StationLoft, SlopeIsTheDerivativeOfTheLoftAlongTheLength)
{
    auto hull = CubicHull();
    const StationLoft loft(*hull);
    constexpr long double kStep = 1e-4L;
    for (long double at : {0.2L, 7.5L, 13.9L, 19.6L}) {
        const auto [outline, slope] = loft.OutlineAndSlopeAt(at);
        const auto here = loft.OutlineAt(at);
        const auto ahead = loft.OutlineAt(at - kStep);
        const auto behind = loft.OutlineAt(at + kStep);
        for (std::size_t p = 0; p < slope.size(); ++p) {
            EXPECT_EQ(outline[p].a, here[p].a) << at;
            EXPECT_EQ(outline[p].b, here[p].b) << at;
            EXPECT_NEAR(slope[p].a, (behind[p].a - ahead[p].a) / (2 * kStep), 1e-7) << at;
            EXPECT_NEAR(slope[p].b, (behind[p].b - ahead[p].b) / (2 * kStep), 1e-7) << at;
        }
    }
    EXPECT_THROW(loft.OutlineAndSlopeAt(20.01L), std::out_of_range);
}
