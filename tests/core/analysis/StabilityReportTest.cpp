#include <gtest/gtest.h>

#include "BundledDesigns.h"
#include "RecordingUi.h"
#include "analysis/StabilityReport.h"
#include "generator/Output.h"

using namespace sloopform;

namespace {

std::vector<std::string> Block(const HullRecord& hull, const std::optional<Real48>& vcg)
{
    StringListMemo memo;
    TOutput report;
    report.SetOutputMemo(&memo);
    ReportStability(hull, vcg, report);
    return memo.Lines();
}

}  // namespace

// The summary, then the curve every 10 degrees: 19 rows under two headings.
TEST(StabilityReport, SummaryThenTheCurveEveryTenDegrees)
{
    const HullRecord& hull = test::SharedGeneratedDesign("cruiser-10m");
    test::RecordingUi ui;
    const std::vector<std::string> lines = Block(hull, Real48(0.35L));
    ASSERT_EQ(lines.size(), 11u + 1 + 2 + 19 + 1);
    EXPECT_EQ(lines[1], "  VCG                             0.350 m");
    EXPECT_EQ(lines[5].rfind("  Angle of vanishing stability    129.3 deg", 0), 0u);
    EXPECT_EQ(lines[14], "    0.0    0.000      0.0     0.00    0.000");
    // Upside down GZ rounds to zero, without a sign.
    EXPECT_EQ(lines[32].substr(0, 16), "  180.0    0.000");
    EXPECT_TRUE(ui.messages.empty());
}

// Without a VCG, or with one above the sheer, the block says so; an
// ungenerated hull is told as every report block tells it.
TEST(StabilityReport, SaysWhyThereIsNoCurve)
{
    const HullRecord& hull = test::SharedGeneratedDesign("cruiser-10m");
    test::RecordingUi ui;
    EXPECT_EQ(Block(hull, std::nullopt)[1], "No VCG given: set it in the Stability window");
    EXPECT_EQ(Block(hull, Real48(3)).at(1).rfind("VCG 3.000 m lies above the sheer", 0), 0u);
    EXPECT_TRUE(Block(*HullRecord::Create(), Real48(0.35L)).empty());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "No Data Available, Run Generator");
}
