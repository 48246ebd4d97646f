#include "analysis/HullCheck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "BundledDesigns.h"
#include "RecordingUi.h"
#include "analysis/HullCheckReport.h"
#include "analysis/OutlineCheck.h"
#include "generator/Output.h"
#include "model/HullOutlines.h"
#include "model/StationOutline.h"
#include "numeric/NumberText.h"

using namespace sloopform;

namespace {

bool Names(const std::vector<std::string>& faults, const std::string& words)
{
    return std::any_of(faults.begin(), faults.end(),
                       [&](const std::string& fault) { return fault.find(words) != std::string::npos; });
}

std::string Listed(const std::vector<std::string>& faults)
{
    std::string all;
    for (const std::string& fault : faults) all += "\n  " + fault;
    return all;
}

class HullCheck : public ::testing::Test {
protected:
    void SetUp() override { hull = test::GeneratedBundledDesign("cruiser-10m"); }
    test::RecordingUi ui;
    std::unique_ptr<HullRecord> hull;
};

}  // namespace

TEST(HullCheckOfBundledDesigns, FindsNoFaultOnTheClassicHulls)
{
    test::RecordingUi ui;
    for (const std::string& name : test::BundledDesignNames()) {
        const std::vector<std::string> faults = HullCheckLines(*test::GeneratedBundledDesign(name));
        EXPECT_TRUE(faults.empty()) << name << Listed(faults);
    }
}

TEST_F(HullCheck, NamesASectionThatFoldsBelowItsKeel)
{
    // Diagonal 1's point pushed far down and out: the curve leaves the keel
    // downwards before it turns up to the waterline.
    hull->Stations[3].DiagonalOffset[1] = hull->Stations[3].DiagonalOffset[1] * 3;
    const std::vector<std::string> faults = HullCheckLines(*hull);
    EXPECT_TRUE(Names(faults, "Station 3 folds back by ")) << Listed(faults);
    EXPECT_FALSE(Names(faults, "Station 4 ")) << Listed(faults);
}

TEST_F(HullCheck, NamesASectionPastTheBeamAndAcrossTheCentrePlane)
{
    hull->Stations[12].SheerBeam = hull->BMax * 1.1L;
    hull->Stations[14].SheerBeam = -hull->BMax * 0.2L;
    const std::vector<std::string> faults = HullCheckLines(*hull);
    EXPECT_TRUE(Names(faults, "Station 12 reaches ")) << Listed(faults);
    EXPECT_TRUE(Names(faults, "past BMax/2 (" + std::string("1.700 m)"))) << Listed(faults);
    EXPECT_TRUE(Names(faults, "Station 14 crosses the centre plane by ")) << Listed(faults);
}

TEST_F(HullCheck, TheBMaxTestOfOneSectionAgreesWithTheCheckAcrossTheLimit)
{
    // The section's deck edge moved out step by step past BMax/2: the test of
    // the one curve says what the check of the whole hull says.
    int past = 0;
    for (long double share = 0.96L; share <= 1.06L; share += 0.0025L) {
        hull->Stations[12].SheerBeam = hull->BMax * share;
        const ExtendedBSpline section(kStationOutlinePoints, 4, StationOutline(*hull, 12));
        const bool named = Names(HullCheckLines(*hull), "Station 12 reaches ");
        EXPECT_EQ(SectionPastBMax(*hull, section), named) << "deck at " << share << " BMax";
        past += named;
    }
    EXPECT_GT(past, 0);
    EXPECT_LT(past, 41);
}

TEST_F(HullCheck, NamesADesignWaterlineWiderThanTheWaterlineBeam)
{
    for (int p = 4; p <= 6; ++p) hull->WaterlinePoints[p].y = hull->Bwl * 0.54L;
    const std::vector<std::string> faults = HullCheckLines(*hull);
    EXPECT_TRUE(Names(faults, "The design waterline reaches ")) << Listed(faults);
    EXPECT_TRUE(Names(faults, "past Bwl/2 (1.450 m)")) << Listed(faults);
}

TEST_F(HullCheck, NamesASectionThatCrossesItself)
{
    // Horizontal diagonals put the three points at chosen heights: out, back
    // in below the first and out again, so the curve loops.
    const long double heights[] = {0.6L, 0.15L, 0.45L};
    for (int d = 1; d <= 3; ++d) {
        hull->Diagonals[d].Y0 = 0;
        hull->Diagonals[d].Z0 = heights[d - 1];
        hull->Diagonals[d].DY = 1;
        hull->Diagonals[d].DZ = 0;
    }
    TStation& station = hull->Stations[9];
    station.KeelHeight = 0;
    station.DiagonalOffset[1] = 1.4L;
    station.DiagonalOffset[2] = 1.4L;
    station.DiagonalOffset[3] = 0.1L;
    const std::vector<std::string> faults = HullCheckLines(*hull);
    EXPECT_TRUE(Names(faults, "Station 9 crosses itself")) << Listed(faults);
}

TEST_F(HullCheck, NamesWaterlinesAndAnAreaCurveThatWiggle)
{
    // Every other station a little fuller: each waterline and the area curve
    // rise and fall from station to station.
    for (int s = 3; s <= 17; s += 2)
        for (int d = 1; d <= 3; ++d) hull->Stations[s].DiagonalOffset[d] = hull->Stations[s].DiagonalOffset[d] * 1.08L;
    const std::vector<std::string> faults = HullCheckLines(*hull);
    EXPECT_TRUE(Names(faults, "(1/2 Tc) is not fair: its curvature changes sign ")) << Listed(faults);
    EXPECT_TRUE(Names(faults, "The sectional-area curve has ")) << Listed(faults);
}

