#pragma once
#include <string>

namespace sloopform::test {

// A text as one shell word.
std::string ShellQuoted(const std::string& text);

struct ToolResult {
    int exitCode;        // -1 when the command did not exit normally
    std::string output;  // standard output and standard error together
};

// Runs a shell command line and collects everything it prints.
ToolResult RunTool(const std::string& command);

// The exit status of a std::system or pclose result.
int ExitCodeOf(int waitStatus);

}  // namespace sloopform::test
