#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "BundledDesigns.h"
#include "DxfChecker.h"
#include "DxfEntities.h"
#include "ExportTestFiles.h"
#include "RecordingUi.h"
#include "TestPaths.h"
#include "export/Gf1Export.h"
#include "export/HullOutlineExport.h"
#include "platform/RunControl.h"

using namespace sloopform;
using namespace sloopform::test;

namespace {

// Overshoot allowed beyond the hull's box, in metres. Transom control points
// a little aft of Loa carry a raked transom up to about a millimetre past it.
constexpr long double kOvershoot = 0.002L;

class GeneratedHullExport : public ::testing::TestWithParam<std::string> {
protected:
    // A fresh run from program start, so every design sees the same generator.
    // The caller's RecordingUi takes whatever the run shows.
    static std::unique_ptr<HullRecord> Generate(const std::string& name)
    {
        ResetCancel();
        auto hull = GeneratedBundledDesign(name);
        EXPECT_TRUE(hull->HullComplete && hull->TransomDone) << name << " did not generate";
        return hull;
    }

    static std::map<std::string, int> CompleteLayers()
    {
        return {{"Waterline", 40}, {"Profile", 459}, {"Sheerline", 118}, {"Transom", 239},
                {"Stations", 4998}};
    }
};

}  // namespace

TEST_P(GeneratedHullExport, DxfHoldsEveryOutlineInsideTheHullsBox)
{
    TempDir dir;
    const auto path = dir / "hull.dxf";
    RecordingUi ui;
    ui.saveAnswers.push_back(path.string());
    ExportHullOutlines(*BundledDesign(GetParam()));
    EXPECT_TRUE(ReadDxfEntities(path).empty()) << "an ungenerated hull has outlines";

    const auto hull = Generate(GetParam());
    ui.saveAnswers.push_back(path.string());
    ExportHullOutlines(*hull);
    EXPECT_TRUE(ui.errors.empty());
    const auto entities = ReadDxfEntities(path);
    EXPECT_EQ(entities.size(), 5854u);
    EXPECT_EQ(EntitiesPerLayer(entities), CompleteLayers());

    const long double highestFreeboard = std::max({hull->FreeBow, hull->FreeCenter, hull->FreeAft});
    const HullBox box{hull->Loa, hull->BMax / 2, hull->Tc + highestFreeboard, kOvershoot};
    const DxfCheck check = CheckDxfWithEzdxf(path, box, CompleteLayers());
    EXPECT_EQ(check.exitCode, 0) << check.output;
    RecordProperty("ezdxf", check.output);
}

TEST_P(GeneratedHullExport, Gf1HasTheHullsSectionsBetweenBowAndStern)
{
    TempDir dir;
    const auto path = dir / "hull.gf1";
    RecordingUi ui;
    const auto hull = Generate(GetParam());
    WriteGF1(*hull, path.string());
    const auto lines = CrLfLines(path);
    ASSERT_EQ(lines.size(), 702u);

    const std::map<std::string, std::string> lengths = {
        {"cruiser-10m", "34.440"}, {"daysailer-6m", "21.320"}, {"racer-12m", "40.016"}};
    const std::string loa = lengths.at(GetParam());
    EXPECT_EQ(lines[2], "L:" + loa);
    EXPECT_EQ(lines[8], "0.0, 2.0");
    EXPECT_EQ(lines[683], loa + ", 2.0");

    long double previous = 0;
    for (int k = 0; k <= 20; ++k) {
        const auto block = lines.begin() + 11 + 32 * k;
        const long double x = std::stold(block[0]);
        EXPECT_NEAR(x, (hull->Fovh + 0.05L * k * hull->Lwl) * 3.28L, 0.001L) << "station " << k;
        EXPECT_GT(x, previous);
        previous = x;
        EXPECT_EQ(block[0].substr(block[0].find(',')), ", 31.0");
        EXPECT_EQ(block[1].substr(0, 6), "0.000,") << "station " << k;
        const std::string& sheer = block[30];
        EXPECT_EQ(block[31], "0.0," + sheer.substr(sheer.find(',') + 1)) << "station " << k;
    }
    EXPECT_LT(previous, std::stold(loa));
}

INSTANTIATE_TEST_SUITE_P(BundledDesigns, GeneratedHullExport,
                         ::testing::ValuesIn(BundledDesignNames()),
                         [](const auto& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });
