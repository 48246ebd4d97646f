#include "TestPaths.h"

#include <fstream>
#include <random>
#include <sstream>

namespace sloopform::test {

std::filesystem::path SourceDir() { return SLOOPFORM_SOURCE_DIR; }

std::filesystem::path ExampleProject(const std::string& name)
{
    return SourceDir() / "examples" / (name + ".sfp");
}

TempDir::TempDir()
{
    std::random_device device;
    const auto base = std::filesystem::temp_directory_path();
    do {
        path_ = base / ("sloopform-test-" + std::to_string(device()));
    } while (std::filesystem::exists(path_));
    std::filesystem::create_directories(path_);
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string ReadFileBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

}  // namespace sloopform::test
