#pragma once
#include <filesystem>
#include <string>

namespace sloopform::test {

// The source tree (for examples/ and test corpora).
std::filesystem::path SourceDir();
std::filesystem::path ExampleProject(const std::string& name);  // "cruiser-10m"

// A fresh, empty folder under the system temp directory, removed on destruction.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

std::string ReadFileBytes(const std::filesystem::path& path);
void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes);

}  // namespace sloopform::test
