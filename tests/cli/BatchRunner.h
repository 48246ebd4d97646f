#pragma once
#include <filesystem>
#include <string>
#include <vector>

namespace sloopform::test {

struct BatchResult {
    int status = -1;
    std::string out;
    std::string err;
    std::vector<std::string> OutLines() const;
    std::vector<std::string> ErrLines() const;
};

// Runs the built sloopform-batch with the arguments (each quoted for the shell),
// in the given working folder or else the test's own.
BatchResult RunBatch(const std::vector<std::string>& arguments,
                     const std::filesystem::path& workingFolder = {});

}  // namespace sloopform::test
