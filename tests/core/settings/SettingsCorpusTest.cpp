#include <gtest/gtest.h>

#include "../../fuzz/SettingsCheck.h"
#include "CorpusReplay.h"

using namespace sloopform;

// Replays the settings fuzzing corpus: each key keeps its stored value only
// within the dialog's range, and the settings survive a write and a read.
TEST(SettingsCorpus, EveryStoredInputKeepsValuesInRangeAndReadsBack)
{
    EXPECT_GE(test::ReplayCorpus("settings-corpus", fuzz::CheckSettingsText), 8);
}
