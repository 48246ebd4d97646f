#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "BundledDesigns.h"
#include "ExternalTool.h"
#include "RecordingUi.h"
#include "TestPaths.h"
#include "export/LinesPlanDxf.h"
#include "model/HullOutlines.h"
#include "numeric/NumberText.h"

using namespace sloopform;
using namespace sloopform::test;

namespace {

// A DXF file's group pairs: code, value.
std::vector<std::pair<int, std::string>> Groups(const std::string& bytes)
{
    std::vector<std::pair<int, std::string>> groups;
    std::istringstream lines(bytes);
    std::string code, value;
    while (std::getline(lines, code) && std::getline(lines, value)) {
        if (!value.empty() && value.back() == '\r') value.pop_back();
        groups.emplace_back(std::stoi(code), value);
    }
    return groups;
}

// The entities of the ENTITIES section: each as its groups after the type.
struct Entity {
    std::string type;
    std::multimap<int, std::string> groups;
    std::string Layer() const { return groups.find(8)->second; }
    std::vector<long double> All(int code) const
    {
        std::vector<long double> values;
        for (auto [it, end] = groups.equal_range(code); it != end; ++it)
            values.push_back(*ParseReal(it->second));
        return values;
    }
};

std::vector<Entity> Entities(const std::vector<std::pair<int, std::string>>& groups)
{
    std::vector<Entity> entities;
    bool inside = false;
    for (std::size_t i = 0; i < groups.size(); ++i) {
        const auto& [code, value] = groups[i];
        if (code == 2 && value == "ENTITIES") inside = true;
        else if (code == 0 && value == "ENDSEC") inside = false;
        else if (inside && code == 0) entities.push_back({value, {}});
        else if (inside) entities.back().groups.emplace(code, value);
    }
    return entities;
}

}  // namespace

TEST(LinesPlanDxf, HoldsEveryLayerInMetresWithTheHullCurvesAsSplines)
{
    TempDir dir;
    const HullRecord& hull = SharedGeneratedDesign("cruiser-10m");
    const auto path = dir / "plan.dxf";
    WriteLinesPlanDxf(hull, path.string());
    const auto groups = Groups(ReadFileBytes(path));

    // $INSUNITS 6 (metres) in the header, and every layer in the table.
    const auto units = std::find(groups.begin(), groups.end(), std::pair<int, std::string>{9, "$INSUNITS"});
    ASSERT_NE(units, groups.end());
    EXPECT_EQ(*(units + 1), (std::pair<int, std::string>{70, "6"}));
    const std::vector<Entity> entities = Entities(groups);
    std::map<std::string, std::map<std::string, int>> perLayer;
    for (const Entity& e : entities) ++perLayer[e.Layer()][e.type];
    for (const char* layer : kLinesPlanLayers) {
        EXPECT_NE(std::find(groups.begin(), groups.end(), std::pair<int, std::string>{2, layer}), groups.end())
            << layer;
        EXPECT_FALSE(perLayer[layer].empty()) << layer;
    }
    // The profile once, sheer and transom in profile, plan and both body-plan
    // halves, the stations split between the halves (station 10 on both).
    EXPECT_EQ(perLayer["Profile"]["SPLINE"], 1);
    EXPECT_EQ(perLayer["Sheer"]["SPLINE"], 4);
    EXPECT_EQ(perLayer["Transom"]["SPLINE"], 4);
    EXPECT_EQ(perLayer["Stations"]["SPLINE"], kStationCount + 1);
    for (const char* traced : {"Waterlines", "Buttocks", "Diagonals", "DWL"})
        EXPECT_GT(perLayer[traced]["LWPOLYLINE"], 0) << traced;

    // The profile's control points as the hull's, stern to the left, on open
    // uniform integer knots.
    const auto profile = std::find_if(entities.begin(), entities.end(),
                                      [](const Entity& e) { return e.Layer() == "Profile"; });
    const std::vector<long double> xs = profile->All(10), ys = profile->All(20), knots = profile->All(40);
    ASSERT_EQ(xs.size(), static_cast<std::size_t>(kProfilePointCount));
    ASSERT_EQ(knots.size(), static_cast<std::size_t>(kProfilePointCount + kCubic));
    EXPECT_EQ(knots.front(), 0);
    EXPECT_EQ(knots.back(), kProfilePointCount - kCubic + 1);
    for (int i = 1; i <= kProfilePointCount; ++i) {
        const std::size_t k = static_cast<std::size_t>(i - 1);
        EXPECT_NEAR(static_cast<double>(xs[k]), static_cast<double>(hull.Loa - hull.ProfilePoints[i].x), 1e-6);
        EXPECT_NEAR(static_cast<double>(ys[k] - ys[0]),
                    static_cast<double>(hull.ProfilePoints[i].y - hull.ProfilePoints[1].y), 1e-6);
    }

    // ezdxf loads it, audits it clean and evaluates every spline.
    const ToolResult read = RunTool("/usr/bin/python3 " +
                                    ShellQuoted((SourceDir() / "tests/core/export/check_plan_dxf.py").string()) +
                                    " " + ShellQuoted(path.string()) + " Profile:SPLINE=1 Stations:SPLINE=22");
    EXPECT_EQ(read.exitCode, 0) << read.output;
}

TEST(LinesPlanDxf, RefusesAHullNotGeneratedAndLeavesNoFile)
{
    TempDir dir;
    auto hull = BundledDesign("cruiser-10m");
    try {
        WriteLinesPlanDxf(*hull, (dir / "plan.dxf").string());
        ADD_FAILURE() << "an empty hull was exported";
    } catch (const std::runtime_error& refusal) {
        EXPECT_STREQ(refusal.what(), "No Data Available, Run Generator");
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));

    RecordingUi ui;
    ExportLinesPlanDxf(*hull);
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"No Data Available, Run Generator"});
    EXPECT_TRUE(ui.saveRequests.empty());
}
