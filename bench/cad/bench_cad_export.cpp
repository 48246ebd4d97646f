// Speed of the CAD export of the generated cruiser: the solid alone, and the
// whole STEP and IGES exports (solid, translation and the file written).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <stdexcept>

#include "CadExport.h"
#include "HullSolid.h"
#include "RandomDesigns.h"
#include "generator/Output.h"
#include "generator/RunGeneration.h"

using namespace sloopform;

namespace {

// The bundled cruiser, generated once; the generation is not timed.
std::unique_ptr<HullRecord> GeneratedCruiser()
{
    for (const bench::DesignParameters& design : bench::BundledDesigns()) {
        if (design.Name != "cruiser-10m") continue;
        auto hull = bench::NewHull(design);
        TOutput console;
        RunGeneration(*hull, console);
        if (!hull->HullComplete) throw std::runtime_error("the cruiser did not generate");
        return hull;
    }
    throw std::runtime_error("no bundled cruiser");
}

void BM_HullSolid(benchmark::State& state)
{
    const auto hull = GeneratedCruiser();
    for (auto _ : state) benchmark::DoNotOptimize(cad::BuildHullSolid(*hull));
}
BENCHMARK(BM_HullSolid)->Unit(benchmark::kMillisecond);

void BM_Export(benchmark::State& state, cad::CadFormat format, const char* fileName)
{
    const auto hull = GeneratedCruiser();
    const auto path = std::filesystem::temp_directory_path() / fileName;
    for (auto _ : state) cad::WriteHullCad(*hull, format, path.string());
    std::filesystem::remove(path);
}
BENCHMARK_CAPTURE(BM_Export, Step, cad::CadFormat::Step, "sloopform-bench-cruiser.step")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Export, Iges, cad::CadFormat::Iges, "sloopform-bench-cruiser.igs")
    ->Unit(benchmark::kMillisecond);

}  // namespace
