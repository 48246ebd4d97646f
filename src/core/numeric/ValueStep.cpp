#include "numeric/ValueStep.h"

#include <algorithm>
#include <cmath>

#include "numeric/NumberText.h"

namespace sloopform {

namespace {

// Beyond this many the 6-byte real holds no more digits to step.
constexpr int kMostDecimals = 18;

// Decimals written after the point of the mantissa, less the exponent: the
// power of ten of the last digit written, negated.
int WrittenDecimals(const std::string& number)
{
    const std::size_t exponentAt = number.find_first_of("eE");
    const std::string mantissa = number.substr(0, exponentAt);
    const std::size_t point = mantissa.find('.');
    const int fraction = point == std::string::npos ? 0 : int(mantissa.size() - point - 1);
    const int exponent =
        exponentAt == std::string::npos ? 0 : int(ParseInteger(number.substr(exponentAt + 1)).value_or(0));
    return fraction - exponent;
}

}  // namespace

std::optional<std::string> SteppedNumberText(std::string_view text, int steps)
{
    const std::string number = Trim(text);
    const std::optional<long double> value = ParseReal(number);
    if (!value) return std::nullopt;
    const int decimals = std::min(WrittenDecimals(number), kMostDecimals);
    const long double unit = std::pow(10.0L, -decimals);
    return FormatFixed(*value + steps * unit, std::max(decimals, 0));
}

}  // namespace sloopform
