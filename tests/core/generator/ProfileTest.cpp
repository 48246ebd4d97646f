#include <gtest/gtest.h>

#include <cmath>

#include "StageFixture.h"
#include "generator/Profile.h"
#include "numeric/Geometry.h"

using namespace sloopform;

namespace {

class ProfileTest : public test::StageFixture {};

// Twice the area of the triangle a, b, c: zero when the three points are in line.
long double Cross(const TPoint2r& a, const TPoint2r& b, const TPoint2r& c)
{
    return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
}

long double Distance(const TPoint2r& a, const TPoint2r& b)
{
    return std::hypot(static_cast<long double>(b.x - a.x), static_cast<long double>(b.y - a.y));
}

constexpr double kRounding = 1e-9;

}  // namespace

TEST_F(ProfileTest, BundledDesignsMeetTheWaterlineAtTheAftEnd)
{
    for (const std::string& name : test::BundledDesignNames()) {
        SCOPED_TRACE(name);
        auto hull = Design(name);
        CreateProfile(*hull);
        const TStation* stations = hull->Stations.data();

        EXPECT_FALSE(CancelFlag());
        EXPECT_NEAR(stations[kLastStation].KeelHeight, hull->Tc, hull->DimensionGoal);
        // Through the triple vertex at the waterline's forward end and the one amidships.
        EXPECT_NEAR(stations[0].KeelHeight, hull->Tc, kRounding);
        EXPECT_NEAR(stations[10].KeelHeight, 0.0, kRounding);
        for (int s = 1; s < kLastStation; ++s) {
            EXPECT_GE(stations[s].KeelHeight, -kRounding) << "station " << s;
            EXPECT_LT(stations[s].KeelHeight, hull->Tc) << "station " << s;
        }

        // The profile left in place belongs to the answer.
        EXPECT_TRUE(hull->ProfileDone);
        EXPECT_EQ(hull->TransomRise, Generator().Profile.TrialRise);
        EXPECT_EQ(hull->ProfilePoints[20].y, Round48(hull->Tc + hull->TransomRise));
        EXPECT_EQ(Generator().Profile.LastResidual, Round48(hull->Tc - stations[kLastStation].KeelHeight));
        EXPECT_TRUE(memo.Lines().empty());
        EXPECT_TRUE(ui.errors.empty());
    }
}

TEST_F(ProfileTest, StemTangentsAndForefootCorner)
{
    auto hull = Design("cruiser-10m");
    Generator().Profile.TrialRise = 0.1L;
    BuildProfile(*hull);
    const TPointBlock2& p = hull->ProfilePoints;

    EXPECT_EQ(hull->StemAngle, hull->BPDA);
    EXPECT_EQ(p[1].x, 0.0L);
    EXPECT_EQ(p[1].y, Round48(hull->Tc + hull->FreeBow));
    // Both stem tangents are a third of the bow freeboard long.
    EXPECT_NEAR(Distance(p[1], p[2]), hull->FreeBow / 3, kRounding);
    EXPECT_NEAR(Distance(p[4], p[3]), hull->FreeBow / 3, kRounding);
    // The forefoot corner lies on the extended lower stem tangent and on the
    // line from the forefoot point to the quarter-length bottom point.
    EXPECT_NEAR(Cross(p[4], p[3], p[7]), 0.0, kRounding);
    EXPECT_NEAR(Cross(p[11], p[12], p[7]), 0.0, kRounding);
    EXPECT_GT(p[7].x, hull->Fovh);
    EXPECT_LT(p[7].y, hull->Tc);
    // The mid-length bottom: a triple vertex flanked at 0.05 Lwl on each side.
    const long double mid = hull->Fovh + hull->Lwl * 0.5L;
    EXPECT_NEAR(p[15].x, mid, kRounding);
    EXPECT_NEAR(mid - p[13].x, p[17].x - mid, kRounding);
    EXPECT_NEAR(p[17].x - p[13].x, hull->Lwl * 0.1L, kRounding);
}

TEST_F(ProfileTest, StraightStemWithoutBowCurvature)
{
    auto hull = Design("racer-12m");
    ASSERT_EQ(hull->BPDA, 0.0L);
    BuildProfile(*hull);
    const TPointBlock2& p = hull->ProfilePoints;
    EXPECT_NEAR(Cross(p[1], p[4], p[2]), 0.0, kRounding);
    EXPECT_NEAR(Cross(p[1], p[4], p[3]), 0.0, kRounding);

    // Bow curvature bends both stem tangents forward of the straight stem, or
    // aft of it for a negative angle.
    const auto straightStemX = [&](long double z) {
        return hull->Fovh * (hull->Tc + hull->FreeBow - z) / hull->FreeBow;
    };
    for (const long double bpda : {20.0L, -20.0L}) {
        SCOPED_TRACE(static_cast<double>(bpda));
        hull->BPDA = bpda;
        BuildProfile(*hull);
        const long double forward = bpda > 0 ? 1 : -1;
        EXPECT_GT(forward * (straightStemX(p[2].y) - p[2].x), 1e-3);
        EXPECT_GT(forward * (straightStemX(p[3].y) - p[3].x), 1e-3);
    }
}

