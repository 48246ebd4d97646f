#include "model/ProjectFile.h"

#include <gtest/gtest.h>

#include "BundledDesigns.h"
#include "FailingWrites.h"
#include "RecordingUi.h"
#include "TestPaths.h"

using namespace sloopform;
using test::ReadFileBytes;
using test::RecordingUi;
using test::TempDir;
using test::WriteFileBytes;

namespace {

const char* const kCruiserBytes =
    "Loa=10.500\r\nLwl=9.000\r\nBMax=3.400\r\nBwl=2.900\r\nBTransom=2.600\r\nTc=0.550\r\n"
    "Fovh=0.900\r\nFreeBow=1.250\r\nFreeCenter=1.000\r\nFreeAft=0.900\r\nBPDA=10.000\r\n"
    "BPLWLT=0.300\r\nTransomAngle=10.000\r\nCp=0.540\r\nCm=0.720\r\nCwp=0.720\r\nLCF=55.000\r\n"
    "LCB=53.000\r\nApAngle=15.000\r\n";

Real48 HullRecord::*const kParameters[] = {
    &HullRecord::Loa,     &HullRecord::Lwl,        &HullRecord::BMax,    &HullRecord::Bwl,
    &HullRecord::BTransom, &HullRecord::Tc,        &HullRecord::Fovh,    &HullRecord::FreeBow,
    &HullRecord::FreeCenter, &HullRecord::FreeAft, &HullRecord::BPDA,    &HullRecord::BPLWLT,
    &HullRecord::TransomAngle, &HullRecord::Cp,    &HullRecord::Cm,      &HullRecord::Cwp,
    &HullRecord::LCF,     &HullRecord::LCB,        &HullRecord::ApAngle};

}  // namespace

TEST(ProjectFile, SavesNineteenKeyedLinesByteForByte)
{
    RecordingUi ui;
    TempDir dir;
    const auto hull = test::BundledDesign("cruiser-10m");
    const auto path = dir / "cruiser.sfp";
    EXPECT_TRUE(SaveProject(*hull, path.string()));
    EXPECT_EQ(ReadFileBytes(path), kCruiserBytes);
    EXPECT_EQ(ReadFileBytes(path), ReadFileBytes(test::ExampleProject("cruiser-10m")));
    std::string lines;
    for (const std::string& line : ProjectFileLines(*hull)) lines += line + "\r\n";
    EXPECT_EQ(lines, kCruiserBytes);

    const auto empty = HullRecord::Create();
    EXPECT_TRUE(SaveProject(*empty, path.string()));  // replaces the previous file
    const std::string bytes = ReadFileBytes(path);
    EXPECT_EQ(bytes.substr(0, 22), "Loa=0.000\r\nLwl=0.000\r\n");
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 19);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(ProjectFile, BundledDesignsLoadCompletely)
{
    RecordingUi ui;
    for (const std::string& name : test::BundledDesignNames()) {
        const auto expected = test::BundledDesign(name);
        auto hull = HullRecord::Create();
        EXPECT_TRUE(LoadProject(*hull, test::ExampleProject(name).string()));
        for (const auto field : kParameters) EXPECT_EQ((*hull).*field, (*expected).*field) << name;
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST(ProjectFile, ValuesComeBackWithThreeDecimals)
{
    RecordingUi ui;
    TempDir dir;
    auto hull = HullRecord::Create();
    hull->Loa = 10.5004L;
    hull->BPDA = -5;
    hull->LCB = 53.0006L;
    SaveProject(*hull, (dir / "p.sfp").string());
    auto loaded = HullRecord::Create();
    LoadProject(*loaded, (dir / "p.sfp").string());
    EXPECT_EQ(loaded->Loa, Real48(10.5L));
    EXPECT_EQ(loaded->BPDA, -5.0L);
    EXPECT_EQ(loaded->LCB, Real48(53.001L));
    EXPECT_TRUE(ui.messages.empty());
}

TEST(ProjectFile, LoadingReplacesOnlyTheParameters)
{
    RecordingUi ui;
    auto hull = HullRecord::Create();
    hull->HullComplete = hull->ProfileDone = true;
    hull->Stations[4].SectionArea = 1.25L;
    hull->TransomRise = 0.5L;
    LoadProject(*hull, test::ExampleProject("racer-12m").string());
    EXPECT_TRUE(hull->HullComplete && hull->ProfileDone);
    EXPECT_EQ(hull->Stations[4].SectionArea, Real48(1.25L));
    EXPECT_EQ(hull->TransomRise, 0.5L);
    EXPECT_GT(hull->Loa, 0.0L);
}

TEST(ProjectFile, DamagedFileKeepsTheEntriesReadBeforeTheFault)
{
    RecordingUi ui;
    TempDir dir;
    const auto path = dir / "damaged.sfp";
    std::string bytes = kCruiserBytes;
    bytes.replace(bytes.find("Lwl="), 3, "lwl");
    WriteFileBytes(path, bytes);
    auto hull = HullRecord::Create();
    hull->BMax = 7;
    EXPECT_FALSE(LoadProject(*hull, path.string()));
    EXPECT_EQ(hull->Loa, 10.5L);
    EXPECT_EQ(hull->Lwl, 0.0L);
    EXPECT_EQ(hull->BMax, 7.0L);
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"Unknown Field lwl in damaged.sfp"});

    ui.messages.clear();
    bytes = kCruiserBytes;
    WriteFileBytes(path, bytes.substr(0, bytes.find("Cp=")));  // cut after TransomAngle
    auto cut = HullRecord::Create();
    LoadProject(*cut, path.string());
    EXPECT_EQ(cut->TransomAngle, 10.0L);
    EXPECT_EQ(cut->Cp, 0.0L);
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"Unknown Field  in damaged.sfp"});
}

