#pragma once
#include <optional>
#include <string>

#include "analysis/OptimiserSearch.h"
#include "analysis/VelocityConversion.h"
#include "model/HullRecord.h"
#include "numeric/Real48.h"

namespace sloopform {

class TDataEdit;
class TOutput;

// Shows "Parameters Lwl, Bwl, Tc, Cp LCB are required for Optimisation Process"
// unless Lwl, Bwl, Tc, Cp and LCB are all greater than 0.
bool OptimisationParametersPresent(const HullRecord& hull);

// The optimum prismatic coefficient and centre of buoyancy for least resistance
// at one speed, keeping the displaced volume of the hull's parameters. Holds
// what the optimisation dialog shows; the dialog binds its controls to it.
class ResistanceOptimiser {
public:
    struct Optimum {
        Real48 Cp;
        Real48 LCB;  // % of Lwl aft of the forward end of the waterline
        Real48 Cm;
        Real48 Resistance;  // N, total at the optimum
    };

    // The four output boxes: Cp, LCB (%), Cm, resistance (N).
    struct OutputTexts {
        std::string Cp = "Not Avaliable";
        std::string LCB = "Not Avaliable";
        std::string Cm = "Not Avaliable";
        std::string Resistance = "Not Avaliable";
    };

    // Starts at Fn 0.35, converted into the other two units.
    explicit ResistanceOptimiser(const HullRecord& hull);

    // Inputs the dialog edits.
    SpeedUnit Unit = SpeedUnit::FroudeNumber;
    SpeedTexts Speed;
    bool SearchCp = true;
    bool SearchLCB = true;

    // A speed typed into the box of `unit`, the other two boxes emptied, not yet
    // converted (as the dialog holds it before Calculate).
    void TypeSpeed(SpeedUnit unit, const std::string& text);

    // The typed speed in the selected unit into all three and the Froude number.
    ConversionOutcome ConvertVelocity();

    // Calculate: converts the speed, runs the enabled searches and publishes the
    // optimum. Any fault shows "Resistance Module, Disregard Results" and leaves
    // the previous optimum and outputs; nothing is passed on.
    void RunOptimisation(OptimisationProgress& progress);

    // The total resistance at the last converted speed of the parameters
    // before Apply and of the optimum written.
    struct Applied {
        Real48 Before;
        Real48 After;
    };

    // Writes the last optimum into the parameter table (LCB, Cp, Cm in that
    // order, each through its validation), lists it on the console and is
    // disabled until the next Calculate. All or nothing: when any of the
    // three fails its row's rule, one message names it and nothing is
    // written. Nothing while disabled or refused.
    std::optional<Applied> Apply(TDataEdit& parameters, TOutput& console);

    // The resistance block of the hull's current parameters at the last converted
    // speed; a speed outside the tables gets the range message and no block.
    void AddToReport(TOutput& report) const;

    Real48 Fn() const { return fn_; }
    bool ApplyEnabled() const { return applyEnabled_; }
    const Optimum& LastOptimum() const { return optimum_; }
    const OutputTexts& Outputs() const { return outputs_; }

private:
    void Calculate(OptimisationProgress& progress);

    const HullRecord& hull_;
    Real48 fn_;
    Optimum optimum_;
    OutputTexts outputs_;
    bool applyEnabled_ = false;
};

// The message that refuses to apply `optimum` to `hull`, naming the first of
// its LCB, Cp and Cm that its row's rule refuses; nothing when all three pass.
std::optional<std::string> OptimumRefusal(const HullRecord& hull, const ResistanceOptimiser::Optimum& optimum);

}  // namespace sloopform
