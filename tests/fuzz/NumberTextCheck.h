#pragma once
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>

#include "DecimalReference.h"
#include "numeric/NumberText.h"
#include "numeric/Real48.h"

namespace sloopform::fuzz {

namespace detail {

inline std::string Shown(long double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.21Lg", value);
    return text;
}

// Enough decimals for about 20 significant digits, which single out a 6-byte value.
inline int DecimalsToSingleOut(long double value)
{
    if (value == 0) return 1;
    return std::max(0, 20 - static_cast<int>(std::floor(std::log10(std::fabs(value)))));
}

}  // namespace detail

// What the number-text parser must do with any text: refuse what is not a
// decimal number or lies beyond the 6-byte range; read the rest as the nearest
// extended value, which stores as the nearest 6-byte value to it; and that
// value, formatted with enough decimals, reads back as itself. Texts of tiny
// numbers far below the 6-byte range may be refused; accepted, they store 0.
inline std::string CheckNumberText(const std::string& text)
{
    const std::optional<long double> parsed = ParseReal(text);
    const std::optional<DecimalText> decimal = ReadDecimal(text);
    if (!decimal) return parsed ? "accepts a text that is no number: " + detail::Shown(*parsed) : "";

    const long magnitude = static_cast<long>(decimal->Digits.size()) + decimal->Exponent;
    std::optional<long double> extended, stored;
    if (decimal->Digits.empty()) {
        extended = stored = decimal->Negative ? -0.0L : 0.0L;
    } else if (magnitude > 40) {  // beyond 10^39
        if (parsed) return "accepts a number beyond the 6-byte range: " + detail::Shown(*parsed);
        return {};
    } else if (magnitude < -300) {
        if (parsed && Round48(*parsed) != 0) return "a tiny number stores " + detail::Shown(Round48(*parsed));
        return {};
    } else {
        BigNumber numerator = BigNumber::FromDigits(decimal->Digits);
        BigNumber denominator(1);
        if (decimal->Exponent >= 0) numerator *= BigNumber::PowerOfTen(decimal->Exponent);
        else denominator = BigNumber::PowerOfTen(-decimal->Exponent);
        const BinaryValue nearest = NearestExtended(numerator, denominator);
        const auto real48 = NearestReal48(nearest);
        if (real48) {
            extended = nearest.Value(decimal->Negative);
            stored = real48->Value(decimal->Negative);
        }
        // The parser refuses by the extended value; one that rounds past the
        // largest 6-byte value must be refused too.
        if (real48 && std::fabs(*extended) > Real48::Largest()) extended.reset();
    }

    if (!extended) return parsed ? "accepts a number that cannot be stored: " + detail::Shown(*parsed) : "";
    if (!parsed) return "refuses the number " + detail::Shown(*extended);
    if (*parsed != *extended)
        return "reads " + detail::Shown(*parsed) + " instead of " + detail::Shown(*extended);
    const long double value = Round48(*parsed);
    if (value != *stored) return "stores " + detail::Shown(value) + " instead of " + detail::Shown(*stored);

    const std::string formatted = FormatFixed(value, detail::DecimalsToSingleOut(value));
    const std::optional<long double> reread = ParseReal(formatted);
    if (!reread || Round48(*reread) != value)
        return "the stored " + detail::Shown(value) + " formatted as " + formatted + " does not read back";
    return {};
}

}  // namespace sloopform::fuzz
