#include <gtest/gtest.h>

#include <algorithm>

#include "../../fuzz/SettingsCheck.h"
#include "settings/SettingsFileFormat.h"

using namespace sloopform;

using fuzz::ReadIniLines;
using fuzz::SettingsFromTexts;

TEST(SettingsFileFormat, WritesTheDefaultsInTheFileOrder)
{
    const std::vector<std::string> expected = {
        "[Colors]",
        "BackgroundColor=0",
        "BackGroundIndex=0",
        "ConstructionColor=16777215",
        "ConstructionIndex=15",
        "OutlineColor=16777215",
        "OutlineIndex=15",
        "",
        "[DrawingSetup]",
        "UserRatio=0",
        "AspectRatio=100000",
        "SmoothLines=1",
        "",
        "[Accuracies]",
        "Dimensions=100",
        "Percentages=10000",
        "Coefficients=1000",
        "",
        "[Editing]",
        "RegenerateWhileEditing=0",
    };
    EXPECT_EQ(SettingsFileLines(Settings{}), expected);
}

TEST(SettingsFileFormat, ScalesRealsToTheNearestInteger)
{
    const struct {
        long double value;
        long stored;
    } cases[] = {
        {1.0L, 100000}, {0.01L, 1000}, {0.95L, 95000}, {Real48(0.001L), 100},
        {Real48(0.95L), 95000}, {0.000014L, 1}, {0.000016L, 2},
    };
    for (const auto& c : cases) EXPECT_EQ(ScaledSetting(c.value), c.stored) << double(c.value);
}

TEST(SettingsFileFormat, ReadsBackWhatItWrote)
{
    Settings written;
    written.Drawing = {0x808000, 0x0000FF, 0xC0C0C0, 0.95L, false};
    written.BackGroundIndex = 6;
    written.ConstructionIndex = 9;
    written.OutlineIndex = 8;
    written.UserRatio = true;
    written.Goals = {0.005L, 0.5L, 0.0002L};
    const Settings read = SettingsFromTexts(ReadIniLines(SettingsFileLines(written)));
    EXPECT_EQ(SettingsFileLines(read), SettingsFileLines(written));
    EXPECT_EQ(read.Drawing.OutlineColor, 0xC0C0C0u);
    EXPECT_EQ(read.ConstructionIndex, 9);
    EXPECT_TRUE(read.UserRatio);
    EXPECT_NEAR(double(read.Drawing.AspectRatio), 0.95, 1e-15);
    EXPECT_EQ(read.Goals.Coefficient, Real48(0.0002L));
}

TEST(SettingsFileFormat, DimensionGoalSurvivesTenRounds)
{
    Settings settings;
    settings.Goals.Dimension = 0.001L;
    for (int round = 0; round < 10; ++round)
        settings = SettingsFromTexts(ReadIniLines(SettingsFileLines(settings)));
    EXPECT_EQ(settings.Goals.Dimension, Real48(0.001L));
    EXPECT_EQ(SettingsFromTexts({}).Goals.Dimension, Real48(0.001L));
}

TEST(SettingsFileFormat, MissingKeysGiveTheDefaults)
{
    const Settings read = SettingsFromTexts({});
    EXPECT_EQ(SettingsFileLines(read), SettingsFileLines(Settings{}));
    EXPECT_EQ(read.Goals.Percentage, Real48(0.1L));
    EXPECT_EQ(read.Goals.Coefficient, Real48(0.01L));
}

