#include "DxfChecker.h"

#include "ExternalTool.h"
#include "TestPaths.h"
#include "numeric/NumberText.h"

namespace sloopform::test {

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
    const ToolResult result = RunTool(command);
    return {result.exitCode, result.output};
}

}  // namespace sloopform::test
