#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "BatchRunner.h"
#include "TestPaths.h"
#include "numeric/NumberText.h"

using namespace sloopform;
using namespace sloopform::test;

namespace {

std::vector<std::string> Cells(const std::string& line)
{
    std::vector<std::string> cells;
    std::size_t start = 0;
    for (std::size_t comma; (comma = line.find(',', start)) != std::string::npos; start = comma + 1)
        cells.push_back(line.substr(start, comma - start));
    cells.push_back(line.substr(start));
    return cells;
}

std::string CellOf(const nlohmann::json& value)
{
    return value.is_null() ? "" : FormatFixed(value.get<double>(), 3);
}

}  // namespace

TEST(BatchOffsets, TheCsvOnStandardOutputHoldsTheJsonsTable)
{
    TempDir dir;
    const auto result =
        RunBatch({"run", ExampleProject("cruiser-10m").string(), "--quiet", "--offsets", "-",
                  "--offsets-levels", "0.2,0.5,3:0.3,9", "--json", (dir / "r.json").string()});
    ASSERT_EQ(result.status, 0) << result.err;
    const std::vector<std::string> lines = result.OutLines();
    ASSERT_EQ(lines.size(), 22u);
    EXPECT_EQ(lines[0], "station,x,keel_z,sheer_y,sheer_z,WL 0.200,WL 0.500,WL 3.000,BT 0.300,BT 9.000");

    const auto offsets = nlohmann::json::parse(ReadFileBytes(dir / "r.json"))["offsets"];
    EXPECT_EQ(offsets["waterlines"].size(), 3u);
    ASSERT_EQ(offsets["stations"].size(), 21u);
    for (std::size_t s = 0; s < 21; ++s) {
        const auto& station = offsets["stations"][s];
        const std::vector<std::string> cells = Cells(lines[s + 1]);
        ASSERT_EQ(cells.size(), 10u) << lines[s + 1];
        EXPECT_EQ(cells[0], std::to_string(s));
        EXPECT_EQ(cells[1], CellOf(station["x"]));
        EXPECT_EQ(cells[2], CellOf(station["keel_z"]));
        EXPECT_EQ(cells[4], CellOf(station["sheer_z"]));
        for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(cells[5 + i], CellOf(station["half_breadths"][i]));
        for (std::size_t i = 0; i < 2; ++i) EXPECT_EQ(cells[8 + i], CellOf(station["heights"][i]));
        // Nothing reaches 3 m up or 9 m out.
        EXPECT_EQ(cells[7], "");
        EXPECT_EQ(cells[9], "");
    }
    EXPECT_NE(lines[11].find(",,"), std::string::npos);
}

TEST(BatchOffsets, DefaultLevelsGoToAFileAndBadLevelsAreRefused)
{
    TempDir dir;
    const auto result = RunBatch({"run", ExampleProject("daysailer-6m").string(), "--quiet",
                                  "--offsets", (dir / "o.csv").string()});
    ASSERT_EQ(result.status, 0) << result.err;
    const std::string text = ReadFileBytes(dir / "o.csv");
    EXPECT_EQ(text.rfind("station,x,keel_z,sheer_y,sheer_z,WL ", 0), 0u);
    EXPECT_NE(text.find(",BT "), std::string::npos);
    EXPECT_NE(text.find("\r\n20,"), std::string::npos);

    for (const char* bad : {"0.2,0.4", "0.2,x:0.3", "0.2:0", ":-1"}) {
        const auto refused = RunBatch({"run", ExampleProject("daysailer-6m").string(), "--offsets",
                                       "-", "--offsets-levels", bad});
        EXPECT_EQ(refused.status, 2) << bad;
        EXPECT_NE(refused.err.find("--offsets-levels"), std::string::npos) << refused.err;
    }
    const auto alone = RunBatch({"run", ExampleProject("daysailer-6m").string(), "--offsets-levels", "0.2:0.3"});
    EXPECT_EQ(alone.status, 2);
    EXPECT_EQ(RunBatch({"quickcalc", ExampleProject("daysailer-6m").string(), "--offsets", "-"}).status, 2);
}

TEST(BatchScale, TheSvgIsDrawnInMillimetresAtTheScale)
{
    TempDir dir;
    const std::string project = ExampleProject("cruiser-10m").string();
    for (const char* scale : {"1:10", "1:20"}) {
        const auto result = RunBatch({"run", project, "--quiet", "--svg", "-", "--scale", scale});
        ASSERT_EQ(result.status, 0) << result.err;
        const auto width = result.out.find(" width=\"");
        ASSERT_NE(width, std::string::npos);
        const double mm = std::stod(result.out.substr(width + 8));
        EXPECT_EQ(result.out.substr(result.out.find("mm\"", width), 3), "mm\"");
        // Loa, the body plan and the margins: 15.16 m at 1:N.
        EXPECT_NEAR(mm, std::string(scale) == "1:10" ? 1516 : 758, 0.01) << scale;
        EXPECT_NE(result.out.find(std::string("Scale ") + scale), std::string::npos);
        EXPECT_NE(result.out.find("cruiser-10m.sfp"), std::string::npos);
    }
    for (const char* bad : {"10", "1:0", "1:x", "2:10"})
        EXPECT_EQ(RunBatch({"run", project, "--svg", "-", "--scale", bad}).status, 2) << bad;
    EXPECT_EQ(RunBatch({"run", project, "--scale", "1:10"}).status, 2);
}

TEST(BatchCombs, TheSvgLinesPlanGainsCurvatureCombsAndMarksWhatTheHullCheckFaults)
{
    const std::string project = ExampleProject("cruiser-10m").string();
    const auto plain = RunBatch({"run", project, "--quiet", "--svg", "-"});
    const auto combed = RunBatch({"run", project, "--quiet", "--svg", "-", "--combs"});
    ASSERT_EQ(plain.status, 0) << plain.err;
    ASSERT_EQ(combed.status, 0) << combed.err;
    // Every comb tooth and every piece of the line through the tips is drawn
    // too: thousands of lines more than the plan itself.
    EXPECT_GT(combed.out.size(), 2 * plain.out.size());
    // The bundled cruiser is fair: nothing is marked in red.
    EXPECT_EQ(plain.out.find("#ff0000"), std::string::npos);
    EXPECT_EQ(RunBatch({"run", project, "--combs"}).status, 2);
}
