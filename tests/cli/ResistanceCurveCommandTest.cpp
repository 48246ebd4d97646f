#include <gtest/gtest.h>

#include <map>
#include <nlohmann/json.hpp>
#include <sstream>

#include "BatchRunner.h"
#include "TestPaths.h"

using namespace sloopform::test;

namespace {

std::string Cruiser() { return ExampleProject("cruiser-10m").string(); }

std::vector<std::string> Cells(const std::string& line)
{
    std::vector<std::string> cells;
    std::stringstream stream(line);
    for (std::string cell; std::getline(stream, cell, ',');) cells.push_back(cell);
    return cells;
}

// The CSV row whose first cell reads back as the JSON's Froude number, by column name.
std::map<std::string, double> RowAt(const std::vector<std::string>& lines, double fn)
{
    const std::vector<std::string> heading = Cells(lines.at(0));
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::vector<std::string> cells = Cells(lines[i]);
        if (std::stod(cells.at(0)) != fn) continue;
        std::map<std::string, double> row;
        for (std::size_t c = 0; c < heading.size(); ++c) row[heading[c]] = std::stod(cells.at(c));
        return row;
    }
    ADD_FAILURE() << "no row at Fn " << fn;
    return {};
}

// The curve's row at a single speed equals the resistance command at that speed.
void ExpectRowEqualsSingleSpeed(const std::vector<std::string>& curveArguments, const std::string& unitOption,
                                const std::string& speed)
{
    std::vector<std::string> arguments = {"resistance", Cruiser(), "--curve", "-"};
    arguments.insert(arguments.end(), curveArguments.begin(), curveArguments.end());
    const auto curve = RunBatch(arguments);
    ASSERT_EQ(curve.status, 0) << curve.err;
    const auto single = RunBatch({"resistance", Cruiser(), unitOption, speed, "--json", "-"});
    ASSERT_EQ(single.status, 0) << single.err;
    const auto json = nlohmann::json::parse(single.out.substr(single.out.find("\n{") + 1));
    const auto row = RowAt(curve.OutLines(), json["fn"].get<double>());
    EXPECT_EQ(row.at("speed_ms"), json["velocity"].get<double>());
    for (const char* component : {"friction", "residuary", "total"})
        EXPECT_EQ(row.at(component), json[component].get<double>()) << component << " at " << speed;
}

}  // namespace

TEST(ResistanceCurveCommand, DefaultTableHasTheComponentsTotalLast)
{
    const auto result = RunBatch({"resistance", Cruiser(), "--curve", "-"});
    ASSERT_EQ(result.status, 0) << result.err;
    const auto lines = result.OutLines();
    ASSERT_EQ(lines.size(), 27u);  // Fn 0.125 to 0.75 by 0.025
    EXPECT_EQ(lines[0], "fn,knots,speed_ms,friction,residuary,total,extrapolated");
    EXPECT_EQ(Cells(lines[1]).at(0), "0.125");
    EXPECT_EQ(Cells(lines[26]).at(0), "0.75");
}

TEST(ResistanceCurveCommand, RowsEqualTheResistanceAtThatSpeed)
{
    ExpectRowEqualsSingleSpeed({}, "--fn", "0.35");
    ExpectRowEqualsSingleSpeed({"--from", "0.3", "--to", "0.5", "--step", "0.05"}, "--fn", "0.45");
    ExpectRowEqualsSingleSpeed({"--unit", "knots", "--from", "4", "--to", "8", "--step", "0.5"}, "--knots", "6.5");
    ExpectRowEqualsSingleSpeed({"--unit", "ms", "--from", "2", "--to", "4", "--step", "0.25"}, "--ms", "3.25");
}

TEST(ResistanceCurveCommand, WritesTheFileAndRefusesBadRanges)
{
    TempDir dir;
    const auto written = RunBatch({"resistance", Cruiser(), "--curve", (dir / "c.csv").string(), "--to", "0.2"});
    ASSERT_EQ(written.status, 0) << written.err;
    // The file has the lines of standard output with the file's CR LF.
    std::string expected;
    for (const std::string& line : RunBatch({"resistance", Cruiser(), "--curve", "-", "--to", "0.2"}).OutLines())
        expected += line + "\r\n";
    EXPECT_EQ(ReadFileBytes(dir / "c.csv"), expected);

    const std::map<std::vector<std::string>, std::string> refused = {
        {{"--step", "0"}, "the step must be greater than 0"},
        {{"--from", "0.5", "--to", "0.3"}, "the range starts at Fn 0.5, above its end, Fn 0.3"},
        {{"--to", "0.8"}, "Fn 0.8 outside the estimate's range, Fn 0.125 to 0.75"},
        {{"--unit", "knots", "--from", "1"}, "1 knots is Fn 0.055, outside the estimate's range, Fn 0.125 to 0.75"},
        {{"--step", "0.00001"}, "the range has more than 2000 speeds: take a larger step"},
        {{"--from", "slow"}, "--from needs a number, not 'slow'"},
        {{"--unit", "mph"}, "--unit is fn, knots or ms, not 'mph'"},
        {{"--fn", "0.35"}, "--curve writes a range of speeds: give no --fn, --knots, --ms or --json with it"},
        {{"--json", "-"}, "--curve writes a range of speeds: give no --fn, --knots, --ms or --json with it"},
    };
    for (const auto& [options, message] : refused) {
        std::vector<std::string> arguments = {"resistance", Cruiser(), "--curve", (dir / "bad.csv").string()};
        arguments.insert(arguments.end(), options.begin(), options.end());
        const auto result = RunBatch(arguments);
        EXPECT_EQ(result.status, 2) << message;
        EXPECT_EQ(result.ErrLines().at(0), "sloopform-batch: " + message);
        EXPECT_FALSE(std::filesystem::exists(dir / "bad.csv")) << message;
    }
    const auto noCurve = RunBatch({"resistance", Cruiser(), "--fn", "0.35", "--from", "0.2"});
    EXPECT_EQ(noCurve.status, 2);
    EXPECT_EQ(noCurve.ErrLines().at(0),
              "sloopform-batch: --unit, --from, --to and --step set the range of --curve: give --curve FILE too");
}
