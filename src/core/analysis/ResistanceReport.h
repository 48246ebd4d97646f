#pragma once
#include "model/HullRecord.h"
#include "numeric/Real48.h"

namespace sloopform {

class TOutput;

// The "Add to Report" block: the resistance of the hull's current parameters
// at fn (0.125 .. 0.75). Everything is computed before the first line is
// written, so an arithmetic fault leaves the report untouched.
void AddResistanceToReport(const HullRecord& hull, Real48 fn, TOutput& report);

}  // namespace sloopform
