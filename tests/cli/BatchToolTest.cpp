#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <nlohmann/json.hpp>

#include "BatchRunner.h"
#include "BundledDesigns.h"
#include "TestPaths.h"
#include "analysis/HydrostaticsReport.h"
#include "generator/GeneratorState.h"
#include "generator/Output.h"
#include "generator/RunGeneration.h"
#include "model/DataEdit.h"
#include "numeric/NumberText.h"
#include "numeric/Real48.h"

using namespace sloopform;
using namespace sloopform::test;

namespace {

std::string Example(const std::string& name) { return ExampleProject(name).string(); }

// The number the first report line from `from` on carries after its label, as written.
std::string ReportValue(const std::vector<std::string>& lines, const std::string& label,
                        std::size_t from = 0)
{
    for (std::size_t i = from; i < lines.size(); ++i)
        if (lines[i].rfind(label, 0) == 0) {
            const std::string rest = Trim(lines[i].substr(label.size()));
            return rest.substr(0, rest.find(' '));
        }
    return "missing " + label;
}

const char* const kExactTitle =
    "----------------- Hull Data (exact integration) -----------------";

std::vector<std::string> FileLines(const std::filesystem::path& path)
{
    std::vector<std::string> lines;
    std::string text = ReadFileBytes(path);
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end - start));
        start = end == std::string::npos ? text.size() : end + 2;
    }
    return lines;
}

}  // namespace

TEST(BatchTool, EveryBundledDesignFinishesAndWritesAllOutputs)
{
    for (const std::string& name : BundledDesignNames()) {
        TempDir dir;
        const auto result = RunBatch({"run", Example(name), "--quiet", "--report", (dir / "r.rpt").string(),
                                      "--dxf", (dir / "h.dxf").string(), "--gf1", (dir / "h.gf1").string(),
                                      "--svg", (dir / "l.svg").string(), "--svg-3d", (dir / "i.svg").string(),
                                      "--json", (dir / "r.json").string()});
        EXPECT_EQ(result.status, 0) << name << result.err;
        EXPECT_EQ(result.out, "") << name;
        for (const char* file : {"r.rpt", "h.dxf", "h.gf1", "l.svg", "i.svg", "r.json"})
            EXPECT_GT(std::filesystem::file_size(dir / file), 1000u) << name << " " << file;
        EXPECT_EQ(FileLines(dir / "h.gf1").size(), 702u) << name;
    }
}

TEST(BatchTool, JsonCarriesEveryKeyAndAgreesWithTheReport)
{
    TempDir dir;
    const auto result = RunBatch({"run", Example("cruiser-10m"), "--quiet", "--report",
                                  (dir / "r.rpt").string(), "--json", (dir / "r.json").string()});
    ASSERT_EQ(result.status, 0) << result.err;
    const auto json = nlohmann::json::parse(ReadFileBytes(dir / "r.json"));
    for (const char* key : {"finished", "console", "parameters", "goals", "transom_rise", "hydrostatics",
                            "stations", "seconds"})
        EXPECT_TRUE(json.contains(key)) << key;
    EXPECT_TRUE(json["finished"].get<bool>());
    EXPECT_EQ(json["parameters"].size(), 19u);
    EXPECT_DOUBLE_EQ(json["parameters"]["Loa"].get<double>(), 10.5);
    EXPECT_DOUBLE_EQ(json["goals"]["percentage"].get<double>(), Real48(0.1L).Value());
    EXPECT_EQ(json["console"].back(), "");
    ASSERT_EQ(json["stations"].size(), 21u);
    for (const char* key : {"station", "x", "keel_height", "design_waterline_beam", "waterline_beam",
                            "sheer_beam", "sheer_height", "section_area", "section_coefficient",
                            "section_vca"})
        EXPECT_TRUE(json["stations"][20].contains(key)) << key;

    const auto report = FileLines(dir / "r.rpt");
    const auto& h = json["hydrostatics"];
    EXPECT_EQ(h.size(), 14u);
    const std::pair<const char*, const char*> pairs[] = {
        {"Volume", "volume"},           {"Displacement", "displacement"},
        {"VCB", "vcb"},                 {"LCB", "lcb"},
        {"Waterplane Area", "waterplane_area"}, {"LCF", "lcf"},
        {"Midship Section ", "midship_area"},   {"Block           Cp", "cb"},
        {"Prismatic       Cp", "cp"},   {"Waterplane     Cwl", "cwl"},
        {"Midship Section Cm", "cm"},   {"BMT", "bmt"},
        {"BML", "bml"},                 {"MCT-1cm", "mct"}};
    for (const auto& [label, key] : pairs)
        EXPECT_EQ(ReportValue(report, label), FormatFixed(h[key].get<double>(), 3)) << key;
    EXPECT_EQ(std::find(report.begin(), report.end(), kExactTitle), report.end());
    EXPECT_EQ(json["hydrostatics_exact"].size(), 15u);
}

