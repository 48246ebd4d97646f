#pragma once
#include "model/HullRecord.h"

namespace sloopform {

class TOutput;

// The "Hull Data (exact integration)" block: the hull data block's layout with
// the exact figures, the difference of the volume from the Hydrostatics block
// in per cent, the wetted surface, and the station table of the exact
// sections. A hull that has not been generated gets "No Data Available, Run
// Generator" and nothing is written; a fault propagates before the first line
// is written. Returns whether the block was written.
bool ReportExactHydrostatics(const HullRecord& hull, TOutput& report);

}  // namespace sloopform
