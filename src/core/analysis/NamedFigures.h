#pragma once
#include <vector>

#include "analysis/ExactHydrostatics.h"
#include "analysis/Hydrostatics.h"
#include "analysis/Resistance.h"
#include "analysis/ResistanceOptimiser.h"
#include "analysis/Stability.h"
#include "model/HullRecord.h"

namespace sloopform {

// A result under the name the machine-readable outputs give it (the batch
// tool's JSON, the Python module), as the double every one of them reports.
struct NamedFigure {
    const char* Name;
    double Value;
};
using NamedFigures = std::vector<NamedFigure>;

NamedFigures HydrostaticsFigures(const Hydrostatics& h);
// The same names, plus the wetted surface.
NamedFigures ExactHydrostaticsFigures(const ExactHydrostatics& h);
// Station s of a generated hull: its position and its measures.
NamedFigures StationFigures(const HullRecord& hull, int s);
NamedFigures ResistanceFigures(const ResistanceResult& r);
NamedFigures OptimumFigures(Real48 fn, const ResistanceOptimiser::Optimum& optimum);
// The stability summary; a figure the curve does not reach is NaN.
NamedFigures StabilityFigures(const StabilityResult& result);
// One point of the curve: heel, gz, righting_moment, trim, sinkage.
NamedFigures StabilityPointFigures(const StabilityPoint& point);

}  // namespace sloopform
