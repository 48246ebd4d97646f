#pragma once
#include <memory>

#include <pybind11/pybind11.h>

#include "model/HullRecord.h"

namespace sloopform::python {

// The nineteen parameters of a design in a hull record of their own. Every
// Design holds values the parameter table accepts.
class Design {
public:
    Design();
    Design(const Design& other);
    Design& operator=(const Design&) = delete;

    const HullRecord& Record() const { return *record_; }
    HullRecord& Record() { return *record_; }

private:
    std::unique_ptr<HullRecord> record_;
};

// Raises ValueError with the parameter table's messages when a stored value is refused.
void RequireAcceptedParameters(const HullRecord& hull);

void BindDesign(pybind11::module_& module);

}  // namespace sloopform::python
