#include <gtest/gtest.h>

#include <cmath>

#include "StageFixture.h"
#include "generator/Diagonals.h"
#include "generator/Profile.h"
#include "generator/Sheerline.h"
#include "generator/Waterline.h"
#include "numeric/ArithmeticFault.h"

using namespace sloopform;

namespace {

class WaterlineTest : public test::StageFixture {
protected:
    // The stages before the waterline, in run order.
    std::unique_ptr<HullRecord> Prepared(const std::string& name)
    {
        auto hull = Design(name);
        CreateProfile(*hull);
        CreateSheerline(*hull);
        CreateDiagonals(*hull);
        return hull;
    }
};

struct Waterplane {
    double cwp;
    double lcfPercent;
};

// Simpson's first rule over the recorded station beams, worked out here in
// double without the stage's routines.
Waterplane FromStationBeams(const HullRecord& hull)
{
    const double lwl = hull.Lwl.Value();
    const double h = lwl / 20.0;
    double area = 0, moment = 0;
    for (int s = 0; s <= kLastStation; ++s) {
        const double weight = (s == 0 || s == kLastStation) ? 1 : (s % 2 ? 4 : 2);
        const double halfBreadth = hull.Stations[s].DesignWaterlineBeam.Value() / 2.0;
        area += weight * halfBreadth * h / 3;
        moment += weight * halfBreadth * h / 3 * (s * h);
    }
    return {2 * area / (lwl * hull.Bwl.Value()), 100 * moment / area / lwl};
}

}  // namespace

TEST_F(WaterlineTest, BundledDesignsMeetCwpAndLcf)
{
    for (const std::string& name : test::BundledDesignNames()) {
        SCOPED_TRACE(name);
        auto hull = Prepared(name);
        CreateWaterline(*hull);

        EXPECT_FALSE(CancelFlag());
        EXPECT_TRUE(hull->WaterlineDone);
        const Waterplane measured = FromStationBeams(*hull);
        EXPECT_NEAR(measured.cwp, hull->Cwp, hull->CoefficientGoal);
        EXPECT_NEAR(measured.lcfPercent, hull->LCF, hull->PercentageGoal);
        EXPECT_EQ(hull->Stations[0].DesignWaterlineBeam, 0.0L);
        EXPECT_EQ(hull->Stations[kLastStation].DesignWaterlineBeam, 0.0L);
        for (int s = 1; s < kLastStation; ++s) {
            EXPECT_GT(hull->Stations[s].DesignWaterlineBeam, 0.0L) << "station " << s;
            EXPECT_LE(hull->Stations[s].DesignWaterlineBeam, hull->Bwl + 1e-9L) << "station " << s;
        }
        EXPECT_TRUE(memo.Lines().empty());
    }
}

TEST_F(WaterlineTest, WidestPointSitsAtLcf)
{
    auto hull = Prepared("cruiser-10m");
    hull->LCF = 50;
    CreateWaterline(*hull);
    ASSERT_FALSE(CancelFlag());
    const TPointBlock2& w = hull->WaterlinePoints;
    const long double mid = hull->Fovh + 0.5L * hull->Lwl;
    for (int i = 4; i <= 6; ++i) {
        EXPECT_NEAR(w[i].x, mid, 1e-9);
        EXPECT_NEAR(w[i].y, hull->Bwl / 2, 1e-9);
    }
    EXPECT_NEAR(w[3].x, mid - 0.1L * hull->Lwl, 1e-9);
    EXPECT_NEAR(w[7].x, mid + 0.1L * hull->Lwl, 1e-9);
    // Closed to the centre line at both ends of the waterline.
    EXPECT_EQ(w[1].x, hull->Fovh);
    EXPECT_EQ(w[1].y, 0.0L);
    EXPECT_NEAR(w[9].x, hull->Fovh + hull->Lwl, 1e-9);
    EXPECT_EQ(w[9].y, 0.0L);
    EXPECT_NEAR(hull->Stations[10].DesignWaterlineBeam, hull->Bwl, 1e-9);
    EXPECT_NEAR(FromStationBeams(*hull).lcfPercent, 50, hull->PercentageGoal);
}

