#pragma once
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <pybind11/pybind11.h>

#include "analysis/NamedFigures.h"
#include "generator/RunGeneration.h"
#include "model/HullRecord.h"

namespace sloopform::python {

// What a finished generation run left: the generated hull record, the
// console lines and the run's own time. Figures are computed when first asked.
class GeneratedHull {
public:
    GeneratedHull(std::unique_ptr<HullRecord> record, std::vector<std::string> console,
                  GeneratorMethod method, double seconds);

    const HullRecord& Record() const { return *record_; }
    const std::vector<std::string>& Console() const { return console_; }
    GeneratorMethod Method() const { return method_; }
    double Seconds() const { return seconds_; }
    const NamedFigures& HydrostaticsFigures();
    const NamedFigures& ExactHydrostaticsFigures();

private:
    std::unique_ptr<HullRecord> record_;
    std::vector<std::string> console_;
    GeneratorMethod method_;
    double seconds_;
    std::optional<NamedFigures> hydrostatics_;
    std::optional<NamedFigures> exact_;
};

void BindHull(pybind11::module_& module);

}  // namespace sloopform::python
