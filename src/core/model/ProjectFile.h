#pragma once
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "model/HullRecord.h"
#include "platform/UiServices.h"

namespace sloopform {

constexpr int kProjectKeyCount = 19;

struct ProjectKey {
    const char* Key;
    Real48 HullRecord::*Field;
};

// The keys of a project file and their fields. A file is read completely only
// when its keys come in exactly this order.
const std::array<ProjectKey, kProjectKeyCount>& ProjectKeys();
inline constexpr const char* kProjectUnSavedName = "Untitled.sfp";

// An entry after the nineteen keys: optional, in any order. A reader of the
// nineteen keys alone stops before them, so files holding them still open
// there; a key this program does not know is passed over.
struct ProjectEntry {
    std::string Key;
    std::string Value;
};
using ProjectEntries = std::vector<ProjectEntry>;

// The value of `key` among `entries`, the last one when it is there twice.
std::optional<std::string> ProjectEntryValue(const ProjectEntries& entries, const std::string& key);

// Writes the nineteen parameters as key=value lines in the fixed key order,
// then `entries`. Returns false when a fault was shown; the previous file is
// then untouched.
bool SaveProject(const HullRecord& hull, const std::string& fileName, const ProjectEntries& entries = {});

// The file's lines as SaveProject writes them, for writers that report their
// own faults.
std::vector<std::string> ProjectFileLines(const HullRecord& hull, const ProjectEntries& entries = {});

// Reads the nineteen parameters in the fixed key order, then into `entries`
// (when given) every key=value line after them. After a fault (shown once)
// the fields not yet read keep their values; nothing else is touched.
// Returns false when the nineteen could not be read completely.
bool LoadProject(HullRecord& hull, const std::string& fileName, ProjectEntries* entries = nullptr);

FileDialogRequest ProjectOpenDialog();
FileDialogRequest ProjectSaveDialog();

}  // namespace sloopform
