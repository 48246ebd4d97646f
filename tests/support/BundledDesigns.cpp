#include "BundledDesigns.h"

#include <fstream>
#include <map>
#include <stdexcept>

#include "TestPaths.h"
#include "model/ProjectFile.h"
#include "numeric/NumberText.h"

namespace sloopform::test {

std::vector<std::string> BundledDesignNames() { return {"cruiser-10m", "daysailer-6m", "racer-12m"}; }

std::unique_ptr<HullRecord> BundledDesign(const std::string& name)
{
    auto hull = HullRecord::Create();
    std::map<std::string, Real48*> fields;
    for (const ProjectKey& key : ProjectKeys()) fields[key.Key] = &((*hull).*key.Field);
    std::ifstream in(ExampleProject(name));
    if (!in) throw std::runtime_error("no bundled design " + name);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const auto equals = line.find('=');
        const auto field = fields.find(line.substr(0, equals));
        const auto value = ParseReal(line.substr(equals + 1));
        if (equals == std::string::npos || field == fields.end() || !value)
            throw std::runtime_error("bad line in " + name + ": " + line);
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
