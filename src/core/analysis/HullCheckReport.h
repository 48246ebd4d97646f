#pragma once
#include "model/HullRecord.h"

namespace sloopform {

class TOutput;

// The "Hull Check" block of the report: each fault the hull check finds on
// its own line, or "No faults found". A hull that has not been generated gets
// "No Data Available, Run Generator" and nothing is written. Returns whether
// the block was written.
bool ReportHullCheck(const HullRecord& hull, TOutput& report);

}  // namespace sloopform
