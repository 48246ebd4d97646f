#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <random>

#include "ProjectReaderCheck.h"

namespace {

// One scratch folder per fuzzing process, so parallel jobs do not collide.
const std::filesystem::path& ScratchFolder()
{
    static const std::filesystem::path folder = [] {
        const auto path = std::filesystem::temp_directory_path() /
                          ("sloopform-fuzz-" + std::to_string(std::random_device()()));
        std::filesystem::create_directories(path);
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(ScratchFolder(), ignored);
        });
        return path;
    }();
    return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto verdict = sloopform::fuzz::CheckProjectReader(bytes, ScratchFolder());
    if (!verdict.broken.empty()) {
        std::cerr << "project reader: " << verdict.broken << '\n';
        std::abort();
    }
    return 0;
}
