#include "ExternalTool.h"

#include <sys/wait.h>

#include <array>
#include <cstdio>

namespace sloopform::test {

std::string ShellQuoted(const std::string& text)
{
    std::string quoted = "'";
    for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

int ExitCodeOf(int waitStatus) { return WIFEXITED(waitStatus) ? WEXITSTATUS(waitStatus) : -1; }

ToolResult RunTool(const std::string& command)
{
    FILE* const pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe) return {-1, "cannot run " + command};
    std::string output;
    std::array<char, 4096> buffer{};
    while (const std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe))
        output.append(buffer.data(), n);
    return {ExitCodeOf(pclose(pipe)), output};
}

}  // namespace sloopform::test
