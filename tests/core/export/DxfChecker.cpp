#include "DxfChecker.h"

#include <sys/wait.h>

#include <cstdio>

#include "TestPaths.h"
#include "numeric/NumberText.h"

namespace sloopform::test {

namespace {

std::string ShellQuoted(const std::string& text)
{
    std::string quoted = "'";
    for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

}  // namespace

DxfCheck CheckDxfWithEzdxf(const std::filesystem::path& file, const HullBox& box,
                           const std::map<std::string, int>& linesPerLayer)
{
    const auto script = SourceDir() / "tests" / "core" / "export" / "check_hull_dxf.py";
    std::string command = "/usr/bin/python3 " + ShellQuoted(script.string()) + " " +
                          ShellQuoted(file.string());
    for (const long double value : {box.Loa, box.HalfBMax, box.ZMax, box.Tolerance})
        command += " " + FormatFixed(value, 6);
    for (const auto& [layer, count] : linesPerLayer)
        command += " " + ShellQuoted(layer + "=" + std::to_string(count));
    command += " 2>&1";

    DxfCheck check{-1, {}};
    FILE* const pipe = popen(command.c_str(), "r");
    if (!pipe) return {-1, "cannot run " + command};
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe)) check.output += buffer;
    const int status = pclose(pipe);
    check.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return check;
}

}  // namespace sloopform::test
