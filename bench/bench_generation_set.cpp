// Generation speed over the benchmark set: the seeded random designs and the
// bundled ones, every run from program start on one thread, in process.
// Reported over the designs that finish: the median, 90th and 99th percentile
// of the time per run (each design's fastest of a few runs, as the machine is
// shared), both as the thread's processor time ("cpu") and as elapsed time
// ("wall"), heap allocations per run, and heap allocations inside one hull
// evaluation. A run that neither finishes nor fails within a fixed number of
// message pumps is cancelled, so the set of finishing designs never depends on
// the speed of the code or the machine.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <new>
#include <string>
#include <vector>

#include "RandomDesigns.h"
#include "generator/GeneratorState.h"
#include "generator/HullGeneration.h"
#include "generator/Output.h"
#include "generator/RunGeneration.h"
#include "platform/RunControl.h"
#include "platform/UiServices.h"

namespace {

long heapAllocations = 0;

// Out of line, so the compiler does not pair an inlined new with this free.
[[gnu::noinline]] void Release(void* block) noexcept { std::free(block); }

}  // namespace

// Every allocation of the program is counted; single-threaded, so a plain count.
void* operator new(std::size_t size)
{
    ++heapAllocations;
    if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
    throw std::bad_alloc();
}
void operator delete(void* block) noexcept { Release(block); }
void operator delete(void* block, std::size_t) noexcept { Release(block); }

using namespace sloopform;

namespace {

// Far above the pumps of any design of the set that finishes.
constexpr long kPumpLimit = 20000;
constexpr int kTimedRunsPerDesign = 3;

// Cancels the run at the pump limit; faults are counted, not shown.
class BenchUi : public UiServices {
public:
    void ProcessMessages() override
    {
        if (++pumps == kPumpLimit) CancelGeneration();
    }
    void ShowError(const std::string&, const std::string&) override { ++faults; }

    long pumps = 0;
    long faults = 0;
};

// Keeps no lines: only whether the run finished and how many sections it reshaped.
class OutcomeMemo : public TextMemo {
public:
    void AppendLine(const std::string& line) override
    {
        if (line == "...Finished") finished = true;
        if (line.rfind(" ModifySectionFromDiagonals(", 0) == 0) ++sectionsReshaped;
    }
    void ClearText() override {}
    std::vector<std::string> Lines() const override { return {}; }
    void SetLines(const std::vector<std::string>&) override {}

    bool finished = false;
    long sectionsReshaped = 0;
};

enum class Outcome { Finished, Failed, PumpLimit };

struct RunResult {
    Outcome outcome = Outcome::Failed;
    double milliseconds = 0;
    double cpuMilliseconds = 0;
    long allocations = 0;
    long hullEvaluations = 0;
    long pumps = 0;
};

double ThreadCpuMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec * 1e-6;
}

// One run from program start; the hull is left for a later look.
RunResult Generate(const bench::DesignParameters& design, std::unique_ptr<HullRecord>& hull)
{
    BenchUi ui;
    OutcomeMemo memo;
    TOutput console;
    console.SetOutputMemo(&memo);
    SetUi(&ui);
    ResetGeneratorState();
    hull = bench::NewHull(design);

    RunResult result;
    bool raised = false;
    const long allocationsBefore = heapAllocations;
    const double cpuStart = ThreadCpuMilliseconds();
    const auto start = std::chrono::steady_clock::now();
    try {
        RunGeneration(*hull, console);
    } catch (const std::exception&) {
        raised = true;
    }
    const auto stop = std::chrono::steady_clock::now();
    result.cpuMilliseconds = ThreadCpuMilliseconds() - cpuStart;
    result.allocations = heapAllocations - allocationsBefore;
    result.milliseconds = std::chrono::duration<double, std::milli>(stop - start).count();
    result.pumps = ui.pumps;
    result.hullEvaluations = memo.sectionsReshaped / 2;
    if (memo.finished && !raised)
        result.outcome = Outcome::Finished;
    else if (ui.pumps >= kPumpLimit && ui.faults == 0 && !raised)
        result.outcome = Outcome::PumpLimit;
    SetUi(nullptr);
    SetRunConsole(nullptr);
    return result;
}

