#include "analysis/ResistanceOptimiser.h"

#include <exception>

#include "analysis/ResistanceReport.h"
#include "generator/Output.h"
#include "model/DataEdit.h"
#include "model/ParameterTable.h"
#include "numeric/NumberText.h"
#include "platform/UiServices.h"

namespace sloopform {

bool OptimisationParametersPresent(const HullRecord& hull)
{
    if (hull.Lwl > 0 && hull.Bwl > 0 && hull.Tc > 0 && hull.Cp > 0 && hull.LCB > 0) return true;
    Ui().ShowMessage("Parameters Lwl, Bwl, Tc, Cp LCB are required for Optimisation Process",
                     MessageIcon::Information, MessageButtons::Ok);
    return false;
}

ResistanceOptimiser::ResistanceOptimiser(const HullRecord& hull) : hull_(hull)
{
    Speed.Fn = "0.35";
    ConvertVelocity();
}

void ResistanceOptimiser::TypeSpeed(SpeedUnit unit, const std::string& text)
{
    Unit = unit;
    Speed = {};
    switch (unit) {
    case SpeedUnit::FroudeNumber: Speed.Fn = text; break;
    case SpeedUnit::Knots: Speed.Knots = text; break;
    case SpeedUnit::MetresPerSecond: Speed.Ms = text; break;
    }
}

ConversionOutcome ResistanceOptimiser::ConvertVelocity()
{
    return sloopform::ConvertVelocity(Unit, Speed, fn_, hull_);
}

void ResistanceOptimiser::RunOptimisation(OptimisationProgress& progress)
{
    applyEnabled_ = false;
    try {
        // A speed that is not a number stops here too: the last speed is not
        // what the box shows any more.
        if (ConvertVelocity() == ConversionOutcome::Accepted) Calculate(progress);
    } catch (const std::exception& fault) {
        Ui().ShowError("Resistance Module, Disregard Results",
                       std::string("Resistance Optimisation: ") + fault.what());
    }
    progress.ShowProcessing("Processing: None");
    progress.ShowTrial(0);
}

void ResistanceOptimiser::Calculate(OptimisationProgress& progress)
{
    OptimisationWork work;
    // The scratch keeps the parameter form of LCB between the searches.
    work.Scratch = {hull_.Lwl, hull_.Bwl, hull_.Tc, hull_.Cp, hull_.Cm, hull_.LCB,
                    hull_.Gravity, hull_.WaterDensity, hull_.Viscosity};
    work.CpOpt = hull_.Cp;
    work.CmOpt = hull_.Cm;
    work.Volume = DisplacedVolume(work.Scratch);

    if (SearchCp) OptimiseCp(work, fn_, progress);
    work.Scratch.Cp = hull_.Cp;
    work.Scratch.Cm = hull_.Cm;
    if (SearchLCB) OptimiseLCB(work, fn_, progress);
    work.Scratch.Cp = work.CpOpt;
    work.Scratch.Cm = work.CmOpt;

    Optimum optimum{work.Scratch.Cp, work.Scratch.LCB, work.Scratch.Cm, 0};
    work.Scratch.LCB = SwapLCBForm(optimum.LCB);
    optimum.Resistance = ResistanceAt(work.Scratch, fn_);

    // Published together, only once every figure has been computed.
    outputs_ = {FormatFixed(optimum.Cp, 3), FormatFixed(optimum.LCB, 2),
                FormatFixed(optimum.Cm, 3), FormatFixed(optimum.Resistance, 3)};
    optimum_ = optimum;
    applyEnabled_ = true;
}

std::optional<std::string> OptimumRefusal(const HullRecord& hull, const ResistanceOptimiser::Optimum& optimum)
{
    // The rules decide with the other values as they would be stored.
    HullRecord applied = hull;
    applied.LCB = optimum.LCB;
    applied.Cp = optimum.Cp;
    applied.Cm = optimum.Cm;
    const struct {
        int row;
        const char* name;
        Real48 value;
    } values[] = {{kLCBRow, "LCB", optimum.LCB}, {kCpRow, "Cp", optimum.Cp}, {kCmRow, "Cm", optimum.Cm}};
    for (const auto& [row, name, value] : values) {
        const ParameterRow& rule = ParameterRowAt(row);
        if (!rule.accepts(value, applied))
            return "The optimum " + std::string(name) + " = " + FormatFixed(value, 3) +
                   " is not applied, nor anything else of the optimum:\r" + rule.rejection;
    }
    return std::nullopt;
}

std::optional<ResistanceOptimiser::Applied> ResistanceOptimiser::Apply(TDataEdit& parameters, TOutput& console)
{
    if (!applyEnabled_) return std::nullopt;
    applyEnabled_ = false;
    if (const auto refusal = OptimumRefusal(hull_, optimum_)) {
        Ui().ShowMessage(*refusal, MessageIcon::Information, MessageButtons::Ok);
        return std::nullopt;
    }
    const Real48 before = ResistanceAt(ResistanceParametersOf(hull_), fn_);
    parameters.Edit(kLCBRow, optimum_.LCB);
    parameters.Edit(kCpRow, optimum_.Cp);
    parameters.Edit(kCmRow, optimum_.Cm);

    const auto updated = [&](const char* caption, long double value) {
        console.WriteLn(std::string(caption) + " Updated to " + FormatFixed(value, 3, 10));
    };
    console.WriteLn("");
    console.WriteLn("--- Resistance Optimisation ---");
    updated("Cp", optimum_.Cp);
    updated("LCB", optimum_.LCB);
    updated("Cm", optimum_.Cm);
    console.WriteLn("---------------------------------------------");
    console.WriteLn("");
    return Applied{before, optimum_.Resistance};
}

void ResistanceOptimiser::AddToReport(TOutput& report) const
{
    if (!FroudeNumberInRange(fn_)) {
        ShowFroudeRangeMessage();
        return;
    }
    AddResistanceToReport(hull_, fn_, report);
}

}  // namespace sloopform
