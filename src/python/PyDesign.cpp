#include "PyDesign.h"

#include <filesystem>
#include <stdexcept>
#include <string>

#include "CallUi.h"
#include "PySpeed.h"
#include "model/ParameterTable.h"
#include "model/ProjectFile.h"
#include "numeric/NumberText.h"

namespace py = pybind11;

namespace sloopform::python {

namespace {

const ProjectKey* FindKey(const std::string& key)
{
    for (const ProjectKey& k : ProjectKeys())
        if (key == k.Key) return &k;
    return nullptr;
}

// A number, or text read as a project file reads its values (so a design
// from a CSV file holds exactly what its project file would).
Real48 ParameterValue(const std::string& key, const py::handle& value)
{
    if (py::isinstance<py::str>(value)) {
        const std::string text = value.cast<std::string>();
        if (const auto number = ParseReal(text)) return *number;
        throw py::value_error("Unable to convert field " + text + " to real number format (" + key + ")");
    }
    if (py::isinstance<py::bool_>(value) || (!py::isinstance<py::float_>(value) && !py::isinstance<py::int_>(value)))
        throw py::type_error(key + " must be a number or its text, not " +
                             std::string(py::str(py::type::of(value).attr("__name__"))));
    return value.cast<double>();
}

void StoreParameters(HullRecord& hull, const py::dict& values)
{
    for (const auto& [name, value] : values) {
        const std::string key = py::str(name);
        const ProjectKey* k = FindKey(key);
        if (!k) throw py::value_error("unknown parameter " + key);
        hull.*(k->Field) = ParameterValue(key, value);
    }
}

Design DesignFrom(const py::dict& values)
{
    std::string missing;
    for (const ProjectKey& k : ProjectKeys())
        if (!values.contains(k.Key)) missing += (missing.empty() ? "" : ", ") + std::string(k.Key);
    if (!missing.empty()) throw py::value_error("missing parameters: " + missing);
    Design design;
    StoreParameters(design.Record(), values);
    RequireAcceptedParameters(design.Record());
    return design;
}

py::dict ParametersDict(const Design& design)
{
    py::dict values;
    for (const ProjectKey& k : ProjectKeys()) values[k.Key] = (design.Record().*k.Field).Value();
    return values;
}

Design Replaced(const Design& design, const py::dict& changes)
{
    Design changed(design);
    StoreParameters(changed.Record(), changes);
    RequireAcceptedParameters(changed.Record());
    return changed;
}

Design LoadDesign(const std::string& path)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        PyErr_SetFromErrnoWithFilename(PyExc_FileNotFoundError, path.c_str());
        throw py::error_already_set();
    }
    Design design;
    CallUi ui;
    LoadProject(design.Record(), path);
    if (!ui.Shown().empty()) throw py::value_error(ui.ShownText({}) + " (" + path + ")");
    RequireAcceptedParameters(design.Record());
    return design;
}

void SaveDesign(const Design& design, const std::string& path)
{
    CallUi ui;
    if (!SaveProject(design.Record(), path)) throw py::value_error(ui.ShownText("cannot write " + path));
}

std::string DesignRepr(const Design& design)
{
    std::string text = "Design(";
    for (const ProjectKey& k : ProjectKeys())
        text += (text.size() > 7 ? ", " : "") + std::string(k.Key) + '=' +
                std::string(py::repr(py::float_((design.Record().*k.Field).Value())));
    return text + ')';
}

bool SameParameters(const Design& a, const Design& b)
{
    for (const ProjectKey& k : ProjectKeys())
        if (a.Record().*k.Field != b.Record().*k.Field) return false;
    return true;
}

}  // namespace

Design::Design() : record_(HullRecord::Create()) {}

Design::Design(const Design& other) : record_(std::make_unique<HullRecord>(*other.record_)) {}

void RequireAcceptedParameters(const HullRecord& hull)
{
    std::string text;
    for (const std::string& fault : StoredParameterFaults(hull))
        text += (text.empty() ? "" : "\n") + PythonText(fault);
    if (!text.empty()) throw py::value_error(text);
}

void BindDesign(py::module_& module)
{
    py::tuple keys(kProjectKeyCount);
    for (int k = 0; k < kProjectKeyCount; ++k) keys[static_cast<std::size_t>(k)] = ProjectKeys()[k].Key;
    module.attr("PARAMETER_KEYS") = keys;

    py::class_<Design> design(module, "Design", R"(The nineteen parameters of a hull, under the project file's keys.

Design(values=None, **parameters): every key of PARAMETER_KEYS, from a dict and/or
keywords, as numbers or as text (read as a project file reads it). Values the
parameter table refuses raise ValueError with its messages.)");
    design.def(py::init([](const py::object& values, const py::kwargs& parameters) {
                   py::dict all;
                   if (!values.is_none()) all = py::dict(values);
                   for (const auto& [key, value] : parameters) all[key] = value;
                   return DesignFrom(all);
               }),
               py::arg("values") = py::none())
        .def_static("load", &LoadDesign, py::arg("path"), "Reads a project file (.sfp).")
        .def("save", &SaveDesign, py::arg("path"), "Writes a project file (.sfp).")
        .def("to_dict", &ParametersDict, "The nineteen parameters in the project file's key order.")
        .def(
            "replace", [](const Design& d, const py::kwargs& changes) { return Replaced(d, changes); },
            "A copy with some parameters changed together, checked as a whole.")
        .def(
            "resistance",
            [](const Design& d, const py::object& fn, const py::object& knots, const py::object& ms) {
                return ResistanceAt(d.Record(), fn, knots, ms);
            },
            py::arg("fn") = py::none(), py::arg("knots") = py::none(), py::arg("ms") = py::none(),
            "Upright resistance at one speed (fn, knots or ms), from the parameters alone.")
        .def("__repr__", &DesignRepr)
        .def("__eq__",
             [](const Design& d, const py::object& other) {
                 return py::isinstance<Design>(other) && SameParameters(d, other.cast<const Design&>());
             })
        .def(py::pickle([](const Design& d) { return ParametersDict(d); },
                        [](const py::dict& values) { return DesignFrom(values); }));
    for (const ProjectKey& k : ProjectKeys()) {
        const std::string key = k.Key;
        const auto field = k.Field;
        design.def_property(
            k.Key, [field](const Design& d) { return (d.Record().*field).Value(); },
            // One value at a time, checked against the others; a refused value is not kept.
            [key](Design& d, const py::object& value) {
                py::dict change;
                change[py::str(key)] = value;
                const Design changed = Replaced(d, change);
                d.Record() = changed.Record();
            });
    }
}

}  // namespace sloopform::python
