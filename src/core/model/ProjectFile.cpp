#include "model/ProjectFile.h"

#include <array>

#include "model/ProjectVcg.h"
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

bool SaveProject(const HullRecord& hull, const std::string& fileName, const std::optional<Real48>& vcg)
{
    TTextDataFile file(fileName);
    file.OpenForWrite();
    for (const auto& [key, field] : kProjectKeys) file.WriteReal(key, hull.*field);
    if (vcg) file.WriteReal(kVcgKey, *vcg);
    file.Close();
    return !file.Failed();
}

std::vector<std::string> ProjectFileLines(const HullRecord& hull, const std::optional<Real48>& vcg)
{
    std::vector<std::string> lines;
    for (const auto& [key, field] : kProjectKeys)
        lines.push_back(TTextDataFile::EntryLine(key, TTextDataFile::RealText(hull.*field)));
    if (vcg) lines.push_back(TTextDataFile::EntryLine(kVcgKey, TTextDataFile::RealText(*vcg)));
    return lines;
}

bool LoadProject(HullRecord& hull, const std::string& fileName, std::optional<Real48>* vcg)
{
    TTextDataFile file(fileName);
    file.OpenForRead();
    for (const auto& [key, field] : kProjectKeys) file.ReadReal(key, hull.*field);
    file.Close();
    if (file.Failed()) return false;
    return !vcg || ReadProjectVcg(fileName, *vcg);
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