// Allocations of one more hull evaluation of a finished hull.
long HullEvaluationAllocations(HullRecord& hull)
{
    BenchUi ui;
    OutcomeMemo memo;
    TOutput console;
    console.SetOutputMemo(&memo);
    SetUi(&ui);
    SetRunConsole(&console);
    const long before = heapAllocations;
    EvaluateHull(hull);
    const long allocations = heapAllocations - before;
    SetUi(nullptr);
    SetRunConsole(nullptr);
    return allocations;
}

double Percentile(std::vector<double> values, double percent)
{
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const auto rank = static_cast<std::size_t>(std::ceil(percent / 100.0 * values.size()));
    return values[std::max<std::size_t>(rank, 1) - 1];
}

std::vector<bench::DesignParameters> DesignSet()
{
    std::vector<bench::DesignParameters> designs = bench::RandomDesigns();
    const auto bundled = bench::BundledDesigns();
    designs.insert(designs.end(), bundled.begin(), bundled.end());
    return designs;
}

void BM_GenerationOverDesignSet(benchmark::State& state)
{
    const auto designs = DesignSet();
    std::vector<double> times;
    std::vector<double> cpuTimes;
    std::vector<double> allocations;
    long failed = 0, limited = 0, worstEvaluationAllocations = 0, mostPumps = 0, mostEvaluations = 0;
    for (auto _ : state) {
        for (const auto& design : designs) {
            std::unique_ptr<HullRecord> hull;
            RunResult best = Generate(design, hull);
            if (best.outcome != Outcome::Finished) {
                failed += best.outcome == Outcome::Failed;
                limited += best.outcome == Outcome::PumpLimit;
                continue;
            }
            for (int run = 1; run < kTimedRunsPerDesign; ++run) {
                const RunResult again = Generate(design, hull);
                best.milliseconds = std::min(best.milliseconds, again.milliseconds);
                best.cpuMilliseconds = std::min(best.cpuMilliseconds, again.cpuMilliseconds);
            }
            times.push_back(best.milliseconds);
            cpuTimes.push_back(best.cpuMilliseconds);
            allocations.push_back(static_cast<double>(best.allocations));
            mostPumps = std::max(mostPumps, best.pumps);
            mostEvaluations = std::max(mostEvaluations, best.hullEvaluations);
            worstEvaluationAllocations =
                std::max(worstEvaluationAllocations, HullEvaluationAllocations(*hull));
        }
    }
    state.counters["designs"] = static_cast<double>(designs.size());
    state.counters["finished"] = static_cast<double>(times.size());
    state.counters["failed"] = static_cast<double>(failed);
    state.counters["pump limit"] = static_cast<double>(limited);
    state.counters["cpu median ms"] = Percentile(cpuTimes, 50);
    state.counters["cpu p90 ms"] = Percentile(cpuTimes, 90);
    state.counters["cpu p99 ms"] = Percentile(cpuTimes, 99);
    state.counters["cpu max ms"] = Percentile(cpuTimes, 100);
    state.counters["wall median ms"] = Percentile(times, 50);
    state.counters["wall p90 ms"] = Percentile(times, 90);
    state.counters["wall p99 ms"] = Percentile(times, 99);
    state.counters["allocs/run"] = Percentile(allocations, 50);
    state.counters["allocs/hull eval"] = static_cast<double>(worstEvaluationAllocations);
    state.counters["most hull evals"] = static_cast<double>(mostEvaluations);
    state.counters["most pumps"] = static_cast<double>(mostPumps);
}
BENCHMARK(BM_GenerationOverDesignSet)->Iterations(1)->Unit(benchmark::kMillisecond);

// One bundled design, timed by the library's own repetitions.
void BM_GenerateBundled(benchmark::State& state, const bench::DesignParameters& design)
{
    std::unique_ptr<HullRecord> hull;
    for (auto _ : state) {
        if (Generate(design, hull).outcome != Outcome::Finished)
            state.SkipWithError("the run did not finish");
    }
}

const bool bundledRegistered = [] {
    for (const auto& design : bench::BundledDesigns())
        benchmark::RegisterBenchmark(("Generate/" + design.Name).c_str(), BM_GenerateBundled, design)
            ->Unit(benchmark::kMillisecond)
            ->Repetitions(5)
            ->ReportAggregatesOnly(true);
    return true;
}();

}  // namespace
