#include "BatchRunner.h"

#include <sstream>

#include "ExternalTool.h"
#include "TestPaths.h"

namespace sloopform::test {

namespace {

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

}  // namespace

std::vector<std::string> BatchResult::OutLines() const { return Lines(out); }

std::vector<std::string> BatchResult::ErrLines() const { return Lines(err); }

BatchResult RunBatch(const std::vector<std::string>& arguments,
                     const std::filesystem::path& workingFolder)
{
    TempDir capture;
    std::string command = ShellQuoted(SLOOPFORM_BATCH_TOOL);
    if (!workingFolder.empty())
        command = "cd " + ShellQuoted(workingFolder.string()) + " && " + command;
    for (const std::string& argument : arguments) command += " " + ShellQuoted(argument);
    command += " >" + ShellQuoted((capture / "out").string()) + " 2>" + ShellQuoted((capture / "err").string());
    const int raw = std::system(command.c_str());
    BatchResult result;
    result.status = ExitCodeOf(raw);
    result.out = ReadFileBytes(capture / "out");
    result.err = ReadFileBytes(capture / "err");
    return result;
}

}  // namespace sloopform::test
