#include "model/TextDataFile.h"

#include <gtest/gtest.h>

#include "FailingWrites.h"
#include "RecordingUi.h"
#include "TestPaths.h"

using namespace sloopform;
using test::ReadFileBytes;
using test::RecordingUi;
using test::TempDir;
using test::WriteFileBytes;

namespace {

struct ReadBack {
    Real48 first = 111;
    Real48 second = 222;
    Real48 third = 333;
};

// Reads keys A, B, C as reals from a file with the given bytes.
ReadBack ReadThree(const std::filesystem::path& path, const std::string& bytes)
{
    WriteFileBytes(path, bytes);
    ReadBack values;
    TTextDataFile file(path.string());
    EXPECT_FALSE(file.OpenForRead());
    file.ReadReal("A", values.first);
    file.ReadReal("B", values.second);
    file.ReadReal("C", values.third);
    return values;
}

}  // namespace

TEST(TextDataFile, WritesKeyEqualsValueLinesWithCrLf)
{
    RecordingUi ui;
    TempDir dir;
    const auto path = dir / "data.txt";
    {
        TTextDataFile file(path.string());
        EXPECT_EQ(file.GetMode(), TTextDataFile::Mode::Closed);
        EXPECT_FALSE(std::filesystem::exists(path));  // construction does not touch the disk
        ASSERT_FALSE(file.OpenForWrite());
        EXPECT_EQ(file.GetMode(), TTextDataFile::Mode::Writing);
        file.WriteReal("K", 0.0004L);
        file.WriteReal("K", 12.3456L);
        file.WriteReal("BPDA", -5);
        file.WriteInt("Count", 21);
        file.WriteString("Name", "Caf\xC3\xA9 20\xC2\xB0");
    }
    EXPECT_EQ(ReadFileBytes(path),
              "K=0.000\r\nK=12.346\r\nBPDA=-5.000\r\nCount=21\r\nName=Caf\xE9 20\xB0\r\n");
    EXPECT_TRUE(ui.messages.empty());

    TTextDataFile file(path.string());
    ASSERT_FALSE(file.OpenForRead());
    Real48 real;
    int count = 0;
    std::string name;
    file.ReadReal("K", real);
    EXPECT_EQ(real, 0.0L);
    file.ReadReal("K", real);
    EXPECT_EQ(real, Real48(12.346L));
    file.ReadReal("BPDA", real);
    EXPECT_EQ(real, -5.0L);
    file.ReadInt("Count", count);
    EXPECT_EQ(count, 21);
    file.ReadString("Name", name);
    EXPECT_EQ(name, "Caf\xC3\xA9 20\xC2\xB0");
    EXPECT_TRUE(ui.messages.empty());
}

TEST(TextDataFile, ReadsLinesEndedByLfAlone)
{
    RecordingUi ui;
    TempDir dir;
    const ReadBack values = ReadThree(dir / "lf.txt", "A=1.5\nB= 2e1\nC=-.25");
    EXPECT_EQ(values.first, 1.5L);
    EXPECT_EQ(values.second, 20.0L);  // leading blanks and exponents are numbers
    EXPECT_EQ(values.third, -0.25L);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(TextDataFile, UnknownFieldStopsReadingWithOneMessage)
{
    RecordingUi ui;
    TempDir dir;
    const ReadBack values = ReadThree(dir / "case.sfp", "A=1.000\r\nb=2.000\r\nC=3.000\r\n");
    EXPECT_EQ(values.first, 1.0L);
    EXPECT_EQ(values.second, 222.0L);
    EXPECT_EQ(values.third, 333.0L);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Unknown Field b in case.sfp");
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(ui.messages[0].buttons, MessageButtons::Ok);

    ui.messages.clear();
    ReadThree(dir / "blanks.sfp", "A = 10.5\r\n");
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"Unknown Field A  in blanks.sfp"});
    ui.messages.clear();
    ReadThree(dir / "noequals.sfp", "A 10.5\r\n");
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"Unknown Field  in noequals.sfp"});
}

