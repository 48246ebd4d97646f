#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace sloopform {

// Fixed-point text with the given decimals, right-aligned in at least `width`
// characters. Locale-independent ("." always), round to nearest of the binary
// value, an exact half away from zero (0.125 with 2 decimals is "0.13").
std::string FormatFixed(long double value, int decimals, int width = 0);

// The fewest decimal digits that read back as the same double ("0.35",
// "741.96512345"), for tables other programs read.
std::string ShortestText(double value);

// A decimal number with "." as separator and an optional exponent; blanks are
// allowed before it, parsed straight into extended precision. Not a number,
// "nan", "inf" and values outside the 6-byte range give nothing.
std::optional<long double> ParseReal(std::string_view text);

// A decimal integer (optional sign), nothing else.
std::optional<long> ParseInteger(std::string_view text);

// Blanks removed at both ends.
std::string Trim(std::string_view text);

}  // namespace sloopform
