#include <gtest/gtest.h>

#include "ExportTestFiles.h"
#include "HandMadeHull.h"
#include "RecordingUi.h"
#include "TestPaths.h"
#include "export/Gf1Export.h"

using namespace sloopform;
using namespace sloopform::test;

namespace {

std::vector<std::string> WrittenGf1(const HullRecord& hull, const std::filesystem::path& path)
{
    WriteGF1(hull, path.string());
    return CrLfLines(path);
}

}  // namespace

TEST(Gf1Export, RefusesBeforeTheHullIsGenerated)
{
    RecordingUi ui;
    auto hull = HandMadeHull();
    hull->HullComplete = false;
    ExportGF1(*hull);

    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "No Data Available, Run Generator");
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(ui.messages[0].buttons, MessageButtons::Ok);
    EXPECT_TRUE(ui.saveRequests.empty());
}

TEST(Gf1Export, AsksForAGf1FileAndACancelWritesNothing)
{
    TempDir dir;
    RecordingUi ui;
    ui.saveAnswers.push_back(std::nullopt);
    ExportGF1(*HandMadeHull());

    ASSERT_EQ(ui.saveRequests.size(), 1u);
    EXPECT_EQ(ui.saveRequests[0].title, "Export to AutoSHIP - ModelMaker/AutoHydro");
    EXPECT_EQ(ui.saveRequests[0].filter, "AutoSHIP (*.gf1)|*.gf1|All files (*.*)|*.*");
    EXPECT_EQ(ui.saveRequests[0].defaultExtension, "gf1");
    EXPECT_EQ(ui.saveRequests[0].fileName, "");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(ui.errors.empty());
    EXPECT_TRUE(FileNamesIn(dir.Path()).empty());
}

TEST(Gf1Export, WritesTheHullInFeetWithTheFixedRecords)
{
    TempDir dir;
    const auto path = dir / "hull.gf1";
    RecordingUi ui;
    ui.saveAnswers.push_back(path.string());
    ExportGF1(*HandMadeHull());
    EXPECT_TRUE(ui.errors.empty());

    const auto lines = CrLfLines(path);
    ASSERT_EQ(lines.size(), 702u);
    // Loa 10.5, BMax 3.2, Tc + FreeBow 2.5, Tc + TransomRise 1.75 (metres).
    const std::vector<std::string> head = {
        path.string(), "\\Sloopform Project", "L:34.440", "W:10.496", "P:M", "*", "s1", "22.0",
        "0.0, 2.0", "0.0,8.200", "0.0,8.200"};
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 11), head);
    const std::vector<std::string> tail = {
        "34.440, 2.0", "0.0,5.740", "0.0,5.740", "0.0, 0.0, 0.0", "**", "Maincomp", "0", "1",
        "0,0,0", "s1", "***", "MAIN HULL", "SEA WATER", "1", "1.025", "0,0,0", "1", "Maincomp",
        "****"};
    EXPECT_EQ(std::vector<std::string>(lines.end() - 19, lines.end()), tail);
}

TEST(Gf1Export, StationBlocksRunFromKeelToSheerAndCloseOnTheCentrePlane)
{
    TempDir dir;
    const auto hull = HandMadeHull();
    const auto lines = WrittenGf1(*hull, dir / "hull.gf1");
    ASSERT_EQ(lines.size(), 702u);

    // Fovh 0.5 m and Fovh + Lwl 9.5 m lie between the bow at 0.0 and Loa.
    EXPECT_EQ(lines[11], "1.640, 31.0");
    EXPECT_EQ(lines[11 + 20 * 32], "31.160, 31.0");
    for (int k = 0; k <= 20; ++k) {
        const auto block = lines.begin() + 11 + 32 * k;
        const long double x = std::stold(block[0]);
        EXPECT_NEAR(x, (0.5L + 0.45L * k) * 3.28L, 0.0005L);
        EXPECT_EQ(block[0].substr(block[0].find(',')), ", 31.0");
        EXPECT_EQ(block[1].substr(0, 6), "0.000,") << "keel on the centre plane at station " << k;
        // Sheer: half of SheerBeam, at SheerHeight 2.5 m.
        const long double halfBeam = hull->Stations[static_cast<std::size_t>(k)].SheerBeam / 2;
        EXPECT_NEAR(std::stold(block[30]), halfBeam * 3.28L, 0.0005L);
        EXPECT_EQ(block[30].substr(block[30].find(',')), ",8.200");
        EXPECT_EQ(block[31], "0.0,8.200");
    }
    EXPECT_EQ(lines[11 + 21 * 32], "34.440, 2.0");
}

TEST(Gf1Export, NumbersKeepTheirSignAndUseTheSixByteFootConstant)
{
    TempDir dir;
    auto hull = HandMadeHull();
    hull->Loa = 10;
    hull->Stations[0].KeelHeight = -0.0004L;
    hull->BMax = 1e9L;  // the 6-byte 1/3.28 shows in the third decimal
    const auto lines = WrittenGf1(*hull, dir / "hull.gf1");
    ASSERT_EQ(lines.size(), 702u);
    EXPECT_EQ(lines[2], "L:32.800");
    EXPECT_EQ(lines[3], "W:3279999999.998");
    EXPECT_EQ(lines[12], "0.000,-0.001");
}

TEST(Gf1Export, FileThatCannotBeCreatedIsReportedAndNothingIsWritten)
{
    TempDir dir;
    RecordingUi ui;
    const std::string path = (dir / "missing" / "hull.gf1").string();
    ui.saveAnswers.push_back(path);
    ExportGF1(*HandMadeHull());

    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_EQ(ui.errors[0].message, "Cannot create file \"" + path + "\"");
    EXPECT_EQ(ui.errors[0].origin, "From Global Error Handler, i.e not local");
    EXPECT_TRUE(FileNamesIn(dir.Path()).empty());
}

TEST(Gf1Export, WriteErrorKeepsThePreviousFile)
{
    TempDir dir;
    const auto path = dir / "hull.gf1";
    WriteFileBytes(path, "previous surface");
    RecordingUi ui;
    ui.saveAnswers.push_back(path.string());
    {
        FailingWrites failing(702);
        ExportGF1(*HandMadeHull());
    }
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_EQ(ui.errors[0].message, "Error writing file \"" + path.string() + "\"");
    EXPECT_EQ(ReadFileBytes(path), "previous surface");
    EXPECT_EQ(FileNamesIn(dir.Path()), std::set<std::string>{"hull.gf1"});
}

TEST(Gf1Export, FileNameIsWrittenInWindows1252)
{
    TempDir dir;
    const auto path = dir / "Ålesund.gf1";
    WriteGF1(*HandMadeHull(), path.string());
    const std::string bytes = ReadFileBytes(path);
    EXPECT_EQ(bytes.substr(0, bytes.find("\r\n")), (dir.Path() / "\xC5lesund.gf1").string());
}