TEST(TextDataFile, ConversionFaultsKeepTheValuesReadBefore)
{
    RecordingUi ui;
    TempDir dir;
    const ReadBack values = ReadThree(dir / "bad.sfp", "A=4.000\r\nB=abc\r\nC=3.000\r\n");
    EXPECT_EQ(values.first, 4.0L);
    EXPECT_EQ(values.second, 222.0L);
    EXPECT_EQ(values.third, 333.0L);
    EXPECT_EQ(ui.MessageTexts(),
              std::vector<std::string>{"Unable to convert field abc to real number format"});

    for (const std::string text :
         {"nan", "inf", "-inf", "1e39", "-2e38", "1.0 ", "", "1,5", "0x10"}) {
        ui.messages.clear();
        const ReadBack rejected = ReadThree(dir / "odd.sfp", "A=" + text + "\r\nB=1\r\n");
        EXPECT_EQ(rejected.first, 111.0L) << text;
        EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"Unable to convert field " + text +
                                                              " to real number format"})
            << text;
    }

    ui.messages.clear();
    WriteFileBytes(dir / "int.txt", "Count=21.5\r\nNext=1\r\n");
    TTextDataFile file((dir / "int.txt").string());
    file.OpenForRead();
    int count = 7;
    file.ReadInt("Count", count);
    file.ReadInt("Next", count);
    EXPECT_EQ(count, 7);
    EXPECT_EQ(ui.MessageTexts(),
              std::vector<std::string>{"Unable to convert field 21.5 to Integer number format"});
    EXPECT_EQ(file.GetMode(), TTextDataFile::Mode::Closed);
}

TEST(TextDataFile, ReadingPastTheEndIsAnUnknownEmptyField)
{
    RecordingUi ui;
    TempDir dir;
    const ReadBack values = ReadThree(dir / "short.sfp", "A=1.000\r\n");
    EXPECT_EQ(values.first, 1.0L);
    EXPECT_EQ(values.second, 222.0L);
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"Unknown Field  in short.sfp"});

    ui.messages.clear();
    ReadThree(dir / "empty.sfp", "");
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"Unknown Field  in empty.sfp"});
}

TEST(TextDataFile, StringValuesAreCutAt255Characters)
{
    RecordingUi ui;
    TempDir dir;
    const auto path = dir / "long.txt";
    WriteFileBytes(path, "S=" + std::string(300, 'x') + "=y\r\n");
    TTextDataFile file(path.string());
    file.OpenForRead();
    std::string text;
    file.ReadString("S", text);
    EXPECT_EQ(text, std::string(255, 'x'));
    EXPECT_TRUE(ui.messages.empty());
}

TEST(TextDataFile, OpenFailuresSayWhichWayWithoutABlank)
{
    RecordingUi ui;
    TempDir dir;
    TTextDataFile missing((dir / "missing.sfp").string());
    EXPECT_TRUE(missing.OpenForRead());
    EXPECT_EQ(missing.GetMode(), TTextDataFile::Mode::Closed);
    Real48 value = 5;
    missing.ReadReal("Loa", value);
    EXPECT_EQ(value, 5.0L);

    TTextDataFile nowhere((dir / "no-such-folder" / "p.sfp").string());
    EXPECT_TRUE(nowhere.OpenForWrite());
    nowhere.WriteReal("Loa", 1);  // ignored, no second message

    TTextDataFile folder(dir.Path().string());
    EXPECT_TRUE(folder.OpenForRead());
    EXPECT_EQ(ui.MessageTexts(),
              (std::vector<std::string>{
                  "Unable to Open missing.sfpfor reading", "Unable to Open p.sfpfor writing",
                  "Unable to Open " + dir.Path().filename().string() + "for reading"}));
    for (const auto& message : ui.messages) EXPECT_EQ(message.icon, MessageIcon::Error);
}

TEST(TextDataFile, FailedWriteLeavesThePreviousFileWithOneMessage)
{
    RecordingUi ui;
    TempDir dir;
    const auto path = dir / "keep.sfp";
    WriteFileBytes(path, "Old=1.000\r\n");
    {
        TTextDataFile file(path.string());
        ASSERT_FALSE(file.OpenForWrite());
        {
            const test::FailingWrites failing(2);
            file.WriteReal("A", 1);
            file.WriteReal("B", 2);
            file.WriteReal("C", 3);
        }
        file.WriteReal("D", 4);
        EXPECT_TRUE(file.Failed());
        EXPECT_EQ(file.GetMode(), TTextDataFile::Mode::Closed);
    }
    EXPECT_EQ(ReadFileBytes(path), "Old=1.000\r\n");
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"Error writing keep.sfp"});
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1)
        << "no temporary file is left behind";
}
