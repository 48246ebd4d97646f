#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "BatchRunner.h"
#include "TestPaths.h"

using namespace sloopform::test;

namespace {

std::string Cruiser() { return ExampleProject("cruiser-10m").string(); }

std::string ReadText(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The cruiser's project with a VCG line after the nineteen.
std::filesystem::path CruiserWithVcg(const TempDir& dir, const std::string& vcg)
{
    const auto path = dir / "cruiser.sfp";
    WriteFileBytes(path, ReadText(ExampleProject("cruiser-10m")) + "VCG=" + vcg + "\r\n");
    return path;
}

}  // namespace

// The summary on standard output; the CSV and the JSON tell the same curve.
TEST(StabilityCommand, WritesSummaryCurveAndFigures)
{
    TempDir dir;
    const BatchResult r = RunBatch({"stability", Cruiser(), "--vcg", "0.35", "--angles", "0,10,20,30,40,50,60",
                                    "--curve", (dir / "gz.csv").string(), "--json", (dir / "gz.json").string()});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Largest GZ"), std::string::npos);
    EXPECT_NE(r.out.find("Angle of vanishing stability    not reached"), std::string::npos) << r.out;

    std::istringstream csv(ReadText(dir / "gz.csv"));
    std::vector<std::string> lines;
    for (std::string line; std::getline(csv, line);) lines.push_back(line.substr(0, line.find('\r')));
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0], "heel,gz,righting_moment,trim,sinkage");

    const auto json = nlohmann::json::parse(ReadText(dir / "gz.json"));
    for (const char* key : {"vcg", "gm", "gz_max", "heel_gz_max", "avs", "deck_immersion", "area_30", "area_40",
                            "area_avs", "curve"})
        EXPECT_TRUE(json.contains(key)) << key;
    EXPECT_DOUBLE_EQ(json["vcg"].get<double>(), 0.35);
    EXPECT_TRUE(json["avs"].is_null());
    ASSERT_EQ(json["curve"].size(), 7u);
    EXPECT_EQ(lines[4].substr(0, 7), "30.000,");
    EXPECT_NEAR(std::stod(lines[4].substr(7)), json["curve"][3]["gz"].get<double>(), 5e-6);
}

// The project's VCG serves without --vcg; --vcg overrides it; neither is a
// plain refusal, as is a VCG under the base line or above the sheer.
TEST(StabilityCommand, TakesTheProjectVcgAndRefusesNoneOrOneOutside)
{
    TempDir dir;
    const std::string withVcg = CruiserWithVcg(dir, "0.400").string();
    const BatchResult own = RunBatch({"stability", withVcg, "--angles", "0,30", "--json", "-"});
    ASSERT_EQ(own.status, 0) << own.err;
    EXPECT_NE(own.out.find("\"vcg\": 0.4"), std::string::npos);
    const BatchResult given = RunBatch({"stability", withVcg, "--vcg", "0.3", "--angles", "0,30", "--json", "-"});
    EXPECT_NE(given.out.find("\"vcg\": 0.3"), std::string::npos);

    const BatchResult none = RunBatch({"stability", Cruiser()});
    EXPECT_EQ(none.status, 2);
    EXPECT_NE(none.err.find("no VCG"), std::string::npos);
    EXPECT_TRUE(none.out.empty());
    EXPECT_EQ(RunBatch({"stability", Cruiser(), "--vcg", "-0.1"}).status, 2);
    const BatchResult high = RunBatch({"stability", Cruiser(), "--vcg", "2"});
    EXPECT_EQ(high.status, 2);
    EXPECT_NE(high.err.find("lies above the sheer"), std::string::npos);
    EXPECT_EQ(RunBatch({"stability", Cruiser(), "--vcg", "0.3", "--angles", "0,200"}).status, 2);
}

// A run of a project that carries a VCG gains the stability figures.
TEST(StabilityCommand, RunJsonGainsStabilityWithAProjectVcg)
{
    TempDir dir;
    const BatchResult with = RunBatch({"run", CruiserWithVcg(dir, "0.350").string(), "--quiet", "--json", "-"});
    ASSERT_EQ(with.status, 0) << with.err;
    const auto json = nlohmann::json::parse(with.out);
    ASSERT_TRUE(json.contains("stability"));
    EXPECT_EQ(json["stability"]["curve"].size(), 37u);
    EXPECT_GT(json["stability"]["avs"].get<double>(), json["stability"]["heel_gz_max"].get<double>());
    const BatchResult without = RunBatch({"run", Cruiser(), "--quiet", "--json", "-"});
    EXPECT_FALSE(nlohmann::json::parse(without.out).contains("stability"));
}
