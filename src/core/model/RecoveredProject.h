#pragma once
#include <optional>
#include <string>
#include <vector>

namespace sloopform {

class TDataEdit;

// A recovery copy of a project is a project file whose last entry names the
// file the design belongs to, so the recovered design opens under its own
// name. A design that was never saved has no such entry.
std::vector<std::string> RecoveryCopyLines(const TDataEdit& editor, const std::optional<std::string>& path);

// What a copy holds: false when it cannot be read (the fault was shown);
// otherwise `path` is the design's file, or nothing for an untitled design.
bool ReadRecoveredPath(const std::string& copy, std::optional<std::string>& path);

}  // namespace sloopform