TEST(ProjectFile, SaveFailingPartWayLeavesTheOldFile)
{
    RecordingUi ui;
    TempDir dir;
    const auto path = dir / "boat.sfp";
    WriteFileBytes(path, kCruiserBytes);
    const auto empty = HullRecord::Create();
    for (const int line : {1, 10, 19}) {
        ui.messages.clear();
        const test::FailingWrites failing(line);
        EXPECT_FALSE(SaveProject(*empty, path.string()));
        EXPECT_EQ(ReadFileBytes(path), kCruiserBytes) << "line " << line;
        EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"Error writing boat.sfp"});
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST(ProjectFile, DialogsAskForProjects)
{
    const FileDialogRequest open = ProjectOpenDialog();
    const FileDialogRequest save = ProjectSaveDialog();
    EXPECT_EQ(open.title, "Open Project");
    EXPECT_EQ(save.title, "Save Project");
    for (const auto& dialog : {open, save}) {
        EXPECT_EQ(dialog.filter, "Sloopform Project (*.sfp)|*.sfp|All Files (*.*)|*.*");
        EXPECT_EQ(dialog.defaultExtension, "sfp");
    }
    EXPECT_TRUE(open.mustExist);
    EXPECT_TRUE(save.confirmOverwrite);
}

TEST(ProjectFile, EntriesFollowTheNineteenKeysAndAReaderOfTheNineteenStopsBeforeThem)
{
    RecordingUi ui;
    TempDir dir;
    const auto hull = test::BundledDesign("cruiser-10m");
    const auto path = dir / "cruiser.sfp";
    const ProjectEntries written = {{"Method", "Robust"}, {"Note", "a=b"}, {"Empty", ""}};
    ASSERT_TRUE(SaveProject(*hull, path.string(), written));
    EXPECT_EQ(ReadFileBytes(path), std::string(kCruiserBytes) + "Method=Robust\r\nNote=a=b\r\nEmpty=\r\n");

    auto nineteen = HullRecord::Create();
    EXPECT_TRUE(LoadProject(*nineteen, path.string()));
    EXPECT_EQ(nineteen->ApAngle, 15.0L);

    // Lines without a key and another program's keys come through as they are.
    WriteFileBytes(path, ReadFileBytes(path) + "VCG=0.450\r\nloose line\n");
    ProjectEntries read;
    auto all = HullRecord::Create();
    EXPECT_TRUE(LoadProject(*all, path.string(), &read));
    ASSERT_EQ(read.size(), 5u);
    EXPECT_EQ(read[1].Value, "a=b");
    EXPECT_EQ(read[3].Key, "VCG");
    EXPECT_EQ(read[4].Key, "loose line");
    EXPECT_EQ(ProjectEntryValue(read, "Method"), std::optional<std::string>("Robust"));
    EXPECT_EQ(ProjectEntryValue(read, "Cp"), std::nullopt);
    EXPECT_TRUE(ui.messages.empty());

    // A file of the nineteen alone has no entries.
    read.clear();
    EXPECT_TRUE(LoadProject(*all, test::ExampleProject("racer-12m").string(), &read));
    EXPECT_TRUE(read.empty());
}
