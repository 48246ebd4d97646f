#pragma once
#include "model/HullRecord.h"
#include "numeric/Real48.h"

namespace sloopform {

class TOutput;

// The goal accuracies of the preferences: metres, per cent, coefficient.
struct GoalAccuracies {
    Real48 Dimension = 0.001L;
    Real48 Percentage = 0.1L;
    Real48 Coefficient = 0.01L;
};

// The two ways of generating a hull from the same parameters: Classic drives
// the quarter sections and the waterline by alternating secant iterations;
// Robust constructs every station from the design waterline's beams and a
// sectional-area curve, and ends every run on its own.
enum class GeneratorMethod { Classic = 0, Robust = 1 };

// A generation run: the banner, then the stages from the profile to the
// transom, each announced on the console, stopping early when the run is
// cancelled. A cancelled run (or one ended by an error, which then goes on to
// the caller) ends with "...Process Terminated" and all completion flags
// cleared; a complete run with "...Finished".
void RunGeneration(HullRecord& hull, TOutput& console, const GoalAccuracies& goals = {},
                   GeneratorMethod method = GeneratorMethod::Classic);

}  // namespace sloopform
