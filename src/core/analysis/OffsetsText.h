#pragma once
#include <optional>
#include <string>

#include "analysis/Offsets.h"

namespace sloopform {

// How a table of offsets prints a length: metres with three decimals.
std::string OffsetText(long double metres, int width = 0);

// The heading of a waterline or a buttock column: "WL 0.275", "BT 0.400".
std::string WaterlineHeading(long double height);
std::string ButtockHeading(long double distance);

// A measured value, or blanks of the width where the line misses the station.
std::string OptionalOffsetText(const std::optional<long double>& metres, int width = 0);

}  // namespace sloopform
