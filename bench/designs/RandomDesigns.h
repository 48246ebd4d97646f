#pragma once
#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "model/HullRecord.h"
#include "model/ProjectFile.h"
#include "numeric/Real48.h"

namespace sloopform::bench {

// A design to generate: a name and the nineteen parameters in the key order of
// a project file, each exactly as reading its project file gives it.
struct DesignParameters {
    std::string Name;
    std::array<Real48, kProjectKeyCount> Values{};
};

// The set the generator benchmarks run over.
constexpr int kRandomDesignCount = 250;
constexpr std::uint32_t kRandomDesignSeed = 19;

// Realistic random designs, the same for the same count and seed on every
// machine: Loa 4-25 m, Lwl/Loa 0.75-0.93, BMax/Loa 0.25-0.37, Bwl/BMax
// 0.75-0.95, Tc/Bwl 0.12-0.25, Cp 0.50-0.60, Cm 0.62-0.80, LCB 50-56 %,
// Cwp 0.68-0.78, LCF 52-58 %, freeboards 7-15 % of Loa falling from bow to
// stern, and overhangs, transom, forefoot and angles in the ranges of the
// bundled designs. Every value has the 3 decimals of a project file.
std::vector<DesignParameters> RandomDesigns(int count = kRandomDesignCount,
                                            std::uint32_t seed = kRandomDesignSeed);

// The designs bundled in examples/, read by the project loader.
std::vector<DesignParameters> BundledDesigns();

// A fresh hull record holding the design's parameters.
std::unique_ptr<HullRecord> NewHull(const DesignParameters& design);

// Writes the design as NAME.sfp into `folder`; throws when it cannot.
void SaveDesign(const DesignParameters& design, const std::filesystem::path& folder);

}  // namespace sloopform::bench
