#pragma once
#include <string>
#include <vector>

namespace sloopform::batch {

// Writes lines (UTF-8 inside the program) to a destination named on the
// command line: "-" is standard output as UTF-8, anything else a Windows-1252
// file with CR LF, replaced only when complete. A failure is reported on
// standard error; the result says whether the lines were written.
bool WriteLines(const std::string& destination, const std::vector<std::string>& lines);

// Text that is already in its file encoding (SVG, JSON): the bytes as they are.
bool WriteText(const std::string& destination, const std::string& text);

}  // namespace sloopform::batch
