#pragma once
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/TextFileWriter.h"

namespace sloopform {

// An export file that could not be created or written; the message names it.
class ExportFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The output of an export: UTF-8 lines written as Windows-1252 with CR LF to a
// temporary file that replaces the target only on Commit. An export that fails
// half-way therefore leaves no truncated file and keeps any previous one.
class ExportTextFile {
public:
    // Throws ExportFileError when the file cannot be created.
    explicit ExportTextFile(const std::string& fileName);

    void WriteLine(std::string_view line);  // throws ExportFileError
    void Commit();                          // throws ExportFileError
    const std::string& FileName() const { return fileName_; }

private:
    std::string fileName_;
    TextFileWriter writer_;
};

}  // namespace sloopform