TEST_F(ProfileTest, ForefootContinuesTheStemThenHeadsForTheQuarterLengthBottom)
{
    auto hull = Design("cruiser-10m");
    hull->BPDA = 0;
    BuildProfile(*hull);
    const TPointBlock2& p = hull->ProfilePoints;
    const long double length = hull->BPLWLT;
    const long double stemLength = std::hypot(static_cast<long double>(hull->Fovh), hull->FreeBow);
    // The straight stem continued one forefoot length below the waterline.
    const TPoint2r start{hull->Fovh + length * hull->Fovh / stemLength,
                         hull->Tc - length * hull->FreeBow / stemLength};
    const TPoint2r quarter{hull->Fovh + 0.25L * hull->Lwl, 0.0L};
    for (int i = 8; i <= 11; ++i) {
        EXPECT_NEAR(Distance(start, p[i]), length, kRounding);
        EXPECT_NEAR(Cross(start, quarter, p[i]), 0.0, kRounding);
    }

    // Bow curvature turns the forefoot further down.
    const long double straightDepth = p[8].y;
    hull->BPDA = 20;
    BuildProfile(*hull);
    EXPECT_LT(p[8].y, straightDepth - 1e-3);
}

TEST_F(ProfileTest, TransomRakeMovesTheTransomTopForward)
{
    auto hull = Design("racer-12m");
    Generator().Profile.TrialRise = 0.1L;
    hull->TransomAngle = 0;
    BuildProfile(*hull);
    const TPointBlock2& p = hull->ProfilePoints;
    EXPECT_EQ(p[23].x, hull->Loa);
    EXPECT_EQ(p[23].y, Round48(hull->Tc + hull->FreeAft));
    EXPECT_EQ(p[22].x, hull->Loa);
    EXPECT_NEAR(p[22].y, hull->Tc + 0.1L, kRounding);

    hull->TransomAngle = 10;
    BuildProfile(*hull);
    const long double raked10 = p[23].x;
    hull->TransomAngle = 20;
    BuildProfile(*hull);
    EXPECT_LT(raked10, hull->Loa);
    EXPECT_LT(p[23].x, raked10);
    // The top edge runs from the transom's lowest point at the rake angle.
    EXPECT_NEAR((p[22].x - p[23].x) / (p[23].y - p[22].y), std::tan(20 * kPi / 180), kRounding);
}

TEST_F(ProfileTest, StationsInterpolateBetweenSamplesAndStopAtTheCurveEnd)
{
    auto hull = Design("cruiser-10m");
    // A straight keel curve z = 0.2 + 0.05 x gives exact heights at every station.
    const auto line = [](long double x) { return 0.2L + 0.05L * x; };
    const auto straightKeelTo = [&](long double xEnd) {
        for (int i = 1; i <= kProfileKeelPointCount; ++i) {
            const long double x = xEnd * (i - 1) / (kProfileKeelPointCount - 1);
            hull->ProfilePoints[i] = {x, line(x)};
        }
    };
    straightKeelTo(hull->Loa);
    ProfileStations(*hull);
    for (int s = 0; s <= kLastStation; ++s)
        EXPECT_NEAR(hull->Stations[s].KeelHeight, line(hull->StationX(s)), kRounding) << "station " << s;

    // A curve ending just ahead of amidships leaves the stations aft of it alone.
    straightKeelTo(hull->StationX(10) - 0.1L);
    for (auto& station : hull->Stations) station.KeelHeight = -1;
    ProfileStations(*hull);
    EXPECT_NEAR(hull->Stations[9].KeelHeight, line(hull->StationX(9)), kRounding);
    EXPECT_EQ(hull->Stations[10].KeelHeight, -1.0L);
}

TEST_F(ProfileTest, ZeroOverhangOrBowFreeboardEndsTheRunThroughTheFatalPath)
{
    for (const bool zeroOverhang : {true, false}) {
        SCOPED_TRACE(zeroOverhang ? "Fovh = 0" : "FreeBow = 0");
        ResetCancel();
        memo.ClearText();
        ui.errors.clear();
        auto hull = Design("cruiser-10m");
        (zeroOverhang ? hull->Fovh : hull->FreeBow) = 0;

        CreateProfile(*hull);

        EXPECT_TRUE(CancelFlag());
        EXPECT_EQ(memo.Lines(),
                  (std::vector<std::string>{"Fatal Error[1]: Iteration Failed", "TARNOVIC: Cancelling..."}));
        ASSERT_EQ(ui.errors.size(), 1u);
        EXPECT_EQ(ui.errors[0].message, "Floating point division by zero");
        EXPECT_EQ(ui.errors[0].origin, "Iteration procedure");
        // The stage still completes its remaining steps with the last trial.
        EXPECT_TRUE(hull->ProfileDone);
        EXPECT_EQ(hull->TransomRise, Generator().Profile.TrialRise);
    }
}

TEST_F(ProfileTest, CancelKeepsTheLastTrial)
{
    auto hull = Design("daysailer-6m");
    ui.onProcessMessages = [] { CancelGeneration(); };
    CreateProfile(*hull);
    EXPECT_TRUE(CancelFlag());
    EXPECT_TRUE(hull->ProfileDone);
    EXPECT_EQ(hull->TransomRise, Real48(0.1L));
    EXPECT_EQ(hull->ProfilePoints[21].y, Round48(hull->Tc + hull->TransomRise));
}
