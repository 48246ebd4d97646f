#include "BundledDesigns.h"

#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <stdexcept>

#include "TestPaths.h"
#include "generator/GeneratorState.h"
#include "generator/Output.h"
#include "generator/RunGeneration.h"
#include "RecordingUi.h"
#include "model/ProjectFile.h"
#include "numeric/NumberText.h"

namespace sloopform::test {

std::vector<std::string> BundledDesignNames() { return {"cruiser-10m", "daysailer-6m", "racer-12m"}; }

std::unique_ptr<HullRecord> BundledDesign(const std::string& name)
{
    std::ifstream in(ExampleProject(name));
    if (!in) throw std::runtime_error("no bundled design " + name);
    return DesignFromText(std::string(std::istreambuf_iterator<char>(in), {}));
}

std::unique_ptr<HullRecord> GeneratedBundledDesign(const std::string& name)
{
    ResetGeneratorState();
    auto hull = BundledDesign(name);
    TOutput console;
    RunGeneration(*hull, console);
    return hull;
}

const HullRecord& SharedGeneratedDesign(const std::string& name)
{
    static std::map<std::string, std::unique_ptr<HullRecord>> generated;
    std::unique_ptr<HullRecord>& hull = generated[name];
    if (!hull) {
        RecordingUi ui;
        hull = GeneratedBundledDesign(name);
        ResetGeneratorState();
    }
    return *hull;
}

std::unique_ptr<HullRecord> DesignFromText(const std::string& keyValues)
{
    auto hull = HullRecord::Create();
    std::map<std::string, Real48*> fields;
    for (const ProjectKey& key : ProjectKeys()) fields[key.Key] = &((*hull).*key.Field);
    std::istringstream words(keyValues);
    for (std::string word; words >> word;) {
        const auto equals = word.find('=');
        const auto field = fields.find(word.substr(0, equals));
        const auto value = ParseReal(word.substr(equals + 1));
        if (equals == std::string::npos || field == fields.end() || !value)
            throw std::runtime_error("bad design parameter: " + word);
        *field->second = *value;
    }
    return hull;
}

void SetDefaultGoals(HullRecord& hull)
{
    hull.DimensionGoal = 0.001L;
    hull.PercentageGoal = 0.1L;
    hull.CoefficientGoal = 0.01L;
}

}  // namespace sloopform::test
