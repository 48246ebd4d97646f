#pragma once
#include <string>

#include "analysis/Resistance.h"
#include "numeric/Points.h"
#include "numeric/Real48.h"

namespace sloopform {

// What the optimisation dialog shows while the trials run. The defaults show nothing.
class OptimisationProgress {
public:
    virtual ~OptimisationProgress() = default;
    // "Processing: Cp", "Processing: LCB", "Processing: None".
    virtual void ShowProcessing(const std::string& /*label*/) {}
    // Trials done so far, 0 .. kOptimisationTrials; 0 resets the gauge.
    virtual void ShowTrial(int /*trial*/) {}
};

constexpr int kOptimisationTrials = 20;

// The work data of one Calculate. The scratch's LCB is in the parameter form
// (aft of the forward end) except while the trials evaluate it.
struct OptimisationWork {
    ResistanceParameters Scratch;
    Real48 Volume;  // kept constant: Lwl * Bwl * Tc * Cp * Cm of the parameters
    Real48 CpOpt;
    Real48 CmOpt;
    TPointBlock2 Trials;  // x = trial value, y = total resistance; 1..20 used
};

// Total resistance of the scratch (LCB in the midships form) at fn.
Real48 ResistanceAt(const ResistanceParameters& scratch, Real48 fn);

// The vertex of the least-squares parabola through the 20 trials.
Real48 FitOptimum(const TPointBlock2& trials);

// The Cp the search may choose: 0.52 .. 0.6, narrowed to where Cp and the Cm
// that keeps the volume both pass the parameter table's rules. Empty (Highest
// below Lowest) when there is no such Cp.
struct CpInterval {
    long double Lowest;
    long double Highest;
};
CpInterval SearchedCp(const OptimisationWork& work);

// Cp from 0.52 to 0.559 with Cm following to keep the volume (the same span
// moved or narrowed into SearchedCp where it does not fit); the optimum is
// held to SearchedCp and left in CpOpt, CmOpt, which stay when it is empty.
void OptimiseCp(OptimisationWork& work, Real48 fn, OptimisationProgress& progress);

// LCB from midships to 2.923 % of Lwl aft of it; the optimum is held to
// 50 .. 56 % and left in the scratch LCB (parameter form).
void OptimiseLCB(OptimisationWork& work, Real48 fn, OptimisationProgress& progress);

}  // namespace sloopform
