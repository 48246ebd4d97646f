#pragma once
#include <pybind11/pybind11.h>

#include "model/HullRecord.h"

namespace sloopform::python {

// The stability curve of a generated hull at the VCG (metres above the base
// line) and the heels (degrees; None: 0 to 180 every 5): {"summary": the
// batch tool's figures, NaN where the curve does not reach one, "curve": one
// NumPy array per column}. A VCG or heel the core refuses raises ValueError
// with its message.
pybind11::dict StabilityOf(const HullRecord& hull, double vcg, const pybind11::object& angles);

}  // namespace sloopform::python
