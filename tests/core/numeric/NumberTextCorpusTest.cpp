#include <gtest/gtest.h>

#include "../../fuzz/NumberTextCheck.h"
#include "CorpusReplay.h"

using namespace sloopform;

// Replays the number-text fuzzing corpus against the exact decimal reading.
TEST(NumberTextCorpus, EveryStoredTextReadsAsTheNearestValueOrIsRefused)
{
    EXPECT_GE(test::ReplayCorpus("number-text-corpus", fuzz::CheckNumberText), 25);
}
