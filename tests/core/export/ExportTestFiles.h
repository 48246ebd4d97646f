#pragma once
#include <filesystem>
#include <set>
#include <string>

#include "platform/TextFileWriter.h"

namespace sloopform::test {

// Makes every file write fail from the given line on, for the guard's lifetime.
class FailingWrites {
public:
    explicit FailingWrites(int fromLine) { TextFileWriter::FailWritesFromLine(fromLine); }
    ~FailingWrites() { TextFileWriter::FailWritesFromLine(std::nullopt); }
    FailingWrites(const FailingWrites&) = delete;
    FailingWrites& operator=(const FailingWrites&) = delete;
};

// Names of the entries of a folder, temporary files included.
inline std::set<std::string> FileNamesIn(const std::filesystem::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

}  // namespace sloopform::test
