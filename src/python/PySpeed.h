#pragma once
#include <pybind11/pybind11.h>

#include "model/HullRecord.h"

namespace sloopform::python {

// The speed is exactly one of fn, knots and ms, a number or its text, typed
// into the optimisation dialog's box of that unit as the batch tool does. Both
// read only the parameters; a refused speed or missing parameter raises
// ValueError with the core's message.

// The upright resistance at that speed (the batch tool's resistance JSON).
pybind11::dict ResistanceAt(const HullRecord& hull, const pybind11::object& fn, const pybind11::object& knots,
                            const pybind11::object& ms);

// The Cp and LCB of least resistance at that speed (the batch tool's optimise JSON).
pybind11::dict OptimumAt(const HullRecord& hull, const pybind11::object& fn, const pybind11::object& knots,
                         const pybind11::object& ms, bool cp, bool lcb);

}  // namespace sloopform::python
