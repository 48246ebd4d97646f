#include "numeric/SecantSolver.h"

#include <algorithm>
#include <cmath>
#include <exception>

#include "numeric/ArithmeticFault.h"
#include "platform/RunControl.h"
#include "platform/UiServices.h"

namespace sloopform {

namespace {

constexpr long double kStallThreshold = 1e-6L;

// Evaluates f, then lets the user interface run (where cancel can be pressed).
Real48 Evaluate(const SecantFunction& f, long double x)
{
    const Real48 y = f(x);
    Ui().ProcessMessages();
    return y;
}

void Iterate(TSecantSolver& s, const SecantFunction& f, long double x0)
{
    int evaluations = 0;
    if (!s.Started) {
        s.XPrev = x0 + x0 * 0.05L;
        s.YPrev = Evaluate(f, s.XPrev);
        s.X = x0;
        s.Y = Evaluate(f, s.X);
        s.Started = true;
        evaluations = 2;
    }
    if (CancelFlag()) return;
    do {
        // Stall escape: a flat stretch that does not bracket the target.
        if (std::fabs(s.Y - s.YPrev) < kStallThreshold && !Bracketed(s.Target, s.YPrev, s.Y)) {
            s.XPrev = s.XPrev * (s.YPrev + 1 - s.Target);
            ++evaluations;
            s.YPrev = Evaluate(f, s.XPrev);
        }
        const long double slope = Divide(s.XPrev - s.X, s.YPrev - s.Y);
        const Real48 xNew = s.X + (s.Target - s.Y) * slope;
        s.XPrev = s.X;
        s.YPrev = s.Y;
        s.X = xNew;
        s.Y = Evaluate(f, s.X);
        ++evaluations;
    } while (!(std::fabs(s.Y - s.Target) < s.Tolerance || CancelFlag() ||
               evaluations > kSecantEvaluationBudget));
}

}  // namespace

void ResetSolver(TSecantSolver& s) { s.Started = false; }

void SolveSecant(TSecantSolver& s, const SecantFunction& f, long double x0)
{
    if (CancelFlag()) return;
    Ui().ProcessMessages();
    try {
        Iterate(s, f, x0);
    } catch (const std::exception& fault) {
        FailIteration(fault.what());
    }
}

void FailIteration(const std::string& why)
{
    ConsoleLine("Fatal Error[1]: Iteration Failed");
    Ui().ShowError(why, "Iteration procedure");
    CancelGeneration();
}

bool Bracketed(long double target, long double yPrev, long double y)
{
    const long double lo = std::min(yPrev, target);
    const long double hi = std::max(yPrev, target);
    return lo < y && y < hi;
}

}  // namespace sloopform
