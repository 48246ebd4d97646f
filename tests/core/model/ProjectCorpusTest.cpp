#include <gtest/gtest.h>

#include <set>

#include "../../fuzz/ProjectReaderCheck.h"
#include "TestPaths.h"

using namespace sloopform;

// Replays the fuzzing corpus: awkward project files must each give at most
// one message and never crash; these few are complete and read silently.
TEST(ProjectCorpus, EveryStoredInputIsReadSafely)
{
    const std::set<std::string> readSilently = {"valid-cruiser.sfp",     "lf-line-ends.sfp",
                                                "no-final-line-end.sfp", "exponent-and-blanks.sfp",
                                                "extra-lines.sfp",       "largest-and-tiny.sfp",
                                                "negative-values.sfp",   "many-digits.sfp"};
    test::TempDir scratch;
    int replayed = 0;
    for (const auto& entry :
         std::filesystem::directory_iterator(test::SourceDir() / "tests/fuzz/project-reader-corpus")) {
        const std::string name = entry.path().filename().string();
        fuzz::ReaderVerdict verdict;
        EXPECT_NO_THROW(
            verdict = fuzz::CheckProjectReader(test::ReadFileBytes(entry.path()), scratch.Path()))
            << name;
        EXPECT_EQ(verdict.broken, "") << name;
        EXPECT_EQ(verdict.messages, readSilently.count(name) ? 0 : 1) << name;
        ++replayed;
    }
    EXPECT_GE(replayed, 20);
}
