#pragma once
#include <string>

namespace sloopform {

// Today's local date as YYYY-MM-DD, for title blocks.
std::string TodayText();

}  // namespace sloopform
