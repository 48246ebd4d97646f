#include "PySpeed.h"

#include <string>

#include "CallUi.h"
#include "PyFigures.h"
#include "analysis/Resistance.h"
#include "analysis/ResistanceOptimiser.h"

namespace py = pybind11;

namespace sloopform::python {

namespace {

std::string SpeedText(const py::handle& value)
{
    return py::isinstance<py::str>(value) ? value.cast<std::string>() : std::string(py::repr(value));
}

ResistanceOptimiser OptimiserAt(const HullRecord& hull, const py::object& fn, const py::object& knots,
                                const py::object& ms)
{
    if (fn.is_none() + knots.is_none() + ms.is_none() != 2)
        throw py::type_error("give the speed as exactly one of fn, knots and ms");
    ResistanceOptimiser optimiser(hull);
    if (!fn.is_none()) optimiser.TypeSpeed(SpeedUnit::FroudeNumber, SpeedText(fn));
    if (!knots.is_none()) optimiser.TypeSpeed(SpeedUnit::Knots, SpeedText(knots));
    if (!ms.is_none()) optimiser.TypeSpeed(SpeedUnit::MetresPerSecond, SpeedText(ms));
    return optimiser;
}

}  // namespace

py::dict ResistanceAt(const HullRecord& hull, const py::object& fn, const py::object& knots, const py::object& ms)
{
    CallUi ui;
    if (!OptimisationParametersPresent(hull)) throw py::value_error(ui.ShownText({}));
    ResistanceOptimiser optimiser = OptimiserAt(hull, fn, knots, ms);
    if (optimiser.ConvertVelocity() != ConversionOutcome::Accepted)
        throw py::value_error(ui.ShownText("speed refused"));
    return FiguresDict(WithoutGil(
        [&] { return ResistanceFigures(EstimateResistance(ResistanceParametersOf(hull), optimiser.Fn())); }));
}

py::dict OptimumAt(const HullRecord& hull, const py::object& fn, const py::object& knots, const py::object& ms,
                   bool cp, bool lcb)
{
    CallUi ui;
    if (!OptimisationParametersPresent(hull)) throw py::value_error(ui.ShownText({}));
    ResistanceOptimiser optimiser = OptimiserAt(hull, fn, knots, ms);
    optimiser.SearchCp = cp;
    optimiser.SearchLCB = lcb;
    WithoutGil([&] {
        OptimisationProgress silent;
        optimiser.RunOptimisation(silent);
        return 0;
    });
    if (!optimiser.ApplyEnabled()) throw py::value_error(ui.ShownText("the optimisation found no optimum"));
    return FiguresDict(OptimumFigures(optimiser.Fn(), optimiser.LastOptimum()));
}

}  // namespace sloopform::python
