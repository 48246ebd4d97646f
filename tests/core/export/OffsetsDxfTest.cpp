#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "BundledDesigns.h"
#include "ExternalTool.h"
#include "RecordingUi.h"
#include "TestPaths.h"
#include "analysis/Offsets.h"
#include "export/HullOutlineExport.h"
#include "export/OffsetsCsv.h"
#include "generator/GeneratorState.h"

using namespace sloopform;
using namespace sloopform::test;

namespace {

constexpr double kAgreement = 0.001;     // 1 mm
constexpr double kCsvRounding = 0.0005;  // three decimals
// The DXF coordinates have three decimals too: where a section meets a line
// at less than this, rounding its other coordinate moves the crossing along
// the line by more than it moves the coordinate itself.
constexpr double kSteepEnoughDegrees = 45;

class OffsetsDxf : public ::testing::TestWithParam<std::string> {};

// What the script printed on lines starting with `tag`, split into words.
std::vector<std::vector<std::string>> Tagged(const std::string& output, const std::string& tag)
{
    std::vector<std::vector<std::string>> lines;
    std::istringstream text(output);
    std::string line;
    while (std::getline(text, line)) {
        std::istringstream words(line);
        std::vector<std::string> split;
        for (std::string word; words >> word;) split.push_back(word);
        if (!split.empty() && split[0] == tag) lines.emplace_back(split.begin() + 1, split.end());
    }
    return lines;
}

double Number(const std::string& word) { return word == "-" ? NAN : std::stod(word); }

void ExpectCell(double readBack, const std::optional<long double>& value, const std::string& where)
{
    if (!value) {
        EXPECT_TRUE(std::isnan(readBack)) << where;
        return;
    }
    EXPECT_NEAR(readBack, static_cast<double>(*value), kCsvRounding + 1e-9) << where;
}

// The table's value of a WL or BT column (from 5 on) of a station.
std::optional<long double> TableCell(const StationOffsets& row, std::size_t column)
{
    const std::size_t i = column - 5;
    return i < row.HalfBreadths.size() ? row.HalfBreadths[i] : row.Heights[i - row.HalfBreadths.size()];
}

}  // namespace

// A builder lofting from the table or from the DXF station lines gets the
// same sections; the CSV holds the table's numbers.
TEST_P(OffsetsDxf, TheTableAgreesWithTheExportedStationLines)
{
    TempDir dir;
    const auto dxf = dir / "hull.dxf";
    const auto csv = dir / "offsets.csv";
    RecordingUi ui;
    auto hull = GeneratedBundledDesign(GetParam());
    ASSERT_TRUE(hull->HullComplete);
    ui.saveAnswers.push_back(dxf.string());
    ExportHullOutlines(*hull);
    ui.saveAnswers.push_back(csv.string());
    ExportOffsets(*hull, {});
    ResetGeneratorState();
    ASSERT_TRUE(ui.errors.empty()) << ui.errors.front().message;

    const auto script = SourceDir() / "tests" / "core" / "export" / "check_offsets_dxf.py";
    const ToolResult result = RunTool("/usr/bin/python3 " + ShellQuoted(script.string()) + " " +
                                      ShellQuoted(dxf.string()) + " " + ShellQuoted(csv.string()));
    ASSERT_EQ(result.exitCode, 0) << result.output;
    const OffsetsTable table = ComputeOffsets(*hull, DefaultOffsetLevels(*hull));
    const auto rows = Tagged(result.output, "row");
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(kStationCount));
    for (const StationOffsets& station : table.Stations) {
        std::vector<double> row;
        for (const std::string& word : rows[static_cast<std::size_t>(station.Station)]) row.push_back(Number(word));
        const std::string where = "station " + std::to_string(station.Station);
        ASSERT_EQ(row.size(), 5 + station.HalfBreadths.size() + station.Heights.size()) << where;
        EXPECT_EQ(row[0], station.Station);
        ExpectCell(row[1], station.X, where + " x");
        ExpectCell(row[2], station.KeelZ, where + " keel");
        ExpectCell(row[3], station.SheerY, where + " sheer y");
        ExpectCell(row[4], station.SheerZ, where + " sheer z");
        std::size_t column = 5;
        for (const auto& y : station.HalfBreadths) ExpectCell(row[column++], y, where + " WL");
        for (const auto& z : station.Heights) ExpectCell(row[column++], z, where + " BT");
    }

    // Every cell against the DXF's station line, in full precision.
    double worst = 0;
    int compared = 0;
    const std::vector<long double> levels = [&] {
        std::vector<long double> all = table.Levels.Waterlines;
        all.insert(all.end(), table.Levels.Buttocks.begin(), table.Levels.Buttocks.end());
        return all;
    }();
    for (const auto& cell : Tagged(result.output, "dxf")) {
        ASSERT_EQ(cell.size(), 5u);
        const auto& station = table.Stations[std::stoul(cell[0])];
        const std::size_t column = std::stoul(cell[1]);
        const std::optional<long double> value = TableCell(station, column);
        const double dxf = Number(cell[2]);
        const std::string where = "station " + cell[0] + " column " + cell[1];
        if (std::isnan(dxf)) {
            // The DXF's sampled sections stop a little short of the sheer.
            if (value) {
                EXPECT_LT(std::stod(cell[4]), static_cast<double>(levels[column - 5]) + kAgreement) << where;
            }
            continue;
        }
        ASSERT_TRUE(value) << where << ": the DXF meets the line at " << dxf;
        if (Number(cell[3]) < kSteepEnoughDegrees) continue;
        worst = std::max(worst, std::fabs(dxf - static_cast<double>(*value)));
        ++compared;
    }
    EXPECT_GT(compared, 100);
    EXPECT_LT(worst, kAgreement);
    RecordProperty("offsets_dxf", "cells " + std::to_string(compared) + " deviation " + std::to_string(worst));
}

INSTANTIATE_TEST_SUITE_P(BundledDesigns, OffsetsDxf, ::testing::ValuesIn(BundledDesignNames()),
                         [](const auto& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });
