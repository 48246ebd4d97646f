#include "settings/RecentProjects.h"

#include <algorithm>
#include <cstring>

namespace sloopform {

void AddRecentProject(std::vector<std::string>& recent, const std::string& path)
{
    RemoveRecentProject(recent, path);
    recent.insert(recent.begin(), path);
    if (recent.size() > kRecentProjectsKept) recent.resize(kRecentProjectsKept);
}

void RemoveRecentProject(std::vector<std::string>& recent, const std::string& path)
{
    recent.erase(std::remove(recent.begin(), recent.end(), path), recent.end());
}

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";
// Quotes, list commas, escapes, comments, key syntax, variant markers, and the escape itself.
constexpr char kIniSyntax[] = "\"\\,;#=@[]%";

bool Encoded(unsigned char byte)
{
    return byte <= ' ' || byte >= 0x7F || std::strchr(kIniSyntax, byte) != nullptr;
}

int HexValue(char digit)
{
    if (digit >= '0' && digit <= '9') return digit - '0';
    if (digit >= 'A' && digit <= 'F') return digit - 'A' + 10;
    if (digit >= 'a' && digit <= 'f') return digit - 'a' + 10;
    return -1;
}

}  // namespace

std::string EncodedSettingText(const std::string& text)
{
    std::string encoded;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (!Encoded(byte)) {
            encoded += c;
            continue;
        }
        encoded += '%';
        encoded += kHexDigits[byte >> 4];
        encoded += kHexDigits[byte & 0x0F];
    }
    return encoded;
}

std::optional<std::string> DecodedSettingText(const std::string& text)
{
    std::string decoded;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            decoded += text[i];
            continue;
        }
        if (i + 2 >= text.size()) return std::nullopt;
        const int high = HexValue(text[i + 1]);
        const int low = HexValue(text[i + 2]);
        if (high < 0 || low < 0) return std::nullopt;
        decoded += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return decoded;
}

}  // namespace sloopform
