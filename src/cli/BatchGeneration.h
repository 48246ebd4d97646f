#pragma once
#include "CommandLine.h"
#include "generator/Output.h"
#include "generator/RunGeneration.h"

namespace sloopform::batch {

class ConsoleUi;

// The goals the options give, as a run takes them.
GoalAccuracies GoalsOf(const BatchOptions& options);

// Generates the hull with the options' goals and method (the project's when
// the options name none) within their time limit, the console going to
// `console`. A fault is shown through `ui`; a
// run cut off by the limit says so on standard error.
struct Generation {
    bool finished = false;
    double seconds = 0;
};
Generation GenerateHull(const BatchOptions& options, GeneratorMethod projectMethod, HullRecord& hull,
                        TOutput& console, ConsoleUi& ui);

}  // namespace sloopform::batch
