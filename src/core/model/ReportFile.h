#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/UiServices.h"

namespace sloopform {

inline constexpr const char* kReportUnSavedName = "Untitled.rpt";

// Report files hold one line of the report per file line, ended by CR LF.
// A report whose every character has a Windows-1252 form is written in
// Windows-1252 like every other file of the program; any other text (a user
// may paste anything) is written as UTF-8 with a byte-order mark, so nothing
// typed is ever lost. Returns false when a fault was shown; the previous file
// is then untouched.
bool SaveReport(const std::vector<std::string>& lines, const std::string& fileName);

// The bytes of each file line SaveReport writes for the report's `lines`.
std::vector<std::string> ReportFileLines(const std::vector<std::string>& lines);

// The lines of a report file as UTF-8: UTF-8 with or without a byte-order
// mark, otherwise Windows-1252. A fault is shown and gives nothing.
std::optional<std::vector<std::string>> LoadReport(const std::string& fileName);

// The file's bytes as lines: line ends are CR LF, LF or CR alone; a final
// line end does not start another line.
std::vector<std::string> DecodeReportText(std::string_view bytes);

FileDialogRequest ReportOpenDialog();
FileDialogRequest ReportSaveDialog();

}  // namespace sloopform
