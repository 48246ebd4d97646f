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

// Writes the nineteen parameters as key=value lines in the fixed key order,
// then the VCG when the designer gave one.
// Returns false when a fault was shown; the previous file is then untouched.
bool SaveProject(const HullRecord& hull, const std::string& fileName,
                 const std::optional<Real48>& vcg = std::nullopt);

// The file's lines as SaveProject writes them, for writers that report their
// own faults.
std::vector<std::string> ProjectFileLines(const HullRecord& hull,
                                          const std::optional<Real48>& vcg = std::nullopt);

// Reads the nineteen parameters in the fixed key order, then, for a caller
// that keeps one, the optional VCG. After a fault (shown once) the fields not
// yet read keep their values; nothing else is touched.
// Returns false when the file could not be read completely.
bool LoadProject(HullRecord& hull, const std::string& fileName, std::optional<Real48>* vcg = nullptr);

FileDialogRequest ProjectOpenDialog();
FileDialogRequest ProjectSaveDialog();

}  // namespace sloopform
