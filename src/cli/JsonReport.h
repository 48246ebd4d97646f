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
// stations and (when the run finished) the hydrostatics, the exact
// hydrostatics in full precision and the hull check's faults.
struct RunOutcome {
    bool finished = false;
    double seconds = 0;
    std::vector<std::string> hullCheck;  // empty when fair or not finished
};
nlohmann::json RunJson(const TDataEdit& editor, const GoalAccuracies& goals,
                       const std::vector<std::string>& console, const RunOutcome& outcome);

}  // namespace sloopform::batch
