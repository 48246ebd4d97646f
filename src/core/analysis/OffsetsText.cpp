#include "analysis/OffsetsText.h"

#include "numeric/NumberText.h"

namespace sloopform {

std::string OffsetText(long double metres, int width) { return FormatFixed(metres, 3, width); }

std::string WaterlineHeading(long double height) { return "WL " + OffsetText(height); }

std::string ButtockHeading(long double distance) { return "BT " + OffsetText(distance); }

std::string OptionalOffsetText(const std::optional<long double>& metres, int width)
{
    return metres ? OffsetText(*metres, width) : std::string(static_cast<std::size_t>(width), ' ');
}

}  // namespace sloopform
