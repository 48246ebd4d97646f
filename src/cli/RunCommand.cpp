#include "RunCommand.h"

#include <exception>
#include <iostream>
#include <sstream>

#include "BatchGeneration.h"
#include "CadExport.h"
#include "ConsoleUi.h"
#include "ExitStatus.h"
#include "JsonReport.h"
#include "OffsetsJson.h"
#include "OutputFile.h"
#include "ProjectInput.h"
#include "ScaledSvg.h"
#include "StabilityJson.h"
#include "StreamMemo.h"
#include "analysis/ExactHydrostaticsReport.h"
#include "analysis/HullSurfaceNet.h"
#include "analysis/HullCheck.h"
#include "analysis/HydrostaticsReport.h"
#include "export/Gf1Export.h"
#include "export/HullOutlineExport.h"
#include "export/LinesPlanDxf.h"
#include "export/OffsetsCsv.h"
#include "export/StlFile.h"
#include "generator/RunGeneration.h"
#include "platform/UiServices.h"
#include "views/DrawingSettings.h"
#include "views/SvgViews.h"

namespace sloopform::batch {

namespace {

constexpr int kIsometricElevation = 45;
constexpr int kIsometricAzimuth = 45;

// The parameter listing followed by the hydrostatics block, as the report
// window gets them, and on request the exact hydrostatics block.
std::vector<std::string> ReportLines(const TDataEdit& editor, bool exact)
{
    StringListMemo memo;
    TOutput report;
    report.SetOutputMemo(&memo);
    editor.AddParameterstoReport(report);
    ReportHydrostatics(editor.Hull(), report);
    if (exact) ReportExactHydrostatics(editor.Hull(), report);
    return memo.Lines();
}

// An export routine that asks for its file name, answered with `path`. True
// when it showed no message or error.
template <typename Export>
bool ExportToFile(ConsoleUi& ui, const std::string& path, Export exportRoutine)
{
    ui.TakeReportCount();
    ui.AnswerNextSaveDialog(path);
    exportRoutine();
    return ui.TakeReportCount() == 0;
}

// The same, or for "-" its lines written to standard output.
template <typename Export, typename WriteExport>
bool ExportTo(ConsoleUi& ui, const std::string& path, Export exportRoutine, WriteExport writeRoutine)
{
    if (path != "-") return ExportToFile(ui, path, exportRoutine);
    ExportLineList lines(path);
    try {
        writeRoutine(lines);
    } catch (const std::exception& fault) {
        ui.ShowError(fault.what(), kGlobalHandlerOrigin);
        return false;
    }
    return WriteLines(path, lines.Lines());
}

// The hull solid as STEP or IGES: the file's own lines for "-".
bool ExportCad(ConsoleUi& ui, const std::string& path, const HullRecord& hull, cad::CadFormat format)
{
    return ExportTo(ui, path, [&] { cad::ExportHullCad(hull, format); }, [&](ExportTarget& target) {
        std::istringstream text(cad::HullCadText(hull, format));
        for (std::string line; std::getline(text, line);) target.WriteLine(line);
    });
}

// The drawing's switches: what the hull check faults is marked, and with
// --combs every curve carries its curvature comb.
DisplaySwitches LinesPlanSwitches(const BatchOptions& options)
{
    DisplaySwitches switches;
    if (options.combs) {
        CombSwitches& combs = switches.Combs;
        combs.DesignWaterline = combs.Waterlines = combs.Buttocks = true;
        combs.Sections = combs.Diagonals = combs.Profile = true;
        switches.Waterlines = switches.Buttocks = true;
    }
    return switches;
}

// The canoe body's mesh as binary STL: the bytes themselves for "-".
bool ExportStl(ConsoleUi& ui, const std::string& path, const HullRecord& hull, long double toleranceMm)
{
    if (path != "-") return ExportToFile(ui, path, [&] { ExportHullStl(hull, toleranceMm); });
    try {
        std::cout << StlBytes(BuildHullMesh(hull, toleranceMm * kMetresPerMillimetre));
    } catch (const std::exception& fault) {
        ui.ShowError(fault.what(), kGlobalHandlerOrigin);
        return false;
    }
    std::cout.flush();
    return static_cast<bool>(std::cout);
}

// The levels of the command line, the project's for a kind it leaves out.
OffsetLevels ChosenLevels(const BatchOptions& options, const TDataEdit& editor)
{
    return OverlaidOffsetLevels(editor.Design().Offsets, options.offsetLevels);
}

bool WriteOutputs(const BatchOptions& options, TDataEdit& editor, ConsoleUi& ui)
{
    const HullRecord& hull = editor.Hull();
    const DrawingSettings drawing;
    bool ok = true;
    if (options.report) ok &= WriteLines(*options.report, ReportLines(editor, options.exact));
    if (options.dxf)
        ok &= ExportTo(ui, *options.dxf, [&] { ExportHullOutlines(hull); }, [&](ExportTarget& target) {
            TDxfFile file(target);
            WriteHullOutlines(hull, file);
        });
    if (options.dxfPlan)
        ok &= ExportTo(ui, *options.dxfPlan, [&] { ExportLinesPlanDxf(hull); },
                       [&](ExportTarget& target) { WriteLinesPlanDxf(hull, target); });
    if (options.step) ok &= ExportCad(ui, *options.step, hull, cad::CadFormat::Step);
    if (options.iges) ok &= ExportCad(ui, *options.iges, hull, cad::CadFormat::Iges);
    if (options.stl)
        ok &= ExportStl(ui, *options.stl, hull, options.stlToleranceMm.value_or(kDefaultMeshToleranceMm));
    if (options.gf1)
        ok &= ExportTo(ui, *options.gf1, [&] { ExportGF1(hull); },
                       [&](ExportTarget& target) { WriteGF1(hull, target); });
    const OffsetLevels levels = ChosenLevels(options, editor);
    if (options.offsets)
        ok &= ExportTo(ui, *options.offsets, [&] { ExportOffsets(hull, levels); },
                       [&](ExportTarget& target) { WriteOffsetsCsv(ComputeOffsets(hull, levels), target); });
    if (options.svg)
        ok &= WriteText(*options.svg, options.scale ? ScaledLinesPlanSvg(hull, *options.scale, options.project)
                                                    : LinesPlanSvg(hull, kViewSvgWidth, kViewSvgHeight, drawing,
                                                                   LinesPlanSwitches(options)));
    if (options.svg3d)
        ok &= WriteText(*options.svg3d, ThreeDViewSvg(hull, kViewSvgWidth, kViewSvgHeight, kIsometricElevation,
                                                      kIsometricAzimuth, drawing));
    return ok;
}

}  // namespace

int RunCommand(const BatchOptions& options, ConsoleUi& ui)
{
    const auto editor = ReadProject(options.project, ui);
    if (!editor || !StoredValuesAccepted(*editor)) return kExitBadInput;
    HullRecord& hull = editor->Hull();

    StreamMemo memo(options.quiet ? nullptr : &std::cout);
    TOutput console;
    console.SetOutputMemo(&memo);
    const Generation run = GenerateHull(options, editor->Design().Method, hull, console, ui);
    const bool finished = run.finished;

    RunOutcome outcome{finished, run.seconds, {}};
    if (finished) outcome.hullCheck = HullCheckLines(hull);
    for (const std::string& fault : outcome.hullCheck) std::cerr << "Hull check: " << fault << '\n';

    bool written = true;
    if (finished) written = WriteOutputs(options, *editor, ui);
    else if (options.dxfPlan || options.step || options.iges || options.stl)
        Ui().ShowMessage(kNoHullMessage, MessageIcon::Error, MessageButtons::Ok);
    if (options.json) {
        nlohmann::json json = RunJson(*editor, GoalsOf(options), memo.Lines(), outcome);
        if (finished) json["offsets"] = OffsetsJson(hull, ChosenLevels(options, *editor));
        if (finished && editor->Vcg()) json["stability"] = DesignStabilityJson(hull, editor->Vcg()->Value());
        written &= WriteText(*options.json, json.dump(2));
    }
    if (!written) return kExitBadInput;
    return finished ? kExitDone : kExitNotFinished;
}

}  // namespace sloopform::batch
