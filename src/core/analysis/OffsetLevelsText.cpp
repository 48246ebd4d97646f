#include "analysis/OffsetLevelsText.h"

#include "numeric/NumberText.h"

namespace sloopform {

std::optional<std::vector<long double>> ParseLevelList(std::string_view text, char separator,
                                                       bool buttocks)
{
    std::vector<long double> levels;
    if (Trim(text).empty()) return levels;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(separator, start);
        const std::string entry = Trim(text.substr(start, end - start));
        // Blanks as separators may come in runs.
        if (!entry.empty() || separator != ' ') {
            const auto level = ParseReal(entry);
            if (!level || (buttocks && *level <= 0)) return std::nullopt;
            levels.push_back(*level);
        }
        if (end == std::string_view::npos) return levels;
        start = end + 1;
    }
}

std::string LevelListText(const std::vector<long double>& levels, char separator)
{
    std::string text;
    for (long double level : levels) {
        if (!text.empty()) text += separator;
        text += FormatFixed(level, 3);
    }
    return text;
}

ParsedOffsetLevels ParseOffsetLevels(std::string_view text)
{
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos)
        return {std::nullopt, "--offsets-levels needs WL1,WL2,...:BT1,BT2,... (a colon between "
                              "the waterlines and the buttocks)"};
    const auto waterlines = ParseLevelList(text.substr(0, colon), ',', false);
    if (!waterlines)
        return {std::nullopt, "--offsets-levels: the waterlines must be heights in metres "
                              "separated by commas"};
    const auto buttocks = ParseLevelList(text.substr(colon + 1), ',', true);
    if (!buttocks)
        return {std::nullopt, "--offsets-levels: the buttocks must be positive distances in "
                              "metres separated by commas"};
    return {OffsetLevels{*waterlines, *buttocks}, {}};
}

}  // namespace sloopform
