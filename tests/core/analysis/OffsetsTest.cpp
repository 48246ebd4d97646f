#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BundledDesigns.h"
#include "RecordingUi.h"
#include "analysis/ExactHydrostatics.h"
#include "analysis/OffsetLevelsText.h"
#include "analysis/Offsets.h"
#include "analysis/OffsetsReport.h"
#include "export/OffsetsCsv.h"
#include "generator/Output.h"
#include "model/StationOutline.h"

using namespace sloopform;

namespace {

class GeneratedCruiser : public ::testing::Test {
protected:
    const HullRecord& hull = test::SharedGeneratedDesign("cruiser-10m");
};

}  // namespace

TEST_F(GeneratedCruiser, DefaultLevelsStepByQuartersOfTheDraftAndEighthsOfTheHalfBeam)
{
    const OffsetLevels levels = DefaultOffsetLevels(hull);
    const long double tc = hull.Tc;
    ASSERT_GE(levels.Waterlines.size(), 3u);
    // The design waterline itself, then the two freeboard steps up to the midship sheer.
    const std::size_t dwl = levels.Waterlines.size() - 3;
    EXPECT_EQ(levels.Waterlines[dwl], tc);
    EXPECT_NEAR(static_cast<double>(levels.Waterlines.back()),
                static_cast<double>(hull.Stations[kMidshipStation].SheerHeight), 0.0005);
    for (std::size_t i = 1; i <= dwl; ++i)
        EXPECT_NEAR(static_cast<double>(levels.Waterlines[i] - levels.Waterlines[i - 1]),
                    static_cast<double>(tc / 4), 0.001);
    ASSERT_EQ(levels.Buttocks.size(), 7u);
    EXPECT_NEAR(static_cast<double>(levels.Buttocks[3]), static_cast<double>(hull.BMax / 4), 0.0005);
}

TEST_F(GeneratedCruiser, TheDesignWaterlineGivesTheExactWaterlineBeams)
{
    const OffsetsTable table = ComputeOffsets(hull, {{hull.Tc}, {}});
    const ExactHydrostatics exact = ComputeExactHydrostatics(hull);
    for (int s = 1; s < kLastStation; ++s) {
        const auto& halfBreadth = table.Stations[static_cast<std::size_t>(s)].HalfBreadths[0];
        ASSERT_TRUE(halfBreadth) << s;
        EXPECT_NEAR(static_cast<double>(2 * *halfBreadth),
                    static_cast<double>(exact.Stations[static_cast<std::size_t>(s)].WaterlineBeam), 1e-12)
            << s;
    }
}

TEST_F(GeneratedCruiser, KeelAndSheerAreTheOutlineEnds)
{
    const OffsetsTable table = ComputeOffsets(hull, {});
    for (int s = 0; s <= kLastStation; ++s) {
        const TPointBlock2 outline = StationOutline(hull, s);
        const StationOffsets& row = table.Stations[static_cast<std::size_t>(s)];
        EXPECT_EQ(row.Station, s);
        EXPECT_EQ(row.KeelZ, static_cast<long double>(outline[1].y));
        EXPECT_EQ(row.SheerY, static_cast<long double>(outline[kStationOutlinePoints].x));
        EXPECT_EQ(row.SheerZ, static_cast<long double>(outline[kStationOutlinePoints].y));
    }
}

