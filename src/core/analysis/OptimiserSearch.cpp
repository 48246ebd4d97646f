#include "analysis/OptimiserSearch.h"

#include <algorithm>

#include "numeric/ArithmeticFault.h"
#include "numeric/Matrix.h"
#include "platform/UiServices.h"

namespace sloopform {

namespace {

constexpr long double kOneThirtyNinth = 0.02564102564102564L;
constexpr long double kLowestCp = 0.52L;
constexpr long double kHighestCp = 0.6L;
constexpr long double kForemostLCB = 50.0L;
constexpr long double kAftmostLCB = 56.0L;

// Cm that keeps the displaced volume at the given Cp.
Real48 CmForVolume(const OptimisationWork& work, long double cp)
{
    const ResistanceParameters& s = work.Scratch;
    return Divide(work.Volume, cp * (s.Tc * (s.Bwl * s.Lwl)));
}

void RecordTrial(OptimisationWork& work, int i, Real48 x, Real48 fn,
                 OptimisationProgress& progress)
{
    work.Trials[i] = {x, ResistanceAt(work.Scratch, fn)};
    progress.ShowTrial(i);
    Ui().ProcessMessages();
}

}  // namespace

Real48 ResistanceAt(const ResistanceParameters& scratch, Real48 fn)
{
    return EstimateResistance(scratch, fn).TotalResistance;
}

Real48 FitOptimum(const TPointBlock2& trials)
{
    const TQuadratic c = FitQuadratic(kOptimisationTrials, trials);
    return Divide(-c.b, c.a * 2);
}

void OptimiseCp(OptimisationWork& work, Real48 fn, OptimisationProgress& progress)
{
    progress.ShowProcessing("Processing: Cp");
    work.Scratch.LCB = SwapLCBForm(work.Scratch.LCB);
    for (int i = 1; i <= kOptimisationTrials; ++i) {
        const Real48 cp = ((i - 1) * 0.08L) * kOneThirtyNinth + kLowestCp;
        work.Scratch.Cp = cp;
        work.Scratch.Cm = CmForVolume(work, cp);
        RecordTrial(work, i, cp, fn, progress);
    }
    work.Scratch.LCB = SwapLCBForm(work.Scratch.LCB);
    const Real48 x = std::clamp<long double>(FitOptimum(work.Trials), kLowestCp, kHighestCp);
    work.CpOpt = x;
    work.CmOpt = CmForVolume(work, x);
}

void OptimiseLCB(OptimisationWork& work, Real48 fn, OptimisationProgress& progress)
{
    progress.ShowProcessing("Processing: LCB");
    for (int i = 1; i <= kOptimisationTrials; ++i) {
        const Real48 lcb = (-(i - 1) * 6.0L) * kOneThirtyNinth;
        work.Scratch.LCB = lcb;
        RecordTrial(work, i, lcb, fn, progress);
    }
    const Real48 x = 50 - FitOptimum(work.Trials);
    work.Scratch.LCB = std::clamp<long double>(x, kForemostLCB, kAftmostLCB);
}

}  // namespace sloopform
