#include "analysis/ResistanceOptimiser.h"

#include <exception>

#include "analysis/ResistanceReport.h"
#include "generator/Output.h"
#include "model/DataEdit.h"
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

void ResistanceOptimiser::Apply(TDataEdit& parameters, TOutput& console)
{
    if (!applyEnabled_) return;
    constexpr int kCpRow = 8, kCmRow = 9, kLCBRow = 10;
    // True when the table took the value; a refused one has had its message.
    const auto store = [&](int row, Real48 value) {
        parameters.Edit(row, value);
        return parameters.GetValue(row) == value;
    };
    const bool lcbStored = store(kLCBRow, optimum_.LCB);
    const bool cpStored = store(kCpRow, optimum_.Cp);
    const bool cmStored = store(kCmRow, optimum_.Cm);

    const auto updated = [&](bool stored, const char* caption, long double value) {
        if (stored)
            console.WriteLn(std::string(caption) + " Updated to " + FormatFixed(value, 3, 10));
    };
    console.WriteLn("");
    console.WriteLn("--- Resistance Optimisation ---");
    updated(cpStored, "Cp", optimum_.Cp);
    updated(lcbStored, "LCB", optimum_.LCB);
    updated(cmStored, "Cm", optimum_.Cm);
    console.WriteLn("---------------------------------------------");
    console.WriteLn("");
    applyEnabled_ = false;
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