TEST(BatchTool, ExactOptionAddsTheExactBlockAfterTheHydrostatics)
{
    TempDir dir;
    const auto result = RunBatch({"run", Example("racer-12m"), "--quiet", "--report",
                                  (dir / "r.rpt").string(), "--exact", "--json",
                                  (dir / "r.json").string()});
    ASSERT_EQ(result.status, 0) << result.err;
    const auto json = nlohmann::json::parse(ReadFileBytes(dir / "r.json"));
    const auto report = FileLines(dir / "r.rpt");
    const auto title = std::find(report.begin(), report.end(), kExactTitle);
    ASSERT_NE(title, report.end());
    EXPECT_EQ(report.end() - title, 60) << "the block of 61 lines ends the report";
    const std::size_t from = static_cast<std::size_t>(title - report.begin());
    const std::pair<const char*, const char*> pairs[] = {
        {"Volume ", "volume"},          {"Displacement", "displacement"},
        {"LCB", "lcb"},                 {"Waterplane Area", "waterplane_area"},
        {"LCF", "lcf"},                 {"Wetted Surface", "wetted_surface"},
        {"Prismatic       Cp", "cp"},   {"BML", "bml"}};
    const auto& exact = json["hydrostatics_exact"];
    for (const auto& [label, key] : pairs)
        EXPECT_EQ(ReportValue(report, label, from), FormatFixed(exact[key].get<double>(), 3))
            << key;

    const double described = json["hydrostatics"]["volume"].get<double>();
    const double difference = 100 * (exact["volume"].get<double>() - described) / described;
    EXPECT_EQ(ReportValue(report, "Volume Difference", from), FormatFixed(difference, 3));
    EXPECT_LT(difference, -1.0);
}

TEST(BatchTool, ReportToStandardOutputIsTheListingAndTheHydrostatics)
{
    const auto result = RunBatch({"run", Example("daysailer-6m"), "--quiet", "--report", "-"});
    ASSERT_EQ(result.status, 0) << result.err;

    ResetGeneratorState();
    TDataEdit editor;
    editor.LoadData(Example("daysailer-6m"));
    StringListMemo consoleMemo, reportMemo;
    TOutput console, report;
    console.SetOutputMemo(&consoleMemo);
    report.SetOutputMemo(&reportMemo);
    RunGeneration(editor.Hull(), console);
    editor.AddParameterstoReport(report);
    ASSERT_TRUE(ReportHydrostatics(editor.Hull(), report));
    EXPECT_EQ(result.OutLines(), reportMemo.Lines());
    EXPECT_EQ(result.OutLines()[1], "Length Overall = 6.500 m");
}

