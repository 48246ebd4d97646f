// Writes the designs of the generator benchmark set as project files, so the
// batch tool can run every one of them: write-bench-designs FOLDER
#include <exception>
#include <filesystem>
#include <iostream>

#include "RandomDesigns.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: write-bench-designs FOLDER\n";
        return 2;
    }
    try {
        const std::filesystem::path folder = argv[1];
        std::filesystem::create_directories(folder);
        using namespace sloopform::bench;
        for (const DesignParameters& design : RandomDesigns()) SaveDesign(design, folder);
        for (const DesignParameters& design : BundledDesigns()) SaveDesign(design, folder);
    } catch (const std::exception& fault) {
        std::cerr << "write-bench-designs: " << fault.what() << '\n';
        return 1;
    }
    return 0;
}
