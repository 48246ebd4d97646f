#pragma once
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "ProjectReaderCheck.h"
#include "model/ReportFile.h"

namespace sloopform::fuzz {

// What every report file must keep: it opens without a message, as lines free
// of line-end characters, and what was read saves and reads back to the same
// lines, whichever encoding the save chose.
inline std::string CheckReportReader(const std::string& bytes, const std::filesystem::path& folder)
{
    const auto input = folder / "input.rpt";
    std::ofstream(input, std::ios::binary | std::ios::trunc) << bytes;

    MessageCounter messages;
    const auto lines = LoadReport(input.string());
    if (!lines) return "an existing file did not open: " + messages.last;
    for (const std::string& line : *lines)
        if (line.find_first_of("\r\n") != std::string::npos) return "a line holds a line end";

    const auto saved = folder / "saved.rpt";
    if (!SaveReport(*lines, saved.string())) return "saving what was read failed: " + messages.last;
    const auto reread = LoadReport(saved.string());
    if (!reread) return "a saved report does not open: " + messages.last;
    if (*reread != *lines)
        return "the saved report reads back as " + std::to_string(reread->size()) +
               " other lines instead of " + std::to_string(lines->size());
    if (messages.count != 0) return "a message: " + messages.last;
    return {};
}

}  // namespace sloopform::fuzz