TEST_F(WaterlineTest, SkewAloneWhileCwpAlreadyHolds)
{
    // The starting shape of this design is inside the Cwp tolerance, so only
    // the LCF solver runs and the fullness keeps its start.
    auto hull = Prepared("racer-12m");
    CreateWaterline(*hull);
    const WaterlineStageState& stage = Generator().Waterline;
    EXPECT_FALSE(stage.CwpSolver.Started);
    EXPECT_TRUE(stage.LcfSolver.Started);
    EXPECT_EQ(stage.WaterlineFullness, Real48(0.95L));
    EXPECT_NE(stage.WaterlineSkew, Real48(0.05L));
    EXPECT_NEAR(stage.LcfNow, hull->LCF / 100, hull->PercentageGoal / 100);
}

TEST_F(WaterlineTest, FullnessFillsAndSkewMovesAreaAft)
{
    auto hull = Prepared("daysailer-6m");
    CreateWaterline(*hull);
    WaterlineStageState& stage = Generator().Waterline;
    const auto measure = [&](long double fullness, long double skew) {
        stage.WaterlineFullness = fullness;
        stage.WaterlineSkew = skew;
        ApplyWaterlineShape(*hull);
        MeasureWaterline(*hull);
        return std::make_pair(static_cast<double>(stage.CwpNow), static_cast<double>(stage.LcfNow));
    };
    const auto base = measure(0.8L, 0.0L);
    EXPECT_NEAR(hull->WaterlinePoints[2].y, hull->WaterlinePoints[8].y, 1e-12);
    const auto fuller = measure(0.9L, 0.0L);
    const auto skewed = measure(0.8L, 0.1L);
    EXPECT_GT(fuller.first, base.first);
    EXPECT_GT(skewed.second, base.second);
    EXPECT_NEAR(hull->WaterlinePoints[8].y - hull->WaterlinePoints[2].y,
                2 * 0.1L * stage.WaterlineScale, 1e-9);
}

TEST_F(WaterlineTest, CancelStillMarksTheWaterlineDone)
{
    auto hull = Prepared("cruiser-10m");
    // Pressed while the first solver makes its starting evaluations.
    int calls = 0;
    ui.onProcessMessages = [&calls] {
        if (++calls == 3) CancelGeneration();
    };
    CreateWaterline(*hull);
    const WaterlineStageState& stage = Generator().Waterline;
    EXPECT_GT(std::fabs(stage.CwpNow - hull->Cwp), hull->CoefficientGoal);

    EXPECT_TRUE(CancelFlag());
    EXPECT_EQ(memo.Lines(), (std::vector<std::string>{"TARNOVIC: Cancelling..."}));
    EXPECT_TRUE(hull->WaterlineDone);
    // The station beams are those of the last trial's curve.
    const auto lastTrial = hull->Stations;
    WaterlineStations(*hull);
    for (int s = 1; s < kLastStation; ++s)
        EXPECT_EQ(hull->Stations[s].DesignWaterlineBeam, lastTrial[s].DesignWaterlineBeam) << "station " << s;
    EXPECT_EQ(lastTrial[0].DesignWaterlineBeam, 0.0L);
    EXPECT_EQ(lastTrial[kLastStation].DesignWaterlineBeam, 0.0L);
    EXPECT_GT(lastTrial[10].DesignWaterlineBeam, 0.0L);
}

TEST(SimpsonStations, ExactForCubicOrdinates)
{
    std::array<Real48, kStationCount> y{};
    const long double h = 0.5L;
    for (int s = 0; s <= kLastStation; ++s) y[s] = 3;
    SimpsonResult r = SimpsonStations(y, h);
    EXPECT_NEAR(r.Area, 3 * 20 * h, 1e-9);
    EXPECT_NEAR(r.Centroid, 10 * h, 1e-9);

    // y = x^2 over 0..10: area 1000/3, centroid at 7.5 (x^3 under the rule is exact too).
    for (int s = 0; s <= kLastStation; ++s) y[s] = (s * h) * (s * h);
    r = SimpsonStations(y, h);
    EXPECT_NEAR(r.Area, 1000.0L / 3, 1e-8);
    EXPECT_NEAR(r.Centroid, 7.5L, 1e-9);
}

TEST(SimpsonStations, NoAreaHasNoCentroid)
{
    const std::array<Real48, kStationCount> flat{};
    EXPECT_THROW(SimpsonStations(flat, 0.5L), ArithmeticFault);
}
