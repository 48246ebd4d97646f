#include "numeric/NumberText.h"

#include <charconv>
#include <cmath>

#include "numeric/Real48.h"

namespace sloopform {

std::string FormatFixed(long double value, int decimals, int width)
{
    char buffer[128];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::fixed, decimals);
    std::string text(buffer, result.ptr);
    if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), ' ');
    return text;
}

std::optional<long double> ParseReal(std::string_view text)
{
    std::size_t start = 0;
    while (start < text.size() && text[start] == ' ') ++start;
    text.remove_prefix(start);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    const char first = text.front() == '-' && text.size() > 1 ? text[1] : text.front();
    if (!(std::isdigit(static_cast<unsigned char>(first)) || first == '.')) return std::nullopt;
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value,
                                        std::chars_format::general);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
    if (!std::isfinite(value) || std::fabs(value) > Real48::Largest()) return std::nullopt;
    return value;
}

std::optional<long> ParseInteger(std::string_view text)
{
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
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
