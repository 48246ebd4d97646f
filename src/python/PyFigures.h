#pragma once
#include <pybind11/pybind11.h>

#include "analysis/NamedFigures.h"

namespace sloopform::python {

// Named figures as a dict, and their names alone.
pybind11::dict FiguresDict(const NamedFigures& figures);
pybind11::tuple FigureNames(const NamedFigures& figures);

// A computation in the core with the interpreter free for other threads.
template <typename Compute>
auto WithoutGil(Compute compute)
{
    pybind11::gil_scoped_release free;
    return compute();
}

}  // namespace sloopform::python
