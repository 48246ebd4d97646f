#include <gtest/gtest.h>

#include "TestPaths.h"
#include "platform/Cp1252.h"
#include "platform/TextFileWriter.h"

using namespace sloopform;
using sloopform::test::ReadFileBytes;
using sloopform::test::TempDir;
using sloopform::test::WriteFileBytes;

TEST(TextFileWriter, CommitReplacesTheTargetWithCrLfLines)
{
    TempDir dir;
    const auto target = dir / "a.txt";
    WriteFileBytes(target, "old");
    TextFileWriter writer(target);
    ASSERT_TRUE(writer.Open());
    EXPECT_TRUE(writer.WriteLine("one"));
    EXPECT_TRUE(writer.WriteLine(""));
    EXPECT_EQ(ReadFileBytes(target), "old");
    EXPECT_TRUE(writer.Commit());
    EXPECT_EQ(ReadFileBytes(target), "one\r\n\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST(TextFileWriter, FailedWriteKeepsTheOldFileAndLeavesNoTemporary)
{
    TempDir dir;
    const auto target = dir / "a.txt";
    WriteFileBytes(target, "old");
    {
        TextFileWriter::FailWritesFromLine(2);
        TextFileWriter writer(target);
        ASSERT_TRUE(writer.Open());
        EXPECT_TRUE(writer.WriteLine("one"));
        EXPECT_FALSE(writer.WriteLine("two"));
        EXPECT_FALSE(writer.Commit());
        TextFileWriter::FailWritesFromLine(std::nullopt);
    }
    EXPECT_EQ(ReadFileBytes(target), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);

    TextFileWriter nowhere(dir / "missing" / "a.txt");
    EXPECT_FALSE(nowhere.Open());
    EXPECT_FALSE(nowhere.WriteLine("x"));
}

TEST(Cp1252, ConvertsTheSignsOfUnitsBothWays)
{
    EXPECT_EQ(Utf8ToCp1252("°"), "\xB0");
    EXPECT_EQ(Utf8ToCp1252("m² m³ €"), "m\xB2 m\xB3 \x80");
    EXPECT_EQ(Cp1252ToUtf8("\xB0\xB2\xB3\x80"), "°²³€");
    EXPECT_EQ(Utf8ToCp1252("→"), "?");
    EXPECT_EQ(Cp1252ToUtf8(Utf8ToCp1252("plain")), "plain");
}