TEST(SettingsFileFormat, KeepsOnlyValuesTheDialogAccepts)
{
    const struct {
        const char* section;
        const char* key;
        const char* text;
        const char* line;  // the key's line when the settings are written again
    } cases[] = {
        {"Colors", "BackgroundColor", "255", "BackgroundColor=255"},
        {"Colors", "BackgroundColor", "16777216", "BackgroundColor=0"},
        {"Colors", "ConstructionColor", "-1", "ConstructionColor=16777215"},
        {"Colors", "BackGroundIndex", "15", "BackGroundIndex=15"},
        {"Colors", "BackGroundIndex", "16", "BackGroundIndex=0"},
        {"Colors", "OutlineIndex", "-1", "OutlineIndex=15"},
        {"Colors", "OutlineColor", "true", "OutlineColor=16777215"},
        {"DrawingSetup", "UserRatio", "1", "UserRatio=1"},
        {"DrawingSetup", "UserRatio", "true", "UserRatio=1"},
        {"DrawingSetup", "UserRatio", "TRUE", "UserRatio=1"},
        {"DrawingSetup", "UserRatio", "false", "UserRatio=0"},
        {"DrawingSetup", "UserRatio", "2", "UserRatio=0"},
        {"DrawingSetup", "UserRatio", "yes", "UserRatio=0"},
        {"DrawingSetup", "AspectRatio", "80000", "AspectRatio=80000"},
        {"DrawingSetup", "AspectRatio", "120000", "AspectRatio=120000"},
        {"DrawingSetup", "AspectRatio", "79999", "AspectRatio=100000"},
        {"DrawingSetup", "AspectRatio", "120001", "AspectRatio=100000"},
        {"DrawingSetup", "SmoothLines", "0", "SmoothLines=0"},
        {"DrawingSetup", "SmoothLines", "false", "SmoothLines=0"},
        {"DrawingSetup", "SmoothLines", "2", "SmoothLines=1"},
        {"Accuracies", "Dimensions", "1", "Dimensions=1"},
        {"Accuracies", "Dimensions", "11000", "Dimensions=11000"},
        {"Accuracies", "Dimensions", "0", "Dimensions=100"},
        {"Accuracies", "Dimensions", "11001", "Dimensions=100"},
        {"Accuracies", "Dimensions", "12.5", "Dimensions=100"},
        {"Accuracies", "Percentages", "110000", "Percentages=110000"},
        {"Accuracies", "Percentages", "99", "Percentages=10000"},
        {"Accuracies", "Coefficients", "10", "Coefficients=10"},
        {"Accuracies", "Coefficients", "abc", "Coefficients=1000"},
        {"Accuracies", "Coefficients", "", "Coefficients=1000"},
        {"Editing", "RegenerateWhileEditing", "1", "RegenerateWhileEditing=1"},
        {"Editing", "RegenerateWhileEditing", "true", "RegenerateWhileEditing=1"},
        {"Editing", "RegenerateWhileEditing", "2", "RegenerateWhileEditing=0"},
        {"Colors", "Dimensions", "500", "Dimensions=100"},
    };
    for (const auto& c : cases) {
        const auto lines = SettingsFileLines(SettingsFromTexts({{{c.section, c.key}, c.text}}));
        EXPECT_NE(std::find(lines.begin(), lines.end(), c.line), lines.end())
            << c.key << "=" << c.text;
    }
}

TEST(SettingsFileFormat, RecentProjectsFollowInTheirOwnSectionAndReadBackInOrder)
{
    Settings written;
    written.RecentProjects = {"/boats/My Sloop, v2.sfp", "/boats/cruiser.sfp"};
    const std::vector<std::string> lines = SettingsFileLines(written);
    const std::vector<std::string> tail(lines.end() - 4, lines.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"", "[Recent]", "File1=/boats/My%20Sloop%2C%20v2.sfp",
                                              "File2=/boats/cruiser.sfp"}));
    EXPECT_EQ(SettingsFromTexts(ReadIniLines(lines)).RecentProjects, written.RecentProjects);
}

TEST(SettingsFileFormat, RecentProjectsSkipDamagedRepeatedAndSurplusEntries)
{
    const fuzz::StoredTexts texts = {{{"Recent", "File1"}, "/a.sfp"}, {{"Recent", "File2"}, "/b%zz.sfp"},
                         {{"Recent", "File3"}, ""},       {{"Recent", "File4"}, "/a.sfp"},
                         {{"Recent", "File5"}, "/c.sfp"}, {{"Recent", "File9"}, "/d.sfp"}};
    EXPECT_EQ(SettingsFromTexts(texts).RecentProjects, (std::vector<std::string>{"/a.sfp", "/c.sfp"}));
}
