// The core of the hull generator for Python: designs, generation runs and what
// they give, in the figures and names of the batch tool's JSON.
#include <pybind11/pybind11.h>

#include "PyDesign.h"
#include "PyHull.h"

PYBIND11_MODULE(_sloopform, module)
{
    module.doc() = "Sloopform hull generator: designs, generation runs and their figures.";
    sloopform::python::BindDesign(module);
    sloopform::python::BindHull(module);
}
