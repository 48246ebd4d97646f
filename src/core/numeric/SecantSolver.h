#pragma once
#include <functional>
#include <string>

#include "numeric/Real48.h"

namespace sloopform {

// One record per iterated quantity; it survives between calls of a stage.
struct TSecantSolver {
    Real48 Target;
    Real48 Tolerance;
    Real48 X;
    Real48 Y;
    Real48 XPrev;
    Real48 YPrev;
    bool Started = false;
};

// The function to solve; it normally rebuilds part of the hull for its argument.
using SecantFunction = std::function<long double(long double)>;

constexpr int kSecantEvaluationBudget = 100;

void ResetSolver(TSecantSolver& s);

// Secant iteration towards s.Target. X0 is used only while the solver is fresh;
// a started solver resumes from its stored pair of points. Any exception ends
// the run through the fatal path and never leaves this routine.
void SolveSecant(TSecantSolver& s, const SecantFunction& f, long double x0);

// Ends the run through the fatal path: the console line, the error dialog
// with `why` from the iteration procedure, and the cancel flag.
void FailIteration(const std::string& why);

// True when y lies strictly between yPrev and target.
bool Bracketed(long double target, long double yPrev, long double y);

}  // namespace sloopform
