#include "settings/GoalEntry.h"

#include "numeric/NumberText.h"

namespace sloopform {

// The upper bounds accepted are a tenth above the ones the messages name.
const GoalRule kDimensionGoalRule = {"Dimension Goal", 0.00001, 0.11,
                                     "Dimension Goal must be between 0.1 and 0.00001 metres"};
const GoalRule kPercentageGoalRule = {"Percentage Goal", 0.001, 1.1,
                                      "Percentage Goal must be between 1 and 0.001 %"};
const GoalRule kCoefficientGoalRule = {"Coefficient Goal", 0.0001, 0.11,
                                       "Coefficient Goal must be between 0.1 and 0.0001"};

std::string FormatGoal(long double goal)
{
    std::string text = FormatFixed(goal, 6);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
    return text;
}

namespace {

// The goal, or the message that refuses `text`.
std::optional<long double> ParseGoal(const GoalRule& rule, const std::string& text,
                                     std::string& message)
{
    const std::optional<long double> value = ParseReal(Trim(text));
    if (!value) {
        message = std::string("Bad numeric character in ") + rule.Name + ": " + text;
        return std::nullopt;
    }
    // Compared as the double the text was read into, so "0.11" meets 0.11 exactly.
    const double number = static_cast<double>(*value);
    if (number > rule.Highest || number < rule.Lowest) {
        message = rule.RangeMessage;
        return std::nullopt;
    }
    return value;
}

}  // namespace

GoalEntry ParseGoals(const GoalTexts& texts)
{
    GoalEntry entry;
    const auto dimension = ParseGoal(kDimensionGoalRule, texts.Dimension, entry.Message);
    if (!dimension) return entry;
    const auto percentage = ParseGoal(kPercentageGoalRule, texts.Percentage, entry.Message);
    if (!percentage) return entry;
    const auto coefficient = ParseGoal(kCoefficientGoalRule, texts.Coefficient, entry.Message);
    if (!coefficient) return entry;
    entry.Goals = GoalAccuracies{*dimension, *percentage, *coefficient};
    return entry;
}

}  // namespace sloopform
