#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace sloopform {

// The projects last opened or saved under a name, most recent first.
inline constexpr std::size_t kRecentProjectsKept = 8;

// Puts `path` first, drops an earlier entry of it and anything past the eighth.
void AddRecentProject(std::vector<std::string>& recent, const std::string& path);
void RemoveRecentProject(std::vector<std::string>& recent, const std::string& path);

// A path as a settings file value: every byte an INI reader would take for
// its own syntax or trim, and every byte outside printable ASCII, as %XX.
std::string EncodedSettingText(const std::string& text);
// Nothing when a % is not followed by two hexadecimal digits.
std::optional<std::string> DecodedSettingText(const std::string& text);

}  // namespace sloopform
