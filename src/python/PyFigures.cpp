#include "PyFigures.h"

namespace py = pybind11;

namespace sloopform::python {

py::dict FiguresDict(const NamedFigures& figures)
{
    py::dict values;
    for (const NamedFigure& figure : figures) values[figure.Name] = figure.Value;
    return values;
}

py::tuple FigureNames(const NamedFigures& figures)
{
    py::tuple names(figures.size());
    for (std::size_t i = 0; i < figures.size(); ++i) names[i] = figures[i].Name;
    return names;
}

}  // namespace sloopform::python
