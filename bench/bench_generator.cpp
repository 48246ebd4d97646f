// Full generation runs of the bundled designs, each from program start: time
// per run (median over repetitions), peak memory of the process, and how often
// each stage let the user interface run (once per evaluation of an iterated
// function plus once per call of the iteration routine).
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>

#include "generator/GeneratorState.h"
#include "generator/Output.h"
#include "generator/RunGeneration.h"
#include "model/HullRecord.h"
#include "numeric/NumberText.h"
#include "platform/RunControl.h"
#include "platform/UiServices.h"

using namespace sloopform;

namespace {

std::filesystem::path ExamplesDir()
{
    return std::filesystem::path(__FILE__).parent_path().parent_path() / "examples";
}

std::unique_ptr<HullRecord> LoadDesign(const std::string& name)
{
    auto hull = HullRecord::Create();
    const std::map<std::string, Real48*> fields = {
        {"Loa", &hull->Loa},         {"Lwl", &hull->Lwl},         {"BMax", &hull->BMax},
        {"Bwl", &hull->Bwl},         {"BTransom", &hull->BTransom}, {"Tc", &hull->Tc},
        {"Fovh", &hull->Fovh},       {"FreeBow", &hull->FreeBow}, {"FreeCenter", &hull->FreeCenter},
        {"FreeAft", &hull->FreeAft}, {"BPDA", &hull->BPDA},       {"BPLWLT", &hull->BPLWLT},
        {"TransomAngle", &hull->TransomAngle}, {"Cp", &hull->Cp}, {"Cm", &hull->Cm},
        {"Cwp", &hull->Cwp},         {"LCF", &hull->LCF},         {"LCB", &hull->LCB},
        {"ApAngle", &hull->ApAngle}};
    std::ifstream in(ExamplesDir() / (name + ".sfp"));
    if (!in) throw std::runtime_error("cannot read the bundled design " + name);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const auto equals = line.find('=');
        if (equals == std::string::npos) continue;
        const auto field = fields.find(line.substr(0, equals));
        const auto value = ParseReal(line.substr(equals + 1));
        if (field == fields.end() || !value) throw std::runtime_error("bad line in " + name + ": " + line);
        *field->second = *value;
    }
    return hull;
}

// Counts the message pumps of each stage, the stage being the last stage line
// written to the console.
class StageCounter : public UiServices, public TextMemo {
public:
    void ProcessMessages() override { ++pumps[stage]; }
    void AppendLine(const std::string& line) override
    {
        if (line.size() > 3 && line.compare(line.size() - 3, 3, "...") == 0 && line[0] != '.') stage = line;
        if (line.rfind(" ModifySectionFromDiagonals(", 0) == 0) ++sectionsReshaped;
        if (line == "...Finished") finished = true;
    }
    void ClearText() override {}
    std::vector<std::string> Lines() const override { return {}; }
    void SetLines(const std::vector<std::string>&) override {}

    std::map<std::string, long> pumps;
    long sectionsReshaped = 0;
    bool finished = false;

private:
    std::string stage;
};

double PeakMemoryMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;  // kilobytes on Linux
}

void BM_GenerateBundledDesign(benchmark::State& state, const std::string& name)
{
    const auto design = LoadDesign(name);
    StageCounter counter;
    SetUi(&counter);
    TOutput console;
    console.SetOutputMemo(&counter);
    for (auto _ : state) {
        state.PauseTiming();
        ResetGeneratorState();
        auto hull = std::make_unique<HullRecord>(*design);
        counter = StageCounter();
        state.ResumeTiming();
        RunGeneration(*hull, console);
    }
    SetUi(nullptr);
    SetRunConsole(nullptr);
    if (!counter.finished) state.SkipWithError("the run did not finish");

    for (const auto& [stage, pumps] : counter.pumps)
        state.counters[stage.substr(0, stage.size() - 3) + " pumps"] = static_cast<double>(pumps);
    state.counters["Hull evaluations"] = static_cast<double>(counter.sectionsReshaped / 2);
    state.counters["Peak memory MB"] = PeakMemoryMegabytes();
}

void RegisterBundledDesigns()
{
    for (const char* name : {"cruiser-10m", "daysailer-6m", "racer-12m"})
        benchmark::RegisterBenchmark(name, BM_GenerateBundledDesign, std::string(name))
            ->Unit(benchmark::kMillisecond)
            ->Repetitions(5)
            ->ReportAggregatesOnly(true);
}

const bool registered = (RegisterBundledDesigns(), true);

}  // namespace
