#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "BundledDesigns.h"
#include "ExternalTool.h"
#include "RecordingUi.h"
#include "TestPaths.h"
#include "analysis/ExactHydrostatics.h"
#include "export/HullOutlineExport.h"
#include "generator/GeneratorState.h"
#include "numeric/NumberText.h"

using namespace sloopform;
using namespace sloopform::test;

namespace {

constexpr long double kAgreement = 0.002L;  // 0.2 %

class StationVolumeDxf : public ::testing::TestWithParam<std::string> {};

}  // namespace

// What a CAD or stability program integrates from the exported station lines
// (about 120 segments per half-section, three decimals) is the exact volume.
TEST_P(StationVolumeDxf, ExactVolumeMatchesTheExportedStationLines)
{
    TempDir dir;
    const auto path = dir / "hull.dxf";
    RecordingUi ui;
    auto hull = GeneratedBundledDesign(GetParam());
    ASSERT_TRUE(hull->HullComplete);
    ui.saveAnswers.push_back(path.string());
    ExportHullOutlines(*hull);
    ResetGeneratorState();

    const auto script = SourceDir() / "tests" / "core" / "export" / "station_volume_dxf.py";
    const ToolResult result = RunTool("/usr/bin/python3 " + ShellQuoted(script.string()) + " " +
                                      ShellQuoted(path.string()) + " " + FormatFixed(hull->Tc, 6));
    ASSERT_EQ(result.exitCode, 0) << result.output;
    const auto at = result.output.find("volume ");
    ASSERT_NE(at, std::string::npos) << result.output;
    const long double dxfVolume = std::stold(result.output.substr(at + 7));

    const long double exact = ComputeExactHydrostatics(*hull).Volume;
    EXPECT_NEAR(exact, dxfVolume, kAgreement * dxfVolume) << result.output;
    RecordProperty("dxf_volume", result.output);
}

INSTANTIATE_TEST_SUITE_P(BundledDesigns, StationVolumeDxf,
                         ::testing::ValuesIn(BundledDesignNames()),
                         [](const auto& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });
