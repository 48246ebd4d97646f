#include "export/ExportTextFile.h"

#include <filesystem>

#include "platform/Cp1252.h"

namespace sloopform {

namespace {

std::string Quoted(const std::string& fileName) { return "\"" + fileName + "\""; }

bool NamesAFile(const std::string& fileName)
{
    const std::filesystem::path path(fileName);
    std::error_code error;
    return path.has_filename() && !std::filesystem::is_directory(path, error);
}

}  // namespace

ExportTextFile::ExportTextFile(const std::string& fileName)
    : fileName_(fileName), writer_(std::filesystem::path(fileName))
{
    if (!NamesAFile(fileName) || !writer_.Open())
        throw ExportFileError("Cannot create file " + Quoted(fileName_));
}

void ExportTextFile::WriteLine(std::string_view line)
{
    if (!writer_.WriteLine(Utf8ToCp1252(line)))
        throw ExportFileError("Error writing file " + Quoted(fileName_));
}

void ExportTextFile::Commit()
{
    if (!writer_.Commit()) throw ExportFileError("Error writing file " + Quoted(fileName_));
}

}  // namespace sloopform
