#include "analysis/DesignCheck.h"

#include <gtest/gtest.h>

#include <cmath>

#include "BundledDesigns.h"
#include "RecordingUi.h"
#include "analysis/ExactHydrostatics.h"
#include "analysis/Hydrostatics.h"
#include "generator/Output.h"
#include "generator/RunGeneration.h"

using namespace sloopform;

namespace {

std::unique_ptr<HullRecord> RobustCruiser()
{
    auto hull = test::BundledDesign("cruiser-10m");
    TOutput console;
    RunGeneration(*hull, console, GoalAccuracies{}, GeneratorMethod::Robust);
    return hull;
}

}  // namespace

TEST(DesignCheck, SetsTheRequestAgainstBothMeasuresAndJudgesByTheExactOne)
{
    test::RecordingUi ui;
    const auto hull = test::GeneratedBundledDesign("cruiser-10m");
    const std::vector<DesignCheckRow> rows = CheckDesign(*hull);
    ASSERT_EQ(rows.size(), 6u);
    const char* figures[] = {"Volume", "Displacement", "LCB", "Cm", "Cwl", "LCF"};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].Figure, figures[i]);
        EXPECT_EQ(rows[i].Met, std::fabs(rows[i].Exact - rows[i].Requested) <= rows[i].Goal) << figures[i];
    }
    const long double volume = hull->Cp * hull->Cm * hull->Lwl * hull->Bwl * hull->Tc;
    EXPECT_EQ(rows[0].Requested, volume);
    EXPECT_EQ(rows[0].Goal, 0.005L * volume);
    EXPECT_EQ(rows[1].Requested, volume * hull->WaterDensity);
    EXPECT_EQ(rows[0].Hydrostatics, ComputeHydrostatics(*hull).Volume);
    EXPECT_EQ(rows[5].Exact, ComputeExactHydrostatics(*hull).LCF);
    EXPECT_EQ(rows[4].Requested, hull->Cwp);
}

TEST(DesignCheck, TheVerdictNamesTheFigureMissedByTheMostGoals)
{
    std::vector<DesignCheckRow> rows = {{"Volume", "m3", 5.584L, 5.6L, 5.6L, 0.028L, true},
                                        {"LCB", "%", 53, 53, 53.02L, 0.1L, true}};
    EXPECT_EQ(DesignCheckVerdict(rows), "All requested figures met");
    rows.push_back({"Cwl", "", 0.72L, 0.72L, 0.745L, 0.01L, false});    // 2.5 goals
    rows.push_back({"LCF", "%", 55, 55, 55.612L, 0.1L, false});         // 6.1 goals
    EXPECT_EQ(DesignCheckVerdict(rows), "Largest miss: LCF 55.612 % against 55.000 % (goal 0.100 %)");
}

TEST(DesignCheck, TheReportBlockOfARobustHullMeetsEveryFigure)
{
    test::RecordingUi ui;
    const auto hull = RobustCruiser();
    ASSERT_TRUE(hull->HullComplete);
    StringListMemo memo;
    TOutput report;
    report.SetOutputMemo(&memo);
    ASSERT_TRUE(ReportDesignCheck(*hull, report));
    const std::vector<std::string> lines = memo.Lines();
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[0], "----------------- Design Check -----------------");
    for (std::size_t i = 3; i < 9; ++i) EXPECT_EQ(lines[i].substr(lines[i].size() - 5), "  met") << lines[i];
    EXPECT_EQ(lines[10], "All requested figures met");

    const auto empty = HullRecord::Create();
    EXPECT_FALSE(ReportDesignCheck(*empty, report));
    EXPECT_EQ(ui.messages.back().text, "No Data Available, Run Generator");
}
