#pragma once
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

// Runs the built sloopform-batch with the arguments (each quoted for the shell).
BatchResult RunBatch(const std::vector<std::string>& arguments);

}  // namespace sloopform::test
