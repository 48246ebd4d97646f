#include "settings/DesignSettings.h"

#include <gtest/gtest.h>

#include "RecordingUi.h"
#include "TestPaths.h"
#include "model/DataEdit.h"

using namespace sloopform;
using test::ReadFileBytes;
using test::RecordingUi;
using test::TempDir;
using test::WriteFileBytes;

namespace {

DesignSettings Chosen()
{
    DesignSettings settings;
    settings.Method = GeneratorMethod::Robust;
    settings.Offsets = {{0.2L, 0.45L}, {}};
    settings.LinesPlan.HullOutlines = false;
    settings.LinesPlan.Buttocks = true;
    settings.LinesPlan.Diagonals = true;
    settings.Vcg = Real48(0.35L);
    return settings;
}

}  // namespace

TEST(DesignSettings, SavedAfterTheNineteenKeysAndReadBack)
{
    RecordingUi ui;
    TempDir dir;
    const auto path = (dir / "boat.sfp").string();
    TDataEdit written;
    ASSERT_TRUE(written.LoadData(test::ExampleProject("cruiser-10m").string()));
    EXPECT_EQ(written.Design(), DesignSettings{});  // a file without them: the defaults
    written.Design() = Chosen();
    ASSERT_TRUE(written.SaveData(path));

    const std::string bytes = ReadFileBytes(path);
    EXPECT_EQ(bytes.substr(0, ReadFileBytes(test::ExampleProject("cruiser-10m")).size()),
              ReadFileBytes(test::ExampleProject("cruiser-10m")));
    EXPECT_NE(bytes.find("ApAngle=15.000\r\nMethod=Robust\r\nWaterlineLevels=0.200 0.450\r\n"
                         "ButtockLevels=\r\nShowConstructionLines=1\r\nShowHullOutlines=0\r\n"),
              std::string::npos);
    EXPECT_EQ(bytes.substr(bytes.size() - 11), "VCG=0.350\r\n");

    TDataEdit read;
    ASSERT_TRUE(read.LoadData(path));
    EXPECT_EQ(read.Design(), Chosen());
    EXPECT_EQ(read.Hull().Loa, 10.5L);
    const auto editor = TDataEdit::Read(path);
    ASSERT_TRUE(editor);
    EXPECT_EQ(editor->Design(), Chosen());
    EXPECT_TRUE(ui.messages.empty());
}

TEST(DesignSettings, UnreadableValuesKeepTheirDefaultsAndAreNamedOnce)
{
    RecordingUi ui;
    TempDir dir;
    const auto path = dir / "odd.sfp";
    WriteFileBytes(path, ReadFileBytes(test::ExampleProject("cruiser-10m")) +
                             "Method=robust\r\nWaterlineLevels=0.2,0.4\r\nButtockLevels=0 0.6\r\n"
                             "ShowLabels=yes\r\nShowButtocks=1\r\nVCG=low\r\nLevel=2\r\n");
    TDataEdit read;
    EXPECT_TRUE(read.LoadData(path.string()));
    DesignSettings expected;
    expected.LinesPlan.Buttocks = true;
    EXPECT_EQ(read.Design(), expected);
    EXPECT_FALSE(read.Vcg());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              "These settings of odd.sfp cannot be read; their defaults are used:\rMethod=robust\r"
              "WaterlineLevels=0.2,0.4\rButtockLevels=0 0.6\rShowLabels=yes\rVCG=low");
    EXPECT_EQ(read.Hull().Cp, Real48(0.54L));
}

TEST(DesignSettings, SwitchesOfTheLinesPlanCarryTheLevels)
{
    const DisplaySwitches switches = LinesPlanSwitches(Chosen());
    EXPECT_TRUE(switches.ConstructionLines);
    EXPECT_FALSE(switches.HullOutlines);
    EXPECT_TRUE(switches.Buttocks && switches.Diagonals);
    EXPECT_FALSE(switches.Waterlines || switches.Labels || switches.SplitBodyPlan);
    EXPECT_EQ(switches.Levels.Waterlines, Chosen().Offsets.Waterlines);
}
