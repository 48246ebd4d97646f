#include "SpeedCommands.h"

#include <iomanip>
#include <iostream>
#include <nlohmann/json.hpp>

#include "ConsoleUi.h"
#include "ExitStatus.h"
#include "JsonReport.h"
#include "OutputFile.h"
#include "ProjectInput.h"
#include "analysis/NamedFigures.h"
#include "analysis/QuickCalc.h"
#include "analysis/Resistance.h"
#include "analysis/ResistanceCurve.h"
#include "analysis/ResistanceOptimiser.h"
#include "generator/Output.h"
#include "numeric/NumberText.h"

namespace sloopform::batch {

namespace {

// The optimisation dialog's state with the speed typed as on the command line,
// not yet converted.
ResistanceOptimiser OptimiserAt(const HullRecord& hull, const Speed& speed)
{
    ResistanceOptimiser optimiser(hull);
    optimiser.TypeSpeed(speed.unit, speed.text);
    return optimiser;
}

// Calculate did nothing because the typed speed is not a number or gave a
// Froude number out of range.
bool SpeedRefused(const Speed& typed, long double fn)
{
    return !ParseReal(Trim(typed.text)) || !FroudeNumberInRange(fn);
}

void PrintLines(const StringListMemo& memo)
{
    for (const std::string& line : memo.Lines()) std::cout << line << '\n';
}

bool WriteJson(const BatchOptions& options, const nlohmann::json& json)
{
    return !options.json || WriteText(*options.json, json.dump(2));
}

// The table of the estimate over the range the options give, the unit's
// default where they give none.
int WriteResistanceCurve(const BatchOptions& options, const HullRecord& hull)
{
    const ResistanceParameters parameters = ResistanceParametersOf(hull);
    SpeedRange range = DefaultSpeedRange(options.curveUnit, parameters);
    range.From = options.curveFrom.value_or(range.From);
    range.To = options.curveTo.value_or(range.To);
    range.Step = options.curveStep.value_or(range.Step);
    if (const auto error = SpeedRangeError(range, parameters)) {
        std::cerr << "sloopform-batch: " << *error << '\n';
        return kExitBadInput;
    }
    return WriteLines(*options.curve, ResistanceCurveCsvLines(ResistanceCurve(parameters, range)))
               ? kExitDone
               : kExitBadInput;
}

}  // namespace

int QuickCalcCommand(const BatchOptions& options, ConsoleUi& ui)
{
    const auto editor = ReadProject(options.project, ui);
    if (!editor) return kExitBadInput;
    for (const QuickCalcRow& row : QuickCalcReadouts(editor->Hull()))
        std::cout << std::left << std::setw(18) << row.Caption << row.Value << ' ' << row.Unit << '\n';
    const QuickCalcValues values = ComputeQuickCalc(editor->Hull());
    const nlohmann::json json = {{"cb", values.BlockCoefficient.Value()},
                                 {"displacement", values.Displacement.Value()},
                                 {"waterplane_area", values.WaterplaneArea.Value()}};
    return WriteJson(options, json) ? kExitDone : kExitBadInput;
}

int ResistanceCommand(const BatchOptions& options, ConsoleUi& ui)
{
    const auto editor = ReadProject(options.project, ui);
    if (!editor) return kExitBadInput;
    // As the dialog, which is not opened without them.
    if (!OptimisationParametersPresent(editor->Hull()) || !StoredValuesAccepted(*editor))
        return kExitBadInput;
    if (options.curve) return WriteResistanceCurve(options, editor->Hull());
    ResistanceOptimiser optimiser = OptimiserAt(editor->Hull(), *options.speed);
    if (optimiser.ConvertVelocity() != ConversionOutcome::Accepted) return kExitBadInput;

    StringListMemo memo;
    TOutput report;
    report.SetOutputMemo(&memo);
    optimiser.AddToReport(report);
    PrintLines(memo);
    const ResistanceResult r = EstimateResistance(ResistanceParametersOf(editor->Hull()), optimiser.Fn());
    return WriteJson(options, FiguresJson(ResistanceFigures(r))) ? kExitDone : kExitBadInput;
}

int OptimiseCommand(const BatchOptions& options, ConsoleUi& ui)
{
    const auto editor = ReadProject(options.project, ui);
    if (!editor) return kExitBadInput;
    if (!OptimisationParametersPresent(editor->Hull()) || !StoredValuesAccepted(*editor))
        return kExitBadInput;
    ResistanceOptimiser optimiser = OptimiserAt(editor->Hull(), *options.speed);
    optimiser.SearchCp = options.optimiseCp;
    optimiser.SearchLCB = options.optimiseLcb;
    // Calculate converts the typed speed once and searches at it; converting
    // here first would leave it the 2-decimal text the dialog shows.
    OptimisationProgress silent;
    optimiser.RunOptimisation(silent);
    if (!optimiser.ApplyEnabled())
        return SpeedRefused(*options.speed, optimiser.Fn()) ? kExitBadInput : kExitNotFinished;

    const auto& out = optimiser.Outputs();
    std::cout << "Output Cp: " << out.Cp << '\n'
              << "Output LCB(%): " << out.LCB << " %\n"
              << "Output Cm: " << out.Cm << '\n'
              << "Output Resistance: " << out.Resistance << " N\n";
    bool written = WriteJson(options, FiguresJson(OptimumFigures(optimiser.Fn(), optimiser.LastOptimum())));
    if (options.apply) {
        StringListMemo memo;
        TOutput console;
        console.SetOutputMemo(&memo);
        const auto applied = optimiser.Apply(*editor, console);
        // An optimum the parameter table refuses is written nowhere.
        if (!applied) return written ? kExitNotFinished : kExitBadInput;
        PrintLines(memo);
        std::cout << "Resistance before Apply: " << FormatFixed(applied->Before, 3) << " N\n"
                  << "Resistance after Apply: " << FormatFixed(applied->After, 3) << " N\n";
        written &= editor->SaveData(*options.apply);
    }
    return written ? kExitDone : kExitBadInput;
}

}  // namespace sloopform::batch
