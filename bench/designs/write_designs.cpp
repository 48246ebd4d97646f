// Writes the designs of the generator benchmark set, so the batch tool and the
// Python sweep can run every one of them:
//   write-bench-designs FOLDER                    project files, the set and the bundled designs
//   write-bench-designs --csv FILE [COUNT [SEED]] one CSV row per random design
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>

#include "RandomDesigns.h"
#include "numeric/NumberText.h"

using namespace sloopform;
using namespace sloopform::bench;

namespace {

// An id column, then the project file's keys with its 3-decimal values.
void WriteCsv(const std::filesystem::path& file, int count, std::uint32_t seed)
{
    std::ofstream out(file, std::ios::binary);
    out << "id";
    for (const ProjectKey& key : ProjectKeys()) out << ',' << key.Key;
    out << '\n';
    for (const DesignParameters& design : RandomDesigns(count, seed)) {
        out << design.Name;
        for (const Real48& value : design.Values) out << ',' << FormatFixed(value, 3);
        out << '\n';
    }
    if (!out.flush()) throw std::runtime_error("cannot write " + file.string());
}

void WriteProjects(const std::filesystem::path& folder)
{
    std::filesystem::create_directories(folder);
    for (const DesignParameters& design : RandomDesigns()) SaveDesign(design, folder);
    for (const DesignParameters& design : BundledDesigns()) SaveDesign(design, folder);
}

}  // namespace

int main(int argc, char** argv)
{
    const bool csv = argc >= 3 && argc <= 5 && std::string(argv[1]) == "--csv";
    if (argc != 2 && !csv) {
        std::cerr << "usage: write-bench-designs FOLDER\n"
                     "       write-bench-designs --csv FILE [COUNT [SEED]]\n";
        return 2;
    }
    try {
        if (csv)
            WriteCsv(argv[2], argc > 3 ? std::stoi(argv[3]) : kRandomDesignCount,
                     argc > 4 ? static_cast<std::uint32_t>(std::stoul(argv[4])) : kRandomDesignSeed);
        else
            WriteProjects(argv[1]);
    } catch (const std::exception& fault) {
        std::cerr << "write-bench-designs: " << fault.what() << '\n';
        return 1;
    }
    return 0;
}
