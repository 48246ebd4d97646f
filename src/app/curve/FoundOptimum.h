#pragma once
#include "analysis/Resistance.h"

// An optimum the optimisation dialog found: the design's parameters with its
// Cp, LCB and Cm, and the speed it was searched at.
struct FoundOptimum {
    sloopform::ResistanceParameters parameters;
    sloopform::Real48 fn;
};
