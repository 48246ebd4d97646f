#pragma once
#include "model/HullRecord.h"

namespace sloopform {

// Whether the hull has been generated; when not, shows "No Data Available,
// Run Generator", the answer of every command that needs the generated lines.
bool GeneratedOrSaySo(const HullRecord& hull);

}  // namespace sloopform
