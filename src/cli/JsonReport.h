#pragma once
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "analysis/NamedFigures.h"
#include "generator/RunGeneration.h"
#include "model/DataEdit.h"

namespace sloopform::batch {

// One JSON object of named figures.
nlohmann::json FiguresJson(const NamedFigures& figures);

// The machine-readable account of a run: parameters, goals, console, the
// stations and (when the run finished) the hydrostatics and the exact
// hydrostatics, in full precision.
nlohmann::json RunJson(const TDataEdit& editor, const GoalAccuracies& goals,
                       const std::vector<std::string>& console, bool finished, double seconds);

}  // namespace sloopform::batch
