#include "model/ReportFile.h"

#include <gtest/gtest.h>

#include "FailingWrites.h"
#include "RecordingUi.h"
#include "TestPaths.h"

using namespace sloopform;
using test::ReadFileBytes;
using test::RecordingUi;
using test::TempDir;
using test::WriteFileBytes;

using Lines = std::vector<std::string>;

TEST(ReportFile, SavedReportsReadBackExactlyInTheEncodingTheirCharactersNeed)
{
    const struct {
        const char* name;
        Lines lines;
        std::string bytes;
    } cases[] = {
        {"empty", {}, ""},
        {"units in Windows-1252",
         {"Volume      8.123 m³", "Water Density   1025.000 kg/m³", "", "Bow Curvature (Angle) = 5.000 °"},
         "Volume      8.123 m\xB3\r\nWater Density   1025.000 kg/m\xB3\r\n\r\n"
         "Bow Curvature (Angle) = 5.000 \xB0\r\n"},
        {"euro and quotes in Windows-1252", {"\t€ “x” — ok", ""}, "\t\x80 \x93x\x94 \x97 ok\r\n\r\n"},
        {"outside Windows-1252 as UTF-8", {"Ship → 船 😀", "m²"},
         "\xEF\xBB\xBFShip \xE2\x86\x92 \xE8\x88\xB9 \xF0\x9F\x98\x80\r\nm\xC2\xB2\r\n"},
        // As Windows-1252 these bytes would be the UTF-8 of "é".
        {"Windows-1252 bytes that read as UTF-8", {"Ã©"}, "\xEF\xBB\xBF\xC3\x83\xC2\xA9\r\n"},
        {"a leading zero-width space survives", {"\xEF\xBB\xBFx"}, "\xEF\xBB\xBF\xEF\xBB\xBFx\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const std::string file = (dir / "r.rpt").string();
        RecordingUi ui;
        ASSERT_TRUE(SaveReport(c.lines, file));
        EXPECT_EQ(ReadFileBytes(file), c.bytes);
        EXPECT_EQ(LoadReport(file), c.lines);
        EXPECT_TRUE(ui.messages.empty());
    }
}

TEST(ReportFile, ReadsFilesOfOtherEditors)
{
    const struct {
        const char* name;
        std::string bytes;
        Lines lines;
    } cases[] = {
        {"UTF-8 without mark, LF", "a°\nb\n", {"a°", "b"}},
        {"UTF-8 with mark, no final line end", "\xEF\xBB\xBF" "a\xC2\xB2\r\nb", {"a²", "b"}},
        {"Windows-1252, CR alone", "m\xB3\rx\r\r", {"m³", "x", ""}},
        {"mark followed by Windows-1252", "\xEF\xBB\xBFm\xB2", {"ï»¿m²"}},
        {"overlong form is not UTF-8", "\xC0\xAF", {"À¯"}},
        {"surrogate is not UTF-8", "\xED\xA0\x80", {"í\xC2\xA0€"}},
        {"truncated sequence is not UTF-8", "ok\xE2\x86", {"okâ†"}},
        {"only line ends", "\r\n\n", {"", ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DecodeReportText(c.bytes), c.lines);
    }
}

TEST(ReportFile, FailedSaveKeepsThePreviousFileAndNamesTheFile)
{
    TempDir dir;
    const std::string file = (dir / "r.rpt").string();
    WriteFileBytes(file, "old\r\n");
    RecordingUi ui;
    {
        test::FailingWrites failing(2);
        EXPECT_FALSE(SaveReport({"one", "two", "three"}, file));
    }
    EXPECT_EQ(ReadFileBytes(file), "old\r\n");
    EXPECT_EQ(ui.MessageTexts(), Lines{"Error writing " + file});

    EXPECT_FALSE(SaveReport({"x"}, (dir / "missing" / "r.rpt").string()));
    EXPECT_EQ(ui.messages.size(), 2u);
}

TEST(ReportFile, MissingFileOrFolderIsReportedAndGivesNoText)
{
    TempDir dir;
    RecordingUi ui;
    EXPECT_EQ(LoadReport((dir / "none.rpt").string()), std::nullopt);
    EXPECT_EQ(LoadReport(dir.Path().string()), std::nullopt);
    EXPECT_EQ(ui.MessageTexts(), (Lines{"Unable to open none.rpt for reading",
                                        "Unable to open " + dir.Path().filename().string() +
                                            " for reading"}));
}
