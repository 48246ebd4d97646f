#pragma once
#include "model/HullRecord.h"

namespace sloopform {

class TOutput;

// The "Hydrostatics" command: the hull data block and the 21-row station table
// written to the report. A hull that has not been generated gets "No Data
// Available, Run Generator" and nothing is written; an arithmetic fault
// propagates before the first line is written. Returns whether the block was written.
bool ReportHydrostatics(const HullRecord& hull, TOutput& report);

}  // namespace sloopform
