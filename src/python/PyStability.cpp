#include "PyStability.h"

#include <stdexcept>
#include <vector>

#include <pybind11/numpy.h>
#include <pybind11/stl.h>

#include "CallUi.h"
#include "PyFigures.h"
#include "analysis/DesignStability.h"
#include "analysis/NamedFigures.h"

namespace py = pybind11;

namespace sloopform::python {

py::dict StabilityOf(const HullRecord& hull, double vcg, const py::object& angles)
{
    const std::vector<double> heels = angles.is_none() ? DefaultHeelAngles() : angles.cast<std::vector<double>>();
    StabilityResult result;
    try {
        result = WithoutGil([&] { return ComputeDesignStability(hull, vcg, heels); });
    } catch (const std::invalid_argument& refusal) {
        throw py::value_error(refusal.what());
    }
    py::dict curve;
    const NamedFigures names = StabilityPointFigures(StabilityPoint{});
    for (std::size_t f = 0; f < names.size(); ++f) {
        py::array_t<double> column(static_cast<py::ssize_t>(result.Curve.size()));
        for (std::size_t i = 0; i < result.Curve.size(); ++i)
            column.mutable_at(static_cast<py::ssize_t>(i)) = StabilityPointFigures(result.Curve[i])[f].Value;
        curve[names[f].Name] = column;
    }
    py::dict stability;
    stability["summary"] = FiguresDict(StabilityFigures(result));
    stability["curve"] = curve;
    return stability;
}

}  // namespace sloopform::python
