#include <gtest/gtest.h>

#include "settings/GoalEntry.h"

using namespace sloopform;

TEST(GoalEntry, FormatsWithSixDecimalsAndNoTrailingZeros)
{
    const struct {
        long double goal;
        const char* text;
    } cases[] = {
        {0.001L, "0.001"}, {0.1L, "0.1"},         {0.01L, "0.01"},
        {0.00001L, "0.00001"}, {Real48(0.001L), "0.001"}, {1.0L, "1"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatGoal(c.goal), c.text) << c.text;
}

TEST(GoalEntry, ChecksEachGoalInOrderWithItsMessage)
{
    const struct {
        GoalTexts texts;
        const char* message;  // empty: accepted
    } cases[] = {
        {{"0.001", "0.1", "0.01"}, ""},
        {{" 0.005 ", " 1 ", "0.05 "}, ""},
        // The upper bounds accepted are a tenth above the ones the messages name.
        {{"0.11", "1.1", "0.11"}, ""},
        {{"0.00001", "0.001", "0.0001"}, ""},
        {{"0.2", "0.1", "0.01"}, "Dimension Goal must be between 0.1 and 0.00001 metres"},
        {{"0.1100001", "0.1", "0.01"}, "Dimension Goal must be between 0.1 and 0.00001 metres"},
        {{"0.0000099", "0.1", "0.01"}, "Dimension Goal must be between 0.1 and 0.00001 metres"},
        {{"0.001", "abc", "0.01"}, "Bad numeric character in Percentage Goal: abc"},
        {{"0.001", "1.2", "0.01"}, "Percentage Goal must be between 1 and 0.001 %"},
        {{"0.001", "0.0009", "0.01"}, "Percentage Goal must be between 1 and 0.001 %"},
        {{"0.001", "0.1", "0.12"}, "Coefficient Goal must be between 0.1 and 0.0001"},
        {{"0.001", "0.1", "0.00009"}, "Coefficient Goal must be between 0.1 and 0.0001"},
        {{"0.001", "0.1", "x"}, "Bad numeric character in Coefficient Goal: x"},
        {{"", "0.1", "0.01"}, "Bad numeric character in Dimension Goal: "},
        // The message shows the text as typed, blanks included.
        {{" 0,5", "abc", "x"}, "Bad numeric character in Dimension Goal:  0,5"},
        {{"0.5", "abc", "x"}, "Dimension Goal must be between 0.1 and 0.00001 metres"},
    };
    for (const auto& c : cases) {
        const GoalEntry entry = ParseGoals(c.texts);
        EXPECT_EQ(entry.Message, c.message) << c.texts.Dimension << " " << c.texts.Percentage;
        EXPECT_EQ(entry.Goals.has_value(), std::string(c.message).empty()) << c.texts.Dimension;
    }
}

TEST(GoalEntry, GivesTheThreeGoalsAsSixByteReals)
{
    const GoalEntry entry = ParseGoals({"0.002", "0.25", "0.005"});
    ASSERT_TRUE(entry.Goals);
    EXPECT_EQ(entry.Goals->Dimension, Real48(0.002L));
    EXPECT_EQ(entry.Goals->Percentage, Real48(0.25L));
    EXPECT_EQ(entry.Goals->Coefficient, Real48(0.005L));
}
