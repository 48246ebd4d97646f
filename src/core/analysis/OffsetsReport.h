#pragma once
#include "analysis/Offsets.h"

namespace sloopform {

class TOutput;

// The "Offsets Table" block: the half-breadths at the waterlines and the
// heights of the buttocks at each station, with the keel and the sheer,
// metres with three decimals, blank where a line misses the station; the
// levels chosen as in ChosenOffsetLevels. A hull that has not been generated
// gets "No Data Available, Run Generator" and nothing is written. Returns
// whether the block was written.
bool ReportOffsets(const HullRecord& hull, const OffsetLevels& chosen, TOutput& report);

}  // namespace sloopform