TEST_F(GeneratedCruiser, LinesThatMissAStationLeaveItsCellEmpty)
{
    const StationOffsets midship = ComputeOffsets(hull, {}).Stations[kMidshipStation];
    const long double keel = midship.KeelZ;
    const OffsetLevels levels{{keel - 0.01L, keel, midship.SheerZ + 0.01L, (keel + midship.SheerZ) / 2},
                              {midship.SheerY + 0.01L, midship.SheerY / 2}};
    const StationOffsets row = ComputeOffsets(hull, levels).Stations[kMidshipStation];
    EXPECT_FALSE(row.HalfBreadths[0]);     // below the keel
    EXPECT_EQ(row.HalfBreadths[1], 0.0L);  // touches the keel on the centre plane
    EXPECT_FALSE(row.HalfBreadths[2]);     // above the sheer
    ASSERT_TRUE(row.HalfBreadths[3]);
    EXPECT_GT(*row.HalfBreadths[3], 0);
    EXPECT_FALSE(row.Heights[0]);  // outside the sheer
    ASSERT_TRUE(row.Heights[1]);
    EXPECT_GT(*row.Heights[1], keel);
    EXPECT_LT(*row.Heights[1], midship.SheerZ);

    const std::vector<std::string> csv = OffsetsCsvLines(ComputeOffsets(hull, levels));
    const std::string& line = csv[1 + kMidshipStation];
    EXPECT_EQ(line.substr(0, 3), "10,");
    EXPECT_NE(line.find(",,"), std::string::npos);
    EXPECT_EQ(csv[0].substr(0, 33), "station,x,keel_z,sheer_y,sheer_z,");
}

TEST_F(GeneratedCruiser, TheReportBlockTabulatesBothHalves)
{
    test::RecordingUi ui;
    StringListMemo memo;
    TOutput report;
    report.SetOutputMemo(&memo);
    ASSERT_TRUE(ReportOffsets(hull, {{0.5L}, {0.4L}}, report));
    const std::vector<std::string>& lines = memo.Lines();
    ASSERT_EQ(lines.size(), 2u + 2 * 23 + 1 + 2);
    EXPECT_EQ(lines[1].find("Offsets Table") != std::string::npos, true);
    EXPECT_EQ(lines[3], "Sta          x  WL 0.500     Sheer");
    EXPECT_EQ(lines[27], "Sta          x      Keel  BT 0.400     Sheer");
    EXPECT_TRUE(ui.messages.empty());
}

TEST(Offsets, AnUngeneratedHullGetsNoTable)
{
    test::RecordingUi ui;
    auto hull = test::BundledDesign("cruiser-10m");
    StringListMemo memo;
    TOutput report;
    report.SetOutputMemo(&memo);
    EXPECT_FALSE(ReportOffsets(*hull, {}, report));
    EXPECT_TRUE(memo.Lines().empty());
    ui.saveAnswers.push_back("never-written.csv");
    ExportOffsets(*hull, {});
    EXPECT_EQ(ui.MessageTexts(), (std::vector<std::string>{"No Data Available, Run Generator",
                                                           "No Data Available, Run Generator"}));
    EXPECT_TRUE(ui.saveRequests.empty());
}

TEST(OffsetLevelsText, ReadsWaterlinesAndButtocksEitherSideOfTheColon)
{
    const ParsedOffsetLevels both = ParseOffsetLevels("0.2, 0.45,1:0.3");
    ASSERT_TRUE(both.Levels) << both.Error;
    EXPECT_EQ(both.Levels->Waterlines, (std::vector<long double>{0.2L, 0.45L, 1.0L}));
    EXPECT_EQ(both.Levels->Buttocks, (std::vector<long double>{0.3L}));
    const ParsedOffsetLevels defaults = ParseOffsetLevels(":");
    ASSERT_TRUE(defaults.Levels);
    EXPECT_TRUE(defaults.Levels->Waterlines.empty());
    EXPECT_TRUE(defaults.Levels->Buttocks.empty());
    for (const char* bad : {"0.2,0.4", "0.2,,0.4:", "0.2,x:0.1", "0.2:0", "0.2:-0.1", "0.2:0.1:0.3"})
        EXPECT_FALSE(ParseOffsetLevels(bad).Levels) << bad;
}

TEST(Offsets, AHullWithoutDraughtHasOnlyItsDesignWaterline)
{
    const auto empty = HullRecord::Create();
    EXPECT_EQ(DefaultOffsetLevels(*empty).Waterlines, std::vector<long double>{0});
}