TEST(BatchTool, ConsoleGoesToStandardOutputUnlessQuiet)
{
    const auto result = RunBatch({"run", Example("racer-12m")});
    ASSERT_EQ(result.status, 0) << result.err;
    const auto lines = result.OutLines();
    ASSERT_GE(lines.size(), 12u);
    EXPECT_EQ(lines[0], "Carvelon Version 1.04");
    EXPECT_EQ(lines[lines.size() - 2], "...Finished");
}

TEST(BatchTool, BadProjectFilesAreRefusedWithTheirMessage)
{
    TempDir dir;
    std::string text = ReadFileBytes(ExampleProject("cruiser-10m"));
    text.replace(text.find("Lwl="), 3, "lwl");
    WriteFileBytes(dir / "wrong.sfp", text);
    const auto wrong = RunBatch({"run", (dir / "wrong.sfp").string(), "--quiet"});
    EXPECT_EQ(wrong.status, 2);
    EXPECT_EQ(wrong.ErrLines(), std::vector<std::string>{"Unknown Field lwl in wrong.sfp"});
    EXPECT_EQ(wrong.out, "");

    const auto missing = RunBatch({"quickcalc", (dir / "absent.sfp").string()});
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("absent.sfp: no such file"), std::string::npos) << missing.err;
}

TEST(BatchTool, ValuesTheTableRefusesStopTheCommandsThatComputeFromThem)
{
    TempDir dir;
    const std::string original = ReadFileBytes(ExampleProject("cruiser-10m"));  // Lwl 9, Fovh 0.9
    const auto withValue = [](std::string text, const std::string& key, const std::string& value) {
        const std::size_t line = text.rfind(key + "=", 0) == 0 ? 0 : text.find("\n" + key + "=") + 1;
        text.replace(line, text.find('\r', line) - line, key + "=" + value);
        return text;
    };
    const std::string shortText = withValue(original, "Loa", "5.000");
    WriteFileBytes(dir / "short.sfp", shortText);
    WriteFileBytes(dir / "both.sfp", withValue(shortText, "Cp", "5.000"));

    const auto shortHull = RunBatch({"run", (dir / "short.sfp").string(), "--json", (dir / "r.json").string()});
    EXPECT_EQ(shortHull.status, 2);
    // Lwl and Fovh both fail the one rule: its message once.
    EXPECT_EQ(shortHull.ErrLines(),
              std::vector<std::string>{"Overhang and Waterline Length must be less than Length Overall"});
    EXPECT_EQ(shortHull.out, "");
    EXPECT_FALSE(std::filesystem::exists(dir / "r.json"));

    const std::vector<std::string> bothFaults = {
        "Overhang and Waterline Length must be less than Length Overall",
        "Prismatic Coefficient must be greater than 0.42 and less than 0.65"};
    for (const std::vector<std::string>& command :
         {std::vector<std::string>{"run"}, {"resistance", "--fn", "0.35"}, {"optimise", "--fn", "0.35"}}) {
        std::vector<std::string> arguments = {command.front(), (dir / "both.sfp").string()};
        arguments.insert(arguments.end(), command.begin() + 1, command.end());
        const auto result = RunBatch(arguments);
        EXPECT_EQ(result.status, 2) << command.front();
        EXPECT_EQ(result.ErrLines(), bothFaults) << command.front();
    }
    // The readouts only show the values as they are.
    EXPECT_EQ(RunBatch({"quickcalc", (dir / "both.sfp").string()}).status, 0);
}

TEST(BatchTool, UnreachableGoalEndsAtTheTimeout)
{
    // The hull stage cannot place the cruiser's LCB within 0.001 %: it goes on
    // until it stops approaching, far longer than a fifth of a second.
    const auto result =
        RunBatch({"run", Example("cruiser-10m"), "--goals", "0.001,0.001,0.01", "--timeout", "0.2"});
    EXPECT_EQ(result.status, 1);
    const auto lines = result.OutLines();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[lines.size() - 3], "TARNOVIC: Cancelling...");
    EXPECT_EQ(lines[lines.size() - 2], "...Process Terminated");
    EXPECT_NE(result.err.find("did not finish within 0.2 s"), std::string::npos) << result.err;
}

