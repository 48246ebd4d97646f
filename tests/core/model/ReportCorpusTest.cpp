#include <gtest/gtest.h>

#include "../../fuzz/ReportReaderCheck.h"
#include "CorpusReplay.h"
#include "TestPaths.h"

using namespace sloopform;

// Replays the report reader's fuzzing corpus: every file opens and survives a
// save and a second reading unchanged.
TEST(ReportCorpus, EveryStoredInputReadsAndSavesBackUnchanged)
{
    test::TempDir scratch;
    const int replayed = test::ReplayCorpus(
        "report-reader-corpus", [&](const std::string& bytes) { return fuzz::CheckReportReader(bytes, scratch.Path()); });
    EXPECT_GE(replayed, 15);
}
