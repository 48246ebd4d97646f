#pragma once
#include <filesystem>
#include <map>
#include <string>

namespace sloopform::test {

// The box every outline point of a hull must lie in, widened by a tolerance.
struct HullBox {
    long double Loa;
    long double HalfBMax;
    long double ZMax;
    long double Tolerance;
};

struct DxfCheck {
    int exitCode;        // 0 when the file passed
    std::string output;  // counts, largest excursion per axis, failures
};

// Reads the file with ezdxf under Debian's own interpreter (python3 on the
// path may lack Debian's modules) and checks the LINE count per layer and
// that every end point lies in the box.
DxfCheck CheckDxfWithEzdxf(const std::filesystem::path& file, const HullBox& box,
                           const std::map<std::string, int>& linesPerLayer);

}  // namespace sloopform::test
