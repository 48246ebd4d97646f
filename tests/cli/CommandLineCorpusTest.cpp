#include <gtest/gtest.h>

#include "../fuzz/CommandLineCheck.h"
#include "CorpusReplay.h"

using namespace sloopform;

// Replays the command-line fuzzing corpus: a usage error or a usable command.
TEST(CommandLineCorpus, EveryStoredCommandLineIsRefusedOrUsable)
{
    const int replayed = test::ReplayCorpus("command-line-corpus", [](const std::string& bytes) {
        return fuzz::CheckCommandLine(fuzz::SplitArguments(bytes));
    });
    EXPECT_GE(replayed, 10);
}
