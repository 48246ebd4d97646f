#include "model/RecoveredProject.h"

#include "model/DataEdit.h"
#include "model/ProjectFile.h"
#include "settings/RecentProjects.h"

namespace sloopform {

namespace {
// Encoded as the settings file encodes paths: a file's bytes need not be text.
constexpr char kPathKey[] = "File";
}  // namespace

std::vector<std::string> RecoveryCopyLines(const TDataEdit& editor, const std::optional<std::string>& path)
{
    ProjectEntries entries = DesignSettingsEntries(editor.Design());
    if (path) entries.push_back({kPathKey, EncodedSettingText(*path)});
    return ProjectFileLines(editor.Hull(), entries);
}

bool ReadRecoveredPath(const std::string& copy, std::optional<std::string>& path)
{
    ProjectEntries entries;
    if (!LoadProject(*HullRecord::Create(), copy, &entries)) return false;
    const std::optional<std::string> text = ProjectEntryValue(entries, kPathKey);
    path = text ? DecodedSettingText(*text) : std::nullopt;
    if (path && path->empty()) path.reset();
    return true;
}

}  // namespace sloopform