TEST(BatchTool, WritesTheHullSolidAsStepAndIgesOnlyForAFinishedRun)
{
    TempDir dir;
    const auto result = RunBatch({"run", Example("daysailer-6m"), "--quiet", "--step",
                                  (dir / "h.step").string(), "--iges", "-"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(ReadFileBytes(dir / "h.step").rfind("ISO-10303-21;", 0), 0u);
    const auto iges = result.OutLines();
    ASSERT_GT(iges.size(), 100u);
    EXPECT_EQ(iges.front().substr(72), "S0000001");
    EXPECT_EQ(iges.back().substr(72, 1), "T");

    // A run cut short: no file, and the reason.
    const auto cut = RunBatch({"run", Example("cruiser-10m"), "--goals", "0.001,0.001,0.01",
                               "--timeout", "1", "--quiet", "--step", (dir / "cut.step").string()});
    EXPECT_EQ(cut.status, 1);
    EXPECT_NE(cut.err.find("No Data Available, Run Generator"), std::string::npos) << cut.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "cut.step"));
}

TEST(BatchTool, WritesTheCanoeBodyAsBinaryStlAtTheChosenTolerance)
{
    TempDir dir;
    const auto result = RunBatch({"run", Example("daysailer-6m"), "--quiet", "--stl", (dir / "h.stl").string()});
    ASSERT_EQ(result.status, 0) << result.err;
    const std::string stl = ReadFileBytes(dir / "h.stl");
    ASSERT_GT(stl.size(), 84u);
    EXPECT_EQ((stl.size() - 84) % 50, 0u);
    const auto dash = RunBatch({"run", Example("daysailer-6m"), "--quiet", "--stl", "-"}, dir.Path());
    EXPECT_EQ(dash.status, 0) << dash.err;
    EXPECT_EQ(dash.out, stl);
    const auto coarse = RunBatch({"run", Example("daysailer-6m"), "--quiet", "--stl", (dir / "c.stl").string(),
                                  "--stl-tolerance", "5"});
    EXPECT_EQ(coarse.status, 0) << coarse.err;
    EXPECT_LT(ReadFileBytes(dir / "c.stl").size() * 5, stl.size());

    for (const char* bad : {"0", "0.001", "101", "fine"}) {
        const auto refused = RunBatch({"run", Example("daysailer-6m"), "--stl", "-", "--stl-tolerance", bad});
        EXPECT_EQ(refused.status, 2) << bad;
        EXPECT_EQ(refused.ErrLines().front(), std::string("sloopform-batch: --stl-tolerance is a chord deviation "
                                                          "from 0.01 to 100 mm, not '") + bad + "'");
    }
    EXPECT_EQ(RunBatch({"run", Example("daysailer-6m"), "--stl-tolerance", "1"}).status, 2);
}

TEST(BatchTool, WritesTheLinesPlanDxfToAFileOrStandardOutput)
{
    TempDir dir;
    const auto file = RunBatch({"run", Example("daysailer-6m"), "--quiet", "--dxf-plan", (dir / "p.dxf").string()});
    ASSERT_EQ(file.status, 0) << file.err;
    const auto lines = FileLines(dir / "p.dxf");
    ASSERT_GT(lines.size(), 4u);
    EXPECT_EQ(lines[3], "HEADER");
    EXPECT_EQ(lines.back(), "EOF");
    const auto dash = RunBatch({"run", Example("daysailer-6m"), "--quiet", "--dxf-plan", "-"}, dir.Path());
    EXPECT_EQ(dash.status, 0) << dash.err;
    EXPECT_EQ(dash.OutLines(), lines);
}