TEST_F(HullCheck, NamesASectionWiderBelowThanAtItsSheer)
{
    // Station 2's deck edge pulled in to half its beam: the topside comes back
    // in above the bilge.
    hull->Stations[2].SheerBeam = hull->Stations[2].SheerBeam * 0.5L;
    const std::vector<HullFault> faults = CheckHull(*hull);
    const auto tumblehome = std::find_if(faults.begin(), faults.end(),
                                         [](const HullFault& f) { return f.Kind == HullFaultKind::Tumblehome; });
    ASSERT_NE(tumblehome, faults.end()) << Listed(HullCheckLines(*hull));
    EXPECT_EQ(tumblehome->Station, 2);
    EXPECT_EQ(tumblehome->Text.rfind("Station 2 is ", 0), 0u) << tumblehome->Text;
    EXPECT_NE(tumblehome->Text.find(" m wider below than at its sheer: tumblehome"), std::string::npos);
    // The bulge named is what the curve shows: its widest point less its deck edge.
    const ExtendedBSpline section(kStationOutlinePoints, 4, StationOutline(*hull, 2));
    const long double bulge = section.LargestA() - hull->Stations[2].SheerBeam * 0.5L;
    EXPECT_NE(tumblehome->Text.find(FormatFixed(bulge, 3) + " m wider"), std::string::npos) << tumblehome->Text;
}

TEST_F(HullCheck, NamesAProfileThatRunsBackTowardsTheBow)
{
    // The forefoot's control points pulled ahead of the stem head: the curve
    // leaves the waterline forward again before it turns down to the keel.
    for (int p = 7; p <= 11; ++p) hull->ProfilePoints[p].x = -1.0L;
    const std::vector<HullFault> faults = CheckHull(*hull);
    const auto back = std::find_if(faults.begin(), faults.end(),
                                   [](const HullFault& f) { return f.Kind == HullFaultKind::ProfileRunsBack; });
    ASSERT_NE(back, faults.end()) << Listed(HullCheckLines(*hull));
    EXPECT_EQ(back->Text.rfind("The profile runs back ", 0), 0u) << back->Text;
    EXPECT_LT(back->FromX, 0.0L);
    EXPECT_NEAR(back->ToX, hull->Fovh, 0.05L);
    EXPECT_NE(back->Text.find(" m towards the bow between x = " + FormatFixed(back->FromX, 3) + " m and x = " +
                              FormatFixed(back->ToX, 3) + " m"),
              std::string::npos)
        << back->Text;
}

TEST_F(HullCheck, ATransomRakedAftOfItsFootIsNoProfileRunningBack)
{
    // The walk ends at the profile's aftmost point: the transom's top forward
    // of its foot is where the profile ends, not a fault.
    EXPECT_LT(WorstProfileRunBack(*hull).Distance, 1e-9L);
    hull->TransomAngle = 40;
    hull->ProfilePoints[kProfilePointCount].x = hull->Loa - 1.0L;
    EXPECT_LT(WorstProfileRunBack(*hull).Distance, 1e-9L);
}

TEST_F(HullCheck, NamesADesignWaterlineOutsideTheSheerInPlan)
{
    // The deck narrowed to 60 % of its beam amidships: the waterline stands
    // outside it over the middle body, not at the ends.
    hull->SheerPoints[2].y = hull->SheerPoints[2].y * 0.6L;
    const std::vector<HullFault> faults = CheckHull(*hull);
    const auto outside = std::find_if(faults.begin(), faults.end(), [](const HullFault& f) {
        return f.Kind == HullFaultKind::WaterlineOutsideSheer;
    });
    ASSERT_NE(outside, faults.end()) << Listed(HullCheckLines(*hull));
    EXPECT_EQ(outside->Text.rfind("The design waterline stands outside the sheer line in plan from station ", 0), 0u)
        << outside->Text;
    const std::vector<long double> by = WaterlineOutsideSheerAtStations(*hull);
    EXPECT_EQ(by.front(), 0.0L);
    EXPECT_GT(by[kMidshipStation], 0.1L);
    EXPECT_LT(outside->FromX, StationPosition(*hull, kMidshipStation));
    EXPECT_GT(outside->ToX, StationPosition(*hull, kMidshipStation));
}

TEST_F(HullCheck, TheReportBlockListsTheFaultsOrSaysThereAreNone)
{
    StringListMemo memo;
    TOutput report;
    report.SetOutputMemo(&memo);
    ASSERT_TRUE(ReportHullCheck(*hull, report));
    EXPECT_EQ(memo.Lines(), (std::vector<std::string>{"----------------- Hull Check -----------------", "",
                                                      "No faults found", ""}));
    hull->Stations[12].SheerBeam = hull->BMax * 1.1L;
    memo.ClearText();
    ReportHullCheck(*hull, report);
    EXPECT_EQ(memo.Lines().at(2), HullCheckLines(*hull).front());

    const auto empty = HullRecord::Create();
    memo.ClearText();
    EXPECT_FALSE(ReportHullCheck(*empty, report));
    EXPECT_TRUE(memo.Lines().empty());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages.front().text, "No Data Available, Run Generator");
}
