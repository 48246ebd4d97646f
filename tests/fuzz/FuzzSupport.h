#pragma once
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <random>
#include <string>

namespace sloopform::fuzz {

// One scratch folder per fuzzing process, so parallel jobs do not collide.
inline const std::filesystem::path& ScratchFolder()
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

inline std::string InputBytes(const std::uint8_t* data, std::size_t size)
{
    return std::string(reinterpret_cast<const char*>(data), size);
}

// A broken property is a fault like a crash: libFuzzer keeps the input.
inline int Judge(const char* target, const std::string& broken)
{
    if (broken.empty()) return 0;
    std::cerr << target << ": " << broken << '\n';
    std::abort();
}

}  // namespace sloopform::fuzz
