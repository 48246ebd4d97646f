#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/Offsets.h"

namespace sloopform {

// Levels in metres separated by `separator` (blanks around each allowed, and
// runs of them when the separator is a blank); empty text is an empty list. Nothing when an entry is not a number, or is a
// buttock (`buttocks`) that does not lie off the centre plane.
std::optional<std::vector<long double>> ParseLevelList(std::string_view text, char separator,
                                                       bool buttocks);

// The levels with three decimals, joined by the separator.
std::string LevelListText(const std::vector<long double>& levels, char separator);

struct ParsedOffsetLevels {
    std::optional<OffsetLevels> Levels;
    std::string Error;  // set when the text is unusable
};

// "WL1,WL2,...:BT1,BT2,...", the batch tool's form; a side left empty keeps
// the default levels of its kind.
ParsedOffsetLevels ParseOffsetLevels(std::string_view text);

}  // namespace sloopform
