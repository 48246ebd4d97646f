#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace sloopform {

// The number in `text` moved by `steps` units of its last decimal place as
// written ("12.5" steps by 0.1, "12.000" by 0.001, "5.4e-1" by 0.01), written
// back with as many decimals. Nothing when the text is no number.
std::optional<std::string> SteppedNumberText(std::string_view text, int steps);

}  // namespace sloopform
