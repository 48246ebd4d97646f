// Speed of the analysis commands: one resistance estimate, one Calculate of
// the optimiser (40 estimates and two parabola fits), one hydrostatics
// integration of 21 stations, the exact hydrostatics of the generated
// cruiser's section curves, and its whole stability curve.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <stdexcept>

#include "analysis/DesignStability.h"
#include "analysis/ExactHydrostatics.h"
#include "analysis/Hydrostatics.h"
#include "analysis/Resistance.h"
#include "analysis/ResistanceOptimiser.h"
#include "generator/Output.h"
#include "generator/RunGeneration.h"
#include "model/ProjectFile.h"

using namespace sloopform;

namespace {

std::unique_ptr<HullRecord> Cruiser()
{
    auto hull = HullRecord::Create();
    hull->Lwl = 9;
    hull->Bwl = 2.9L;
    hull->Tc = 0.55L;
    hull->Cp = 0.54L;
    hull->Cm = 0.72L;
    hull->LCB = 53;
    for (int i = 0; i <= kLastStation; ++i) {
        const long double fullness = 1 - (i - 10) * (i - 10) / 110.0L;
        TStation& station = hull->Stations[i];
        station.WaterlineBeam = 2.9L * fullness;
        station.SectionArea = 1.1L * fullness;
        station.SectionVca = 0.35L;
    }
    return hull;
}

void BM_EstimateResistance(benchmark::State& state)
{
    const ResistanceParameters parameters = ResistanceParametersOf(*Cruiser());
    for (auto _ : state) benchmark::DoNotOptimize(EstimateResistance(parameters, 0.35L));
}
BENCHMARK(BM_EstimateResistance);

void BM_OptimiserCalculate(benchmark::State& state)
{
    const auto hull = Cruiser();
    ResistanceOptimiser optimiser(*hull);
    OptimisationProgress quiet;
    for (auto _ : state) {
        optimiser.RunOptimisation(quiet);
        benchmark::DoNotOptimize(optimiser.LastOptimum());
    }
}
BENCHMARK(BM_OptimiserCalculate);

void BM_Hydrostatics(benchmark::State& state)
{
    const auto hull = Cruiser();
    for (auto _ : state) benchmark::DoNotOptimize(ComputeHydrostatics(*hull));
}
BENCHMARK(BM_Hydrostatics);

// The bundled cruiser, generated once; the generation is not timed.
std::unique_ptr<HullRecord> GeneratedCruiser()
{
    const auto file =
        std::filesystem::path(__FILE__).parent_path().parent_path() / "examples" / "cruiser-10m.sfp";
    auto hull = HullRecord::Create();
    LoadProject(*hull, file.string());
    TOutput console;
    RunGeneration(*hull, console);
    if (!hull->HullComplete) throw std::runtime_error("the cruiser did not generate");
    return hull;
}

void BM_ExactHydrostatics(benchmark::State& state)
{
    const auto hull = GeneratedCruiser();
    for (auto _ : state) benchmark::DoNotOptimize(ComputeExactHydrostatics(*hull));
}
BENCHMARK(BM_ExactHydrostatics)->Unit(benchmark::kMillisecond);

// The curve from 0° to 180° every 5° with free trim and its summary (GM, the
// AVS and the deck-edge immersion searched between the curve's angles), as
// the stability window asks for it after every regeneration.
void BM_StabilityCurve(benchmark::State& state)
{
    const auto hull = GeneratedCruiser();
    for (auto _ : state) benchmark::DoNotOptimize(ComputeDesignStability(*hull, 0.35));
}
BENCHMARK(BM_StabilityCurve)->Unit(benchmark::kMillisecond);

}  // namespace
