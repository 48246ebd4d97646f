#include "model/ProjectFile.h"

#include <array>

#include "model/TextDataFile.h"

namespace sloopform {

namespace {

const std::array<ProjectKey, kProjectKeyCount> kProjectKeys = {{
    {"Loa", &HullRecord::Loa},
    {"Lwl", &HullRecord::Lwl},
    {"BMax", &HullRecord::BMax},
    {"Bwl", &HullRecord::Bwl},
    {"BTransom", &HullRecord::BTransom},
    {"Tc", &HullRecord::Tc},
    {"Fovh", &HullRecord::Fovh},
    {"FreeBow", &HullRecord::FreeBow},
    {"FreeCenter", &HullRecord::FreeCenter},
    {"FreeAft", &HullRecord::FreeAft},
    {"BPDA", &HullRecord::BPDA},
    {"BPLWLT", &HullRecord::BPLWLT},
    {"TransomAngle", &HullRecord::TransomAngle},
    {"Cp", &HullRecord::Cp},
    {"Cm", &HullRecord::Cm},
    {"Cwp", &HullRecord::Cwp},
    {"LCF", &HullRecord::LCF},
    {"LCB", &HullRecord::LCB},
    {"ApAngle", &HullRecord::ApAngle},
}};

}  // namespace

const std::array<ProjectKey, kProjectKeyCount>& ProjectKeys() { return kProjectKeys; }

namespace {

const char* const kProjectFilter = "Sloopform Project (*.sfp)|*.sfp|All Files (*.*)|*.*";

}  // namespace

std::optional<std::string> ProjectEntryValue(const ProjectEntries& entries, const std::string& key)
{
    std::optional<std::string> value;
    for (const ProjectEntry& entry : entries)
        if (entry.Key == key) value = entry.Value;
    return value;
}

bool SaveProject(const HullRecord& hull, const std::string& fileName, const ProjectEntries& entries)
{
    TTextDataFile file(fileName);
    file.OpenForWrite();
    for (const auto& [key, field] : kProjectKeys) file.WriteReal(key, hull.*field);
    for (const ProjectEntry& entry : entries) file.WriteString(entry.Key, entry.Value);
    file.Close();
    return !file.Failed();
}

std::vector<std::string> ProjectFileLines(const HullRecord& hull, const ProjectEntries& entries)
{
    std::vector<std::string> lines;
    for (const auto& [key, field] : kProjectKeys)
        lines.push_back(TTextDataFile::EntryLine(key, TTextDataFile::RealText(hull.*field)));
    for (const ProjectEntry& entry : entries) lines.push_back(TTextDataFile::EntryLine(entry.Key, entry.Value));
    return lines;
}

bool LoadProject(HullRecord& hull, const std::string& fileName, ProjectEntries* entries)
{
    TTextDataFile file(fileName);
    file.OpenForRead();
    for (const auto& [key, field] : kProjectKeys) file.ReadReal(key, hull.*field);
    if (entries != nullptr) {
        ProjectEntry entry;
        while (file.ReadNextEntry(entry.Key, entry.Value)) entries->push_back(entry);
    }
    file.Close();
    return !file.Failed();
}

FileDialogRequest ProjectOpenDialog()
{
    FileDialogRequest request;
    request.title = "Open Project";
    request.filter = kProjectFilter;
    request.defaultExtension = "sfp";
    request.mustExist = true;
    return request;
}

FileDialogRequest ProjectSaveDialog()
{
    FileDialogRequest request;
    request.title = "Save Project";
    request.filter = kProjectFilter;
    request.defaultExtension = "sfp";
    request.confirmOverwrite = true;
    return request;
}

}  // namespace sloopform
