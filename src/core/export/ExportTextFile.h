#pragma once
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/TextFileWriter.h"

namespace sloopform {

// An export file that could not be created or written; the message names it.
class ExportFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Where an export writes its UTF-8 lines, under the name the export records.
class ExportTarget {
public:
    virtual ~ExportTarget() = default;
    virtual void WriteLine(std::string_view line) = 0;  // throws ExportFileError
    virtual void Commit() = 0;                          // throws ExportFileError
    virtual const std::string& FileName() const = 0;
};

// The output of an export: UTF-8 lines written as Windows-1252 with CR LF to a
// temporary file that replaces the target only on Commit. An export that fails
// half-way therefore leaves no truncated file and keeps any previous one.
class ExportTextFile : public ExportTarget {
public:
    // Throws ExportFileError when the file cannot be created.
    explicit ExportTextFile(const std::string& fileName);

    void WriteLine(std::string_view line) override;
    void Commit() override;
    const std::string& FileName() const override { return fileName_; }

private:
    std::string fileName_;
    TextFileWriter writer_;
};

// The lines of an export kept in memory, for a caller that puts them elsewhere
// (the batch tool's standard output).
class ExportLineList : public ExportTarget {
public:
    explicit ExportLineList(std::string name) : name_(std::move(name)) {}

    void WriteLine(std::string_view line) override { lines_.emplace_back(line); }
    void Commit() override {}
    const std::string& FileName() const override { return name_; }
    const std::vector<std::string>& Lines() const { return lines_; }

private:
    std::string name_;
    std::vector<std::string> lines_;
};

}  // namespace sloopform
