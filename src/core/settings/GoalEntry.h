#pragma once
#include <optional>
#include <string>

#include "generator/RunGeneration.h"

namespace sloopform {

// What the dialog accepts for one goal accuracy, and how it refuses the rest.
struct GoalRule {
    const char* Name;          // "Dimension Goal"
    double Lowest;             // inclusive
    double Highest;            // inclusive
    const char* RangeMessage;  // shown for a number outside Lowest..Highest
};

extern const GoalRule kDimensionGoalRule;
extern const GoalRule kPercentageGoalRule;
extern const GoalRule kCoefficientGoalRule;

// A goal as the dialog shows it: 6 decimals with the trailing zeros removed.
std::string FormatGoal(long double goal);

struct GoalTexts {
    std::string Dimension;
    std::string Percentage;
    std::string Coefficient;
};

// The three goals typed in the dialog, or the message refusing the first bad one.
struct GoalEntry {
    std::optional<GoalAccuracies> Goals;
    std::string Message;
};

// Each text is trimmed of blanks and read as a decimal number; the goals are
// given only when all three are numbers within their rule's range.
GoalEntry ParseGoals(const GoalTexts& texts);

}  // namespace sloopform
