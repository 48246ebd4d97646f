#pragma once
#include <filesystem>
#include <string>

namespace sloopform {

// The name without its directory, as messages and captions show it.
inline std::string ShortFileName(const std::string& fullName)
{
    return std::filesystem::path(fullName).filename().string();
}

}  // namespace sloopform
