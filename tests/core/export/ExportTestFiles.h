#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "TestPaths.h"
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

// The lines of a text file; fails the current test unless every line ends in CR LF.
inline std::vector<std::string> CrLfLines(const std::filesystem::path& path)
{
    const std::string bytes = ReadFileBytes(path);
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (auto end = bytes.find("\r\n"); end != std::string::npos; end = bytes.find("\r\n", start)) {
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    EXPECT_EQ(start, bytes.size()) << "text after the last CR LF in " << path;
    return lines;
}

}  // namespace sloopform::test
