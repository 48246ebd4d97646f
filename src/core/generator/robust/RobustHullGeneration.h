#pragma once
#include "model/HullRecord.h"

namespace sloopform {

// The "Initialising Diagonals..." stage of the robust method: the bow ends and
// station 20 as the classic stage sets them, and the midship section built to
// Bwl and Cm within a limited number of steps.
void InitialiseRobustDiagonals(HullRecord& hull);

// The "Generating Hull..." stage of the robust method: every station from 1 to
// 19 is constructed to its design waterline beam and to a section coefficient
// read from a sectional-area curve, whose forward and aft bodies are made
// fuller or finer on their own until the volume and the LCB of the built
// hull, measured by the exact hydrostatics on its own section curves, meet
// the request. Where a body's sections are held at the family's limits, the
// keel line gives that body more or less depth. A request this family of
// hulls cannot meet ends the run with a plain-words fatal line.
void GenerateRobustHull(HullRecord& hull);

// The "Creating Transom..." stage of the robust method: the transom as the
// classic stage builds it, then the hull check. A hull the check faults is
// never shown as finished: the run ends with a fatal line naming the first
// fault and the parameters to change.
void CreateRobustTransom(HullRecord& hull);

}  // namespace sloopform
