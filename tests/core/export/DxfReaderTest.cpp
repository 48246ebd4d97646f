#include <gtest/gtest.h>

#include "DxfChecker.h"
#include "HandMadeHull.h"
#include "RecordingUi.h"
#include "TestPaths.h"
#include "export/HullOutlineExport.h"

using namespace sloopform;
using namespace sloopform::test;

namespace {

const std::map<std::string, int> kCompleteHull = {
    {"Waterline", 40}, {"Profile", 459}, {"Sheerline", 118}, {"Transom", 239}, {"Stations", 4998}};

}  // namespace

TEST(DxfReader, ReadsTheOutlinesOfAHandMadeHull)
{
    TempDir dir;
    const auto path = dir / "hull.dxf";
    const auto hull = HandMadeHull();
    RecordingUi ui;
    ui.saveAnswers.push_back(path.string());
    ExportHullOutlines(*hull);

    // The hand-made control polygons lie inside the box, so their curves do too.
    const HullBox box{hull->Loa, hull->BMax / 2, hull->Tc + hull->FreeBow, 0.0005L};
    const DxfCheck check = CheckDxfWithEzdxf(path, box, kCompleteHull);
    EXPECT_EQ(check.exitCode, 0) << check.output;
}

TEST(DxfReader, CatchesWrongCountsAndPointsOutsideTheBox)
{
    TempDir dir;
    const auto path = dir / "hull.dxf";
    auto hull = HandMadeHull();
    hull->SheerPoints[2].y = 3.0L;  // pulls the sheer beyond half of BMax
    RecordingUi ui;
    ui.saveAnswers.push_back(path.string());
    ExportHullOutlines(*hull);

    const HullBox box{hull->Loa, hull->BMax / 2, hull->Tc + hull->FreeBow, 0.0005L};
    auto counts = kCompleteHull;
    counts["Profile"] = 458;
    const DxfCheck check = CheckDxfWithEzdxf(path, box, counts);
    EXPECT_EQ(check.exitCode, 1) << check.output;
    EXPECT_NE(check.output.find("FAIL y beyond the hull's box"), std::string::npos) << check.output;
    EXPECT_NE(check.output.find("FAIL expected layers"), std::string::npos) << check.output;
}

TEST(DxfReader, ReadsAnExportMadeBeforeGeneration)
{
    TempDir dir;
    const auto path = dir / "empty.dxf";
    RecordingUi ui;
    ui.saveAnswers.push_back(path.string());
    ExportHullOutlines(*HullRecord::Create());

    const DxfCheck check = CheckDxfWithEzdxf(path, {0, 0, 0, 0}, {});
    EXPECT_EQ(check.exitCode, 0) << check.output;
}