TEST(BatchTool, MethodOptionChoosesTheGenerator)
{
    // The daysailer: the robust method's hull meets Cwp on its own section curves (the exact
    // block), the classic one's lands above it; without the option the classic method runs,
    // byte for byte.
    TempDir dir;
    const auto report = [&](const std::vector<std::string>& method, const std::string& file) {
        std::vector<std::string> arguments = {"run", Example("daysailer-6m"), "--report", (dir / file).string(),
                                              "--exact"};
        arguments.insert(arguments.end(), method.begin(), method.end());
        const auto result = RunBatch(arguments);
        EXPECT_EQ(result.status, 0) << file << result.err;
        return result;
    };
    const auto byDefault = report({}, "default.rpt");
    const auto classic = report({"--method", "classic"}, "classic.rpt");
    const auto robust = report({"--method", "robust"}, "robust.rpt");
    ASSERT_GE(robust.OutLines().size(), 2u);
    EXPECT_EQ(classic.OutLines()[1], "Sloopform hull generator");
    EXPECT_EQ(robust.OutLines()[1], "Sloopform hull generator, Robust method");
    EXPECT_EQ(ReadFileBytes(dir / "classic.rpt"), ReadFileBytes(dir / "default.rpt"));
    EXPECT_EQ(classic.out, byDefault.out);
    const auto exactCwl = [&](const std::string& file) {
        const auto lines = FileLines(dir / file);
        const auto title = std::find(lines.begin(), lines.end(), kExactTitle);
        return ReportValue(lines, "Waterplane     Cwl", static_cast<std::size_t>(title - lines.begin()));
    };
    EXPECT_EQ(exactCwl("robust.rpt"), "0.700");
    EXPECT_NE(exactCwl("classic.rpt"), "0.700");

    for (const char* bad : {"fast", "Robust", ""}) {
        const auto refused = RunBatch({"run", Example("daysailer-6m"), "--method", bad});
        EXPECT_EQ(refused.status, 2) << bad;
        EXPECT_EQ(refused.out, "") << bad;
        EXPECT_EQ(refused.ErrLines().front(),
                  std::string("sloopform-batch: --method is classic or robust, not '") + bad + "'");
    }
    const auto missing = RunBatch({"run", Example("daysailer-6m"), "--method"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.ErrLines().front(), "sloopform-batch: --method needs a value");
    EXPECT_EQ(RunBatch({"quickcalc", Example("daysailer-6m"), "--method", "robust"}).status, 2);
}

TEST(BatchTool, UsageErrorsExitWithTwo)
{
    EXPECT_EQ(RunBatch({}).status, 2);
    EXPECT_EQ(RunBatch({"fly", Example("cruiser-10m")}).status, 2);
    EXPECT_EQ(RunBatch({"run"}).status, 2);
    EXPECT_EQ(RunBatch({"run", Example("cruiser-10m"), "--fn", "0.3"}).status, 2);
    EXPECT_EQ(RunBatch({"run", Example("cruiser-10m"), "--goals", "0.001,0.1"}).status, 2);
    EXPECT_EQ(RunBatch({"run", Example("cruiser-10m"), "--exact"}).status, 2);
    EXPECT_EQ(RunBatch({"quickcalc", Example("cruiser-10m"), "--exact"}).status, 2);
    EXPECT_EQ(RunBatch({"resistance", Example("cruiser-10m")}).status, 2);
    EXPECT_EQ(RunBatch({"resistance", Example("cruiser-10m"), "--fn", "0.3", "--knots", "5"}).status, 2);
    const auto help = RunBatch({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("sloopform-batch run PROJECT.sfp"), std::string::npos);
    EXPECT_EQ(RunBatch({"--version"}).out, "sloopform-batch 1.04\n");
}

TEST(BatchTool, SpeedCommandsShowTheirBlocksAndRefuseBadSpeeds)
{
    const auto quick = RunBatch({"quickcalc", Example("cruiser-10m")});
    EXPECT_EQ(quick.status, 0);
    EXPECT_EQ(quick.OutLines().front(), "Block Coefficient      0.389 -");

    const auto resistance = RunBatch({"resistance", Example("cruiser-10m"), "--fn", "0.35"});
    EXPECT_EQ(resistance.status, 0) << resistance.err;
    EXPECT_EQ(resistance.OutLines()[12], "Total Resistance              =    741.965 N");

    const auto tooFast = RunBatch({"optimise", Example("cruiser-10m"), "--fn", "0.751"});
    EXPECT_EQ(tooFast.status, 2);
    EXPECT_EQ(tooFast.ErrLines(),
              std::vector<std::string>{"Froude Number is outside of the range (0.125 < Fn < 0.750)"});
    const auto text = RunBatch({"resistance", Example("cruiser-10m"), "--knots", "fast"});
    EXPECT_EQ(text.status, 2);
    EXPECT_EQ(text.ErrLines(), std::vector<std::string>{"Error"});
}

TEST(BatchTool, OptimiseAppliesTheOptimumToANewProject)
{
    TempDir dir;
    const auto result = RunBatch({"optimise", Example("cruiser-10m"), "--ms", "3.29", "--no-lcb", "--apply",
                                  (dir / "opt.sfp").string(), "--json", (dir / "o.json").string()});
    ASSERT_EQ(result.status, 0) << result.err;
    const auto json = nlohmann::json::parse(ReadFileBytes(dir / "o.json"));
    EXPECT_DOUBLE_EQ(json["lcb"].get<double>(), 53.0);
    const double cp = json["cp"].get<double>(), cm = json["cm"].get<double>();
    EXPECT_NEAR(cp * cm, 0.54 * 0.72, 1e-9);
    const auto lines = FileLines(dir / "opt.sfp");
    ASSERT_GT(lines.size(), 19u);
    EXPECT_EQ(lines[13], "Cp=" + FormatFixed(cp, 3));
    EXPECT_EQ(lines[17], "LCB=53.000");
    EXPECT_EQ(lines[19], "Method=Classic");  // the design's own settings follow the nineteen
}

TEST(BatchTool, OptimiseOnAFullHullAppliesOnlyWhatTheTableAccepts)
{
    TempDir dir;
    std::string text = ReadFileBytes(ExampleProject("cruiser-10m"));
    text.replace(text.find("Cp=0.540"), 8, "Cp=0.600");
    text.replace(text.find("Cm=0.720"), 8, "Cm=0.780");
    WriteFileBytes(dir / "full.sfp", text);
    const auto result = RunBatch({"optimise", (dir / "full.sfp").string(), "--fn", "0.35", "--apply",
                                  (dir / "opt.sfp").string(), "--json", (dir / "o.json").string()});
    ASSERT_EQ(result.status, 0) << result.err;
    const auto json = nlohmann::json::parse(ReadFileBytes(dir / "o.json"));
    const double cp = json["cp"].get<double>(), cm = json["cm"].get<double>();
    EXPECT_LE(cm, 0.82);
    EXPECT_NEAR(cp * cm, 0.6 * 0.78, 1e-9);
    const auto lines = FileLines(dir / "opt.sfp");
    EXPECT_EQ(lines.at(14), "Cm=" + FormatFixed(cm, 3));
    const auto out = result.OutLines();
    ASSERT_GE(out.size(), 2u);
    EXPECT_EQ(out[out.size() - 2].rfind("Resistance before Apply: ", 0), 0u);
    EXPECT_EQ(out.back(), "Resistance after Apply: " + FormatFixed(json["resistance"].get<double>(), 3) + " N");
}

TEST(BatchTool, OptimiseSearchesAtTheSpeedAsTypedAndAppliesThatOptimum)
{
    // Both ends of the range are allowed; 0.347 is not its 2-decimal text 0.35.
    std::map<std::string, std::string> appliedCp;
    std::map<std::string, double> resistance;
    for (const char* fn : {"0.347", "0.35", "0.125", "0.75"}) {
        TempDir dir;
        const auto result = RunBatch({"optimise", Example("cruiser-10m"), "--fn", fn, "--apply",
                                      (dir / "opt.sfp").string(), "--json", (dir / "o.json").string()});
        ASSERT_EQ(result.status, 0) << fn << result.err;
        const auto json = nlohmann::json::parse(ReadFileBytes(dir / "o.json"));
        EXPECT_EQ(json["fn"].get<double>(), Real48(*ParseReal(fn)).Value()) << fn;
        resistance[fn] = json["resistance"].get<double>();
        appliedCp[fn] = FileLines(dir / "opt.sfp").at(13);
        EXPECT_EQ(appliedCp[fn], "Cp=" + FormatFixed(json["cp"].get<double>(), 3)) << fn;
    }
    EXPECT_NE(resistance["0.347"], resistance["0.35"]);
    EXPECT_NE(appliedCp["0.347"], appliedCp["0.35"]);
}

TEST(BatchTool, SpeedCommandsCheckTheParametersBeforeTheSpeed)
{
    TempDir dir;
    const std::string original = ReadFileBytes(ExampleProject("cruiser-10m"));
    for (const std::string key : {"Lwl", "Bwl", "Tc", "Cp", "LCB"}) {
        std::string text = original;
        const std::size_t line = text.find("\n" + key + "=") + 1;
        text.replace(line, text.find('\r', line) - line, key + "=0.000");
        WriteFileBytes(dir / "zero.sfp", text);
        for (const char* command : {"resistance", "optimise"}) {
            // A speed that is not a number would say "Error": the parameters come first.
            const auto result = RunBatch({command, (dir / "zero.sfp").string(), "--knots", "fast"});
            EXPECT_EQ(result.status, 2) << key << " " << command;
            EXPECT_EQ(result.ErrLines(),
                      std::vector<std::string>{
                          "Parameters Lwl, Bwl, Tc, Cp LCB are required for Optimisation Process"})
                << key << " " << command;
            EXPECT_EQ(result.out, "") << key << " " << command;
        }
    }
}

TEST(BatchTool, DxfAndGf1OfADashGoToStandardOutput)
{
    TempDir dir;
    const auto files = RunBatch({"run", Example("daysailer-6m"), "--quiet", "--dxf", (dir / "h.dxf").string(),
                                 "--gf1", (dir / "h.gf1").string()});
    ASSERT_EQ(files.status, 0) << files.err;

    const auto dxf = RunBatch({"run", Example("daysailer-6m"), "--quiet", "--dxf", "-"}, dir.Path());
    EXPECT_EQ(dxf.status, 0) << dxf.err;
    EXPECT_EQ(dxf.OutLines(), FileLines(dir / "h.dxf"));

    const auto gf1 = RunBatch({"run", Example("daysailer-6m"), "--quiet", "--gf1", "-"}, dir.Path());
    EXPECT_EQ(gf1.status, 0) << gf1.err;
    auto expected = FileLines(dir / "h.gf1");
    expected.front() = "-";  // the first line names the file; there is none
    EXPECT_EQ(gf1.OutLines(), expected);
    EXPECT_FALSE(std::filesystem::exists(dir / "-"));
}

TEST(BatchTool, ExportsNameTheirFilesByFullPathAndFailThroughTheGlobalHandler)
{
    TempDir dir;
    const auto folder = std::filesystem::canonical(dir.Path());
    const auto result = RunBatch(
        {"run", Example("daysailer-6m"), "--quiet", "--gf1", "h.gf1", "--dxf", "missing/h.dxf"}, folder);
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(FileLines(folder / "h.gf1").front(), (folder / "h.gf1").string());
    const std::string missing = (folder / "missing" / "h.dxf").string();
    const std::vector<std::string> expected = {"Error: Cannot create file \"" + missing + "\"",
                                               "From : From Global Error Handler, i.e not local"};
    EXPECT_EQ(result.ErrLines(), expected);
}
