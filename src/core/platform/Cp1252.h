#pragma once
#include <string>
#include <string_view>

namespace sloopform {

// Text inside the program is UTF-8; files are Windows-1252. Characters that
// Windows-1252 cannot hold become "?".
std::string Utf8ToCp1252(std::string_view utf8);
std::string Cp1252ToUtf8(std::string_view bytes);

}  // namespace sloopform
