#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BundledDesigns.h"
#include "RecordingUi.h"
#include "analysis/Hydrostatics.h"
#include "analysis/HydrostaticsReport.h"
#include "generator/GeneratorState.h"
#include "generator/Output.h"
#include "numeric/NumberText.h"

using namespace sloopform;

namespace {

constexpr long double kVolumeTolerance = 0.05L;  // m³

}  // namespace

TEST(GeneratedHullHydrostatics, BundledDesignsMeetTheirVolumeAndLCB)
{
    for (const std::string& name : test::BundledDesignNames()) {
        SCOPED_TRACE(name);
        test::RecordingUi ui;
        auto hull = test::GeneratedBundledDesign(name);
        ASSERT_TRUE(hull->HullComplete);

        const Hydrostatics h = ComputeHydrostatics(*hull);
        const long double requested = hull->Cp * hull->Lwl * hull->Bwl * hull->Tc * hull->Cm;
        EXPECT_NEAR(h.Volume, requested, kVolumeTolerance);
        EXPECT_NEAR(h.LCB, hull->LCB, hull->PercentageGoal);
        EXPECT_NEAR(h.Cm, hull->Cm, 0.02);

        StringListMemo memo;
        TOutput report;
        report.SetOutputMemo(&memo);
        ASSERT_TRUE(ReportHydrostatics(*hull, report));
        const std::vector<std::string> lines = memo.Lines();
        ASSERT_EQ(lines.size(), 59u);
        EXPECT_EQ(lines[10], "Volume " + FormatFixed(h.Volume, 3, 10) + " m³");
        EXPECT_EQ(lines[14], "LCB " + FormatFixed(h.LCB, 3, 10) + " %");
        EXPECT_EQ(lines[19], "LCF" + FormatFixed(h.LCF, 3, 10) + " %");
        EXPECT_EQ(lines[25], "Waterplane     Cwl " + FormatFixed(h.Cwl, 3, 10));
        EXPECT_TRUE(ui.errors.empty());
    }
    ResetGeneratorState();
}
