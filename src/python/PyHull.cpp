#include "PyHull.h"

#include <chrono>
#include <exception>
#include <filesystem>
#include <sstream>
#include <utility>

#include <pybind11/numpy.h>
#include <pybind11/stl.h>

#include "CallUi.h"
#include "PyDesign.h"
#include "PyFigures.h"
#include "PySpeed.h"
#include "PyStability.h"
#include "analysis/ExactHydrostatics.h"
#include "analysis/HullCheck.h"
#include "analysis/Hydrostatics.h"
#include "export/ExportTextFile.h"
#include "export/Gf1Export.h"
#include "export/HullOutlineExport.h"
#include "generator/Output.h"
#include "platform/RunControl.h"
#include "views/SvgViews.h"

namespace py = pybind11;

namespace sloopform::python {

namespace {

constexpr const char* kFatalLinePrefix = "Fatal Error[1]: ";

// Raises the exception class `name` of sloopform.errors built from `args`.
template <typename... Args>
[[noreturn]] void Raise(const char* name, Args&&... args)
{
    const py::object type = py::module_::import("sloopform.errors").attr(name);
    const py::object error = type(std::forward<Args>(args)...);
    PyErr_SetObject(type.ptr(), error.ptr());
    throw py::error_already_set();
}

GeneratorMethod MethodNamed(const std::string& name)
{
    if (name == "classic") return GeneratorMethod::Classic;
    if (name == "robust") return GeneratorMethod::Robust;
    throw py::value_error("method must be \"classic\" or \"robust\", not \"" + name + "\"");
}

const char* MethodName(GeneratorMethod method)
{
    return method == GeneratorMethod::Robust ? "robust" : "classic";
}

GoalAccuracies GoalsFrom(const py::object& goals)
{
    GoalAccuracies accuracies;
    if (goals.is_none()) return accuracies;
    for (const auto& [name, value] : py::dict(goals)) {
        const std::string key = py::str(name);
        const Real48 goal = value.cast<double>();
        if (key == "dimension") accuracies.Dimension = goal;
        else if (key == "percentage") accuracies.Percentage = goal;
        else if (key == "coefficient") accuracies.Coefficient = goal;
        else throw py::value_error("unknown goal " + key + " (dimension, percentage, coefficient)");
    }
    return accuracies;
}

std::string FatalLine(const std::vector<std::string>& console)
{
    for (const std::string& line : console)
        if (line.rfind(kFatalLinePrefix, 0) == 0) return line;
    return {};
}

// As the batch tool words it.
std::string TimeoutMessage(double seconds)
{
    std::ostringstream text;
    text << "the generation did not finish within " << seconds << " s";
    return text.str();
}

// Runs the generator on a copy of the design with the interpreter free for
// other threads. Raises GenerationError or Cancelled for a run that did not finish.
GeneratedHull Generate(const Design& design, const std::string& methodName, const py::object& goals,
                       const py::object& timeout)
{
    RequireAcceptedParameters(design.Record());
    const GeneratorMethod method = MethodNamed(methodName);
    const GoalAccuracies accuracies = GoalsFrom(goals);
    auto record = std::make_unique<HullRecord>(design.Record());

    CallUi ui;
    if (!timeout.is_none())
        ui.Deadline().Set(std::chrono::duration_cast<std::chrono::steady_clock::duration>(
            std::chrono::duration<double>(timeout.cast<double>())));
    StringListMemo memo;
    std::string fault;
    bool raised = false;
    std::chrono::duration<double> seconds{};
    {
        py::gil_scoped_release free;
        TOutput console;
        console.SetOutputMemo(&memo);
        const auto start = std::chrono::steady_clock::now();
        try {
            RunGeneration(*record, console, accuracies, method);
        } catch (const std::exception& error) {
            fault = error.what();
            raised = true;
        }
        seconds = std::chrono::steady_clock::now() - start;
    }
    std::vector<std::string> lines = memo.Lines();
    if (raised) Raise("GenerationError", fault, lines, ui.Shown());
    if (ui.Deadline().Passed())
        Raise("Cancelled", TimeoutMessage(timeout.cast<double>()), lines);
    if (CancelFlag()) {
        const std::string fatal = FatalLine(lines);
        if (!fatal.empty()) Raise("GenerationError", fatal, lines, ui.Shown());
        Raise("Cancelled", "the generation was cancelled", lines);
    }
    return GeneratedHull(std::move(record), std::move(lines), method, seconds.count());
}

py::dict Stations(const GeneratedHull& hull)
{
    py::array_t<int> numbers(kStationCount);
    std::vector<NamedFigures> stations;
    for (int s = 0; s < kStationCount; ++s) {
        numbers.mutable_at(s) = s;
        stations.push_back(StationFigures(hull.Record(), s));
    }
    py::dict columns;
    columns["station"] = numbers;
    for (std::size_t f = 0; f < stations.front().size(); ++f) {
        py::array_t<double> column(kStationCount);
        for (int s = 0; s < kStationCount; ++s) column.mutable_at(s) = stations[static_cast<std::size_t>(s)][f].Value;
        columns[stations.front()[f].Name] = column;
    }
    return columns;
}

// An export that fails raises OSError with the core's message.
template <typename Write>
void Export(Write write)
{
    try {
        WithoutGil([&] {
            write();
            return 0;
        });
    } catch (const ExportFileError& error) {
        PyErr_SetString(PyExc_OSError, error.what());
        throw py::error_already_set();
    }
}

std::string Svg(const GeneratedHull& hull, int width, int height)
{
    return WithoutGil([&] { return LinesPlanSvg(hull.Record(), width, height, DrawingSettings{}); });
}

}  // namespace

GeneratedHull::GeneratedHull(std::unique_ptr<HullRecord> record, std::vector<std::string> console,
                             GeneratorMethod method, double seconds)
    : record_(std::move(record)), console_(std::move(console)), method_(method), seconds_(seconds)
{
}

const NamedFigures& GeneratedHull::HydrostaticsFigures()
{
    if (!hydrostatics_)
        hydrostatics_ = WithoutGil([&] { return sloopform::HydrostaticsFigures(ComputeHydrostatics(*record_)); });
    return *hydrostatics_;
}

const NamedFigures& GeneratedHull::ExactHydrostaticsFigures()
{
    if (!exact_)
        exact_ = WithoutGil([&] { return sloopform::ExactHydrostaticsFigures(ComputeExactHydrostatics(*record_)); });
    return *exact_;
}

void BindHull(py::module_& module)
{
    module.attr("HYDROSTATICS_KEYS") = FigureNames(sloopform::HydrostaticsFigures(Hydrostatics{}));
    module.attr("EXACT_HYDROSTATICS_KEYS") = FigureNames(sloopform::ExactHydrostaticsFigures(ExactHydrostatics{}));
    module.attr("RESISTANCE_KEYS") = FigureNames(ResistanceFigures(ResistanceResult{}));
    module.attr("STABILITY_KEYS") = FigureNames(StabilityFigures(StabilityResult{}));
    py::class_<GeneratedHull>(module, "Hull", "A generated hull: its figures, stations, console and exports.")
        .def_property_readonly("design",
                               [](const GeneratedHull& h) {
                                   Design design;
                                   design.Record() = h.Record();
                                   return design;
                               })
        .def_property_readonly("method", [](const GeneratedHull& h) { return MethodName(h.Method()); })
        .def_property_readonly("seconds", &GeneratedHull::Seconds, "The generation run's own time.")
        .def_property_readonly("console", &GeneratedHull::Console)
        .def_property_readonly("hydrostatics",
                               [](GeneratedHull& h) { return FiguresDict(h.HydrostaticsFigures()); })
        .def_property_readonly("hydrostatics_exact",
                               [](GeneratedHull& h) { return FiguresDict(h.ExactHydrostaticsFigures()); })
        .def_property_readonly("hull_check", [](const GeneratedHull& h) { return HullCheckLines(h.Record()); },
                               "What the hull check finds on the hull, one line a fault; empty when fair.")
        .def_property_readonly("transom_rise", [](const GeneratedHull& h) { return h.Record().TransomRise.Value(); })
        .def_property_readonly("stations", &Stations, "One NumPy array per station measure, stations 0..20.")
        .def("resistance", [](const GeneratedHull& h, const py::object& fn, const py::object& knots,
                              const py::object& ms) { return ResistanceAt(h.Record(), fn, knots, ms); }, py::arg("fn") = py::none(), py::arg("knots") = py::none(),
             py::arg("ms") = py::none(), "Upright resistance at one speed (fn, knots or ms).")
        .def("optimise", [](const GeneratedHull& h, const py::object& fn, const py::object& knots,
                            const py::object& ms, bool cp, bool lcb) { return OptimumAt(h.Record(), fn, knots, ms, cp, lcb); }, py::arg("fn") = py::none(), py::arg("knots") = py::none(),
             py::arg("ms") = py::none(), py::arg("cp") = true, py::arg("lcb") = true,
             "The Cp and LCB of least resistance at one speed, keeping the displaced volume.")
        .def("stability", [](const GeneratedHull& h, double vcg, const py::object& angles) { return StabilityOf(h.Record(), vcg, angles); },
             py::kw_only(), py::arg("vcg"), py::arg("angles") = py::none(),
             "The GZ curve of the closed canoe body at the design displacement, G at vcg m above the base line: "
             "{'summary': figures (NaN where not reached), 'curve': NumPy arrays heel, gz, righting_moment, trim, sinkage}.")
        .def(
            "export_dxf",
            [](const GeneratedHull& h, const std::string& path) {
                Export([&] {
                    TDxfFile file(path);
                    WriteHullOutlines(h.Record(), file);
                });
            },
            py::arg("path"))
        .def(
            "export_gf1",
            [](const GeneratedHull& h, const std::string& path) {
                // The file records its full path, as a save dialog gives it.
                Export([&] { WriteGF1(h.Record(), std::filesystem::absolute(path).string()); });
            },
            py::arg("path"))
        .def("svg", &Svg, py::arg("width") = 1600, py::arg("height") = 1000, "The lines plan as an SVG document.")
        .def("_repr_svg_", [](const GeneratedHull& h) { return Svg(h, 800, 500); })
        .def("__repr__", [](const GeneratedHull& h) {
            return std::string("<sloopform.Hull ") + MethodName(h.Method()) + ", " +
                   std::to_string(h.Console().size()) + " console lines>";
        });

    module.def("generate", &Generate, py::arg("design"), py::arg("method") = "classic",
               py::arg("goals") = py::none(), py::arg("timeout") = py::none(),
               R"(Generates the design's hull; the interpreter stays free for other threads meanwhile.

goals: {"dimension", "percentage", "coefficient"} accuracies; timeout: seconds.
A run that fails raises GenerationError (its fatal line); a cancelled or
timed-out run raises Cancelled.)");
}

}  // namespace sloopform::python
