// The two generator methods over the seeded random design set (1000 designs):
// for each, the share of runs that finish, the share of finished hulls that
// pass the hull check, that meet all five requested figures as the exact
// hydrostatics measure them (and as the hydrostatics report does), and both
// together; the worst miss of each figure on the exact measure, and the median,
// 99th-percentile and longest time per run. Shares are of all runs. Every run
// is bounded: a run still going after the pump or time budget is cancelled
// through the cancel flag from the message hook and counts as not finished.
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
#include "analysis/DesignFigures.h"
#include "analysis/HullCheck.h"
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

struct Tally {
    int runs = 0;
    int finished = 0;
    int fair = 0;          // finished and passing the hull check
    int metDescribed = 0;  // all five on the report's measure
    int metExact = 0;      // all five on the exact measure
    int fairAndMet = 0;    // fair and all five exactly
    int met[kDesignFigureCount] = {};
    double worst[kDesignFigureCount] = {};  // on the exact measure; volume in per cent of the request
    std::vector<double> seconds;
};

DesignFigureValues Misses(const HullRecord& hull, bool exact)
{
    try {
        return FigureMisses(hull, exact ? MeasuredFigures(ComputeExactHydrostatics(hull))
                                        : MeasuredFigures(ComputeHydrostatics(hull)));
    } catch (const std::exception&) {
        DesignFigureValues missed;
        missed.fill(1e9L);
        return missed;
    }
}

void Measure(const HullRecord& hull, Tally& tally)
{
    const bool fair = CheckHull(hull).empty();
    const DesignFigureValues exact = Misses(hull, true);
    const DesignFigureValues tolerance = FigureTolerances(hull);
    const DesignFigureValues requested = RequestedFigures(hull);
    for (int f = 0; f < kDesignFigureCount; ++f) {
        if (exact[f] <= 1) ++tally.met[f];
        // Back to the figure's own unit: per cent of the volume, else its tolerance's unit.
        const long double unit = f == kVolumeFigure ? 100 / requested[f] : 1;
        tally.worst[f] = std::max(tally.worst[f], static_cast<double>(exact[f] * tolerance[f] * unit));
    }
    tally.fair += fair;
    tally.metExact += AllFiguresMet(exact);
    tally.fairAndMet += fair && AllFiguresMet(exact);
    tally.metDescribed += AllFiguresMet(Misses(hull, false));
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
    const double runs = std::max(tally.runs, 1);
    state.counters["Finish %"] = 100.0 * tally.finished / runs;
    state.counters["Fair %"] = 100.0 * tally.fair / runs;
    state.counters["Five exact %"] = 100.0 * tally.metExact / runs;
    state.counters["Five described %"] = 100.0 * tally.metDescribed / runs;
    state.counters["Fair and five exact %"] = 100.0 * tally.fairAndMet / runs;
    state.counters["Finished unfair"] = tally.finished - tally.fair;
    for (int f = 0; f < kDesignFigureCount; ++f) {
        const std::string name = DesignFigureName(static_cast<DesignFigure>(f));
        state.counters[name + " met %"] = 100.0 * tally.met[f] / runs;
        state.counters[name + " worst"] = tally.worst[f];
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
