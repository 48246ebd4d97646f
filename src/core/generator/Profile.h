#pragma once
#include "model/HullRecord.h"
#include "numeric/Real48.h"

namespace sloopform {

// The keel heights come from the curve of the first 20 control points: the
// profile from the stem head to the transom's lowest point.
constexpr int kProfileKeelPointCount = 20;

// The profile stage: iterates the transom rise until the profile meets the
// design waterline at its aft end, leaving the keel heights of all stations.
void CreateProfile(HullRecord& hull);

// Fills the 23 profile control points for the current trial transom rise.
void BuildProfile(HullRecord& hull);

// tan of the transom's rake from the vertical, as the profile and sheer use it.
Real48 TransomRake(const HullRecord& hull);

// Samples the keel curve and writes the keel height of every station it reaches.
void ProfileStations(HullRecord& hull);

}  // namespace sloopform
