// The two generator methods over the seeded random design set (1000 designs):
// for each, the share of runs that finish, the share of finished hulls meeting
// each of the five requested figures as the hydrostatics report measures them,
// the worst miss of each, and the median and 99th-percentile time per run.
// Every run is bounded: a run still going after the pump or time budget is
// cancelled through the cancel flag from the message hook and counts as not
// finished.
//
// Figures and their tolerances: volume within 0.5 % of Cp Cm Lwl Bwl Tc (or
// the dimension goal in m3, whichever is larger), LCB and LCF within the
// percentage goal, Cm and Cwl (against Cwp) within the coefficient goal.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <string>
#include <vector>

#include "RandomDesigns.h"
#include "analysis/Hydrostatics.h"
#include "generator/GeneratorState.h"
#include "generator/Output.h"
#include "generator/RunGeneration.h"
#include "platform/RunControl.h"
#include "platform/UiServices.h"

using namespace sloopform;

namespace {

constexpr int kDesignCount = 1000;
constexpr long kPumpLimit = 100000;
constexpr double kTimeLimitSeconds = 5.0;
constexpr long double kVolumeShare = 0.005L;

using Clock = std::chrono::steady_clock;

// Cancels a run that passes the pump or the time budget.
class BoundedUi : public UiServices {
public:
    void Start()
    {
        pumps_ = 0;
        started_ = Clock::now();
    }
    void ProcessMessages() override
    {
        if (CancelFlag()) return;
        const double elapsed = std::chrono::duration<double>(Clock::now() - started_).count();
        if (++pumps_ >= kPumpLimit || elapsed > kTimeLimitSeconds) CancelGeneration();
    }

private:
    long pumps_ = 0;
    Clock::time_point started_;
};

class SilentMemo : public TextMemo {
public:
    void AppendLine(const std::string&) override {}
    void ClearText() override {}
    std::vector<std::string> Lines() const override { return {}; }
    void SetLines(const std::vector<std::string>&) override {}
};

enum Figure { kVolume, kLCB, kCm, kCwl, kLCF, kFigureCount };
const char* const kFigureNames[kFigureCount] = {"Volume", "LCB", "Cm", "Cwl", "LCF"};

struct Tally {
    int runs = 0;
    int finished = 0;
    int allFive = 0;
    int met[kFigureCount] = {};
    double worst[kFigureCount] = {};  // volume in per cent of the request
    std::vector<double> seconds;
};

// Each figure's miss over its tolerance; at most 1 means met.
void Measure(const HullRecord& hull, Tally& tally)
{
    const GoalAccuracies goals;
    double miss[kFigureCount];
    try {
        const Hydrostatics h = ComputeHydrostatics(hull);
        const long double volume = hull.Cp * hull.Lwl * hull.Bwl * hull.Tc * hull.Cm;
        const long double volumeTolerance = std::max(kVolumeShare * volume, static_cast<long double>(goals.Dimension));
        miss[kVolume] = static_cast<double>(std::fabs(h.Volume - volume) / volumeTolerance);
        miss[kLCB] = static_cast<double>(std::fabs(h.LCB - hull.LCB) / goals.Percentage);
        miss[kCm] = static_cast<double>(std::fabs(h.Cm - hull.Cm) / goals.Coefficient);
        miss[kCwl] = static_cast<double>(std::fabs(h.Cwl - hull.Cwp) / goals.Coefficient);
        miss[kLCF] = static_cast<double>(std::fabs(h.LCF - hull.LCF) / goals.Percentage);
    } catch (const std::exception&) {
        std::fill(std::begin(miss), std::end(miss), 1e9);
    }
    bool all = true;
    for (int f = 0; f < kFigureCount; ++f) {
        if (miss[f] <= 1) ++tally.met[f];
        all = all && miss[f] <= 1;
        // Back to the figure's own unit: per cent of the volume, else its goal's unit.
        const double scale = f == kVolume ? 0.5 : (f == kLCB || f == kLCF ? 0.1 : 0.01);
        tally.worst[f] = std::max(tally.worst[f], miss[f] * scale);
    }
    if (all) ++tally.allFive;
}

double Percentile(std::vector<double> values, double share)
{
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(std::ceil(share * values.size())) - 1;
    return values[std::min(index, values.size() - 1)];
}

Tally RunSet(GeneratorMethod method)
{
    BoundedUi ui;
    SilentMemo memo;
    TOutput console;
    console.SetOutputMemo(&memo);
    SetUi(&ui);
    Tally tally;
    for (const bench::DesignParameters& design : bench::RandomDesigns(kDesignCount)) {
        ResetGeneratorState();
        auto hull = bench::NewHull(design);
        ui.Start();
        const auto start = Clock::now();
        bool threw = false;
        try {
            RunGeneration(*hull, console, GoalAccuracies{}, method);
        } catch (const std::exception&) {
            threw = true;
        }
        tally.seconds.push_back(std::chrono::duration<double>(Clock::now() - start).count());
        ++tally.runs;
        if (threw || !hull->HullComplete || !hull->TransomDone) continue;
        ++tally.finished;
        Measure(*hull, tally);
    }
    SetUi(nullptr);
    SetRunConsole(nullptr);
    return tally;
}

void BM_GeneratorMethod(benchmark::State& state, GeneratorMethod method)
{
    Tally tally;
    for (auto _ : state) tally = RunSet(method);
    const double finished = std::max(tally.finished, 1);
    state.counters["Finish %"] = 100.0 * tally.finished / tally.runs;
    state.counters["All five %"] = 100.0 * tally.allFive / finished;
    for (int f = 0; f < kFigureCount; ++f) {
        state.counters[std::string(kFigureNames[f]) + " met %"] = 100.0 * tally.met[f] / finished;
        state.counters[std::string(kFigureNames[f]) + " worst"] = tally.worst[f];
    }
    state.counters["Median ms"] = 1000 * Percentile(tally.seconds, 0.5);
    state.counters["P99 ms"] = 1000 * Percentile(tally.seconds, 0.99);
    state.counters["Max ms"] = 1000 * Percentile(tally.seconds, 1.0);
}

const bool registered = [] {
    benchmark::RegisterBenchmark("Classic", BM_GeneratorMethod, GeneratorMethod::Classic)
        ->Iterations(1)
        ->Unit(benchmark::kSecond);
    benchmark::RegisterBenchmark("Robust", BM_GeneratorMethod, GeneratorMethod::Robust)
        ->Iterations(1)
        ->Unit(benchmark::kSecond);
    return true;
}();

}  // namespace
