#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BundledDesigns.h"
#include "RecordingUi.h"
#include "analysis/ExactHydrostatics.h"
#include "analysis/ExactHydrostaticsReport.h"
#include "analysis/Hydrostatics.h"
#include "generator/GeneratorState.h"
#include "generator/Output.h"
#include "numeric/NumberText.h"

using namespace sloopform;

namespace {

std::vector<std::string> Report(const HullRecord& hull, bool expectWritten)
{
    StringListMemo memo;
    TOutput report;
    report.SetOutputMemo(&memo);
    EXPECT_EQ(ReportExactHydrostatics(hull, report), expectWritten);
    return memo.Lines();
}

std::string Value(long double value) { return FormatFixed(value, 3, 10); }

}  // namespace

TEST(ExactHydrostaticsReport, WritesTheHullDataLayoutWithTheExactFigures)
{
    test::RecordingUi ui;
    auto hull = test::GeneratedBundledDesign("cruiser-10m");
    ResetGeneratorState();

    const ExactHydrostatics h = ComputeExactHydrostatics(*hull);
    const long double described = ComputeHydrostatics(*hull).Volume;
    const std::vector<std::string> lines = Report(*hull, true);
    ASSERT_EQ(lines.size(), 61u);
    EXPECT_EQ(lines[1], "----------------- Hull Data (exact integration) -----------------");
    EXPECT_EQ(lines[10], "Volume " + Value(h.Volume) + " m³");
    EXPECT_EQ(lines[11], "Volume Difference " + Value(100 * (h.Volume - described) / described) +
                             " % (against Hydrostatics)");
    EXPECT_EQ(lines[12], "Water Density   1025.000 kg/m³");
    EXPECT_EQ(lines[20], "LCF" + Value(h.LCF) + " %");
    EXPECT_EQ(lines[22], "Wetted Surface " + Value(h.WettedSurface) + " m²");
    EXPECT_EQ(lines[27], "Waterplane     Cwl " + Value(h.Cwl));
    EXPECT_EQ(lines[34], "MCT-1cm " + Value(h.MCT) + " kg m (BML based)");
    EXPECT_EQ(lines[37], "Sta        Tc        Bwl       Area       Vca ");
    const ExactStation& midship = h.Stations[10];
    EXPECT_EQ(lines[48], "  10" + Value(midship.Depth) + Value(midship.WaterlineBeam) +
                             Value(midship.SectionArea) + Value(midship.SectionVca));
    EXPECT_EQ(lines[59], "-------------------------------------------------------------");
    EXPECT_TRUE(ui.messages.empty());
}

TEST(ExactHydrostaticsReport, RefusesAHullThatWasNotGenerated)
{
    test::RecordingUi ui;
    EXPECT_TRUE(Report(*HullRecord::Create(), false).empty());
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"No Data Available, Run Generator"});
}
