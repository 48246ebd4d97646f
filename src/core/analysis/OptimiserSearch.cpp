#include "analysis/OptimiserSearch.h"

#include <algorithm>

#include "numeric/ArithmeticFault.h"
#include "model/ParameterTable.h"
#include "numeric/Matrix.h"
#include "platform/UiServices.h"

namespace sloopform {

namespace {

constexpr long double kOneThirtyNinth = 0.02564102564102564L;
constexpr long double kLowestCp = 0.52L;
constexpr long double kHighestCp = 0.6L;
constexpr long double kForemostLCB = 50.0L;
constexpr long double kAftmostLCB = 56.0L;
static_assert(kForemostLCB >= kLCBRange.Lowest && kAftmostLCB <= kLCBRange.Highest,
              "the LCB searched passes the parameter table's rule");
// The trials' span: 0.52 to 0.559 in steps of 0.08 / 39.
constexpr long double kTrialSpan = (kOptimisationTrials - 1) * 0.08L * kOneThirtyNinth;
// Below this width the interval allowed is its lower end: no parabola to fit.
constexpr long double kNarrowestSearch = 1e-4L;
constexpr long double kInside = 1e-9L;

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

CpInterval SearchedCp(const OptimisationWork& work)
{
    const ResistanceParameters& s = work.Scratch;
    const long double body = s.Tc * (s.Bwl * s.Lwl);
    // A hair inside the Cm limits, so that the Cm stored for a Cp at an end
    // still passes its rule.
    const long double lowest = std::max({kLowestCp, kCpRange.Lowest,
                                         Divide(work.Volume, kCmRange.Highest * body) * (1 + kInside)});
    const long double highest = std::min({kHighestCp, kCpRange.Highest,
                                          Divide(work.Volume, kCmRange.Lowest * body) * (1 - kInside)});
    return {lowest, highest};
}

void OptimiseCp(OptimisationWork& work, Real48 fn, OptimisationProgress& progress)
{
    progress.ShowProcessing("Processing: Cp");
    const CpInterval allowed = SearchedCp(work);
    // No Cp in the search keeps the volume with a Cm the table accepts: the
    // design's own Cp and Cm stay.
    if (allowed.Highest < allowed.Lowest) return;
    Real48 x = allowed.Lowest;
    if (allowed.Highest - allowed.Lowest >= kNarrowestSearch) {
        // The trials' span, moved and narrowed into the interval allowed; the
        // usual trials wherever they fit.
        const long double span = std::min(kTrialSpan, allowed.Highest - allowed.Lowest);
        const long double first = std::clamp(kLowestCp, allowed.Lowest, allowed.Highest - span);
        work.Scratch.LCB = SwapLCBForm(work.Scratch.LCB);
        for (int i = 1; i <= kOptimisationTrials; ++i) {
            const Real48 cp = span == kTrialSpan ? Real48(((i - 1) * 0.08L) * kOneThirtyNinth + first)
                                                 : Real48(first + (i - 1) * span / (kOptimisationTrials - 1));
            work.Scratch.Cp = cp;
            work.Scratch.Cm = CmForVolume(work, cp);
            RecordTrial(work, i, cp, fn, progress);
        }
        work.Scratch.LCB = SwapLCBForm(work.Scratch.LCB);
        x = std::clamp<long double>(FitOptimum(work.Trials), allowed.Lowest, allowed.Highest);
    }
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
