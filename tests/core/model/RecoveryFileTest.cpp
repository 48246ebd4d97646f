#include "model/RecoveryFile.h"

#include <gtest/gtest.h>

#include <fstream>

#include "TestPaths.h"

using namespace sloopform;
using test::ReadFileBytes;
using test::TempDir;

namespace {

std::vector<std::string> FilesIn(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    if (!std::filesystem::exists(folder)) return names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

TEST(RecoveryFile, KeepsOneCopyPerRunUnderTheDocumentsLatestName)
{
    TempDir dir;
    const auto folder = dir / "sloopform" / "recovery";
    RecoveryFile run(folder, "project", "sfp");
    ASSERT_TRUE(run.Write({"Loa=12.000", "Lwl=10.000"}, "Untitled.sfp"));
    ASSERT_TRUE(run.Current());
    EXPECT_EQ(ReadFileBytes(*run.Current()), "Loa=12.000\r\nLwl=10.000\r\n");
    EXPECT_EQ(run.DocumentName(*run.Current()), "Untitled.sfp");

    // Saved under another name and changed again: the stale copy goes.
    ASSERT_TRUE(run.Write({"Loa=13.000"}, "cruiser.sfp"));
    const auto files = FilesIn(folder);
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(run.DocumentName(folder / files[0]), "cruiser.sfp");
    EXPECT_TRUE(run.LeftOver().empty()) << "a run's own copy is no left-over";

    run.Discard();
    EXPECT_TRUE(FilesIn(folder).empty());
}

TEST(RecoveryFile, OffersCopiesOfEarlierRunsNewestFirstAndRemovesThemOnlyOnACleanExit)
{
    TempDir dir;
    const auto folder = dir.Path();
    {
        RecoveryFile older(folder, "project", "sfp");
        ASSERT_TRUE(older.Write({"Loa=1.000"}, "older.sfp"));
        std::filesystem::last_write_time(*older.Current(),
                                         std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
        RecoveryFile newer(folder, "project", "sfp");
        ASSERT_TRUE(newer.Write({"Loa=2.000"}, "newer.sfp"));
        RecoveryFile report(folder, "report", "rpt");
        ASSERT_TRUE(report.Write({"text"}, "Untitled.rpt"));
    }  // the runs end without removing their copies, as a crash would
    std::ofstream(folder / "project-notes.txt") << "not a copy";

    RecoveryFile next(folder, "project", "sfp");
    const auto copies = next.LeftOver();
    ASSERT_EQ(copies.size(), 2u);
    EXPECT_EQ(next.DocumentName(copies[0]), "newer.sfp");
    EXPECT_EQ(next.DocumentName(copies[1]), "older.sfp");

    // Declined and then a document of the same name kept: both copies live.
    next.MarkOffered(copies[0]);
    ASSERT_TRUE(next.Write({"Loa=3.000"}, "newer.sfp"));
    EXPECT_EQ(ReadFileBytes(copies[0]), "Loa=2.000\r\n");
    next.Discard();
    EXPECT_TRUE(std::filesystem::exists(copies[0])) << "a save keeps the declined copy";

    next.RemoveAll();
    EXPECT_FALSE(std::filesystem::exists(copies[0]));
    EXPECT_TRUE(std::filesystem::exists(copies[1])) << "a copy never offered stays";
    EXPECT_EQ(FilesIn(folder).size(), 3u);  // older project, report, notes
}

TEST(RecoveryFile, ADamagedCopyIsPutAsideUnderAFreshName)
{
    TempDir dir;
    RecoveryFile run(dir.Path(), "project", "sfp");
    ASSERT_TRUE(run.Write({"garbage"}, "Untitled.sfp"));
    const auto first = *run.Current();
    const auto aside = RecoveryFile::PutAside(first);
    ASSERT_TRUE(aside);
    EXPECT_EQ(ReadFileBytes(*aside), "garbage\r\n");

    // The same name damaged again does not replace the first one put aside.
    std::ofstream(first, std::ios::binary) << "more garbage";
    const auto second = RecoveryFile::PutAside(first);
    ASSERT_TRUE(second);
    EXPECT_NE(*second, *aside);
    EXPECT_EQ(ReadFileBytes(*aside), "garbage\r\n");
    EXPECT_TRUE(RecoveryFile(dir.Path(), "project", "sfp").LeftOver().empty());
}

TEST(RecoveryFile, AFolderThatCannotBeMadeFailsTheWrite)
{
    TempDir dir;
    std::ofstream(dir / "blocked") << "a file where the folder should be";
    RecoveryFile run(dir / "blocked" / "recovery", "project", "sfp");
    EXPECT_FALSE(run.Write({"Loa=1.000"}, "Untitled.sfp"));
    EXPECT_FALSE(run.Current());
    EXPECT_TRUE(run.LeftOver().empty());
}
