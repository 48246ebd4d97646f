#include "numeric/NumberText.h"

#include <charconv>
#include <cmath>

#include "numeric/Real48.h"

namespace sloopform {

namespace {

std::string FixedDigits(long double value, int decimals)
{
    char buffer[128];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::fixed, decimals);
    return std::string(buffer, result.ptr);
}

// Exactly half-way between two texts with `decimals` decimals: 2 * value * 10^decimals
// is an odd integer, which (5^decimals being odd) holds exactly when
// value * 2^(decimals + 1) is one.
bool IsDecimalTie(long double value, int decimals)
{
    const long double scaled = std::ldexp(std::fabs(value), decimals + 1);
    return std::isfinite(scaled) && std::fmod(scaled, 2.0L) == 1.0L;
}

// Drops the trailing 5 of an exact half and carries one unit of the last kept
// digit into the magnitude.
std::string RoundTieAwayFromZero(std::string text)
{
    text.pop_back();
    if (text.back() == '.') text.pop_back();
    std::size_t i = text.size();
    while (i > 0) {
        char& digit = text[--i];
        if (digit == '.') continue;
        if (digit == '-') break;
        if (digit != '9') {
            ++digit;
            return text;
        }
        digit = '0';
    }
    text.insert(text[0] == '-' ? 1 : 0, 1, '1');
    return text;
}

// A leading "+" may stand where a "-" may, never before one: false for "+-".
bool DropPlusSign(std::string_view& text)
{
    if (text.empty() || text.front() != '+') return true;
    text.remove_prefix(1);
    return text.empty() || text.front() != '-';
}

}  // namespace

std::string ShortestText(double value)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string FormatFixed(long double value, int decimals, int width)
{
    // An exact half has an exact text with one more decimal, ending in 5.
    std::string text = IsDecimalTie(value, decimals)
                           ? RoundTieAwayFromZero(FixedDigits(value, decimals + 1))
                           : FixedDigits(value, decimals);
    if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), ' ');
    return text;
}

std::optional<long double> ParseReal(std::string_view text)
{
    std::size_t start = 0;
    while (start < text.size() && text[start] == ' ') ++start;
    text.remove_prefix(start);
    if (!DropPlusSign(text) || text.empty()) return std::nullopt;
    const char first = text.front() == '-' && text.size() > 1 ? text[1] : text.front();
    if (!(std::isdigit(static_cast<unsigned char>(first)) || first == '.')) return std::nullopt;
    // Straight into extended precision: through a double, a typed value can
    // land one 6-byte step away from the nearest one.
    long double value = 0.0L;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value,
                                        std::chars_format::general);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
    if (!std::isfinite(value) || std::fabs(value) > Real48::Largest()) return std::nullopt;
    return value;
}

std::optional<long> ParseInteger(std::string_view text)
{
    if (!DropPlusSign(text)) return std::nullopt;
    long value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string Trim(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

}  // namespace sloopform
