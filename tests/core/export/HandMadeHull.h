#pragma once
#include <memory>

#include "model/HullRecord.h"

namespace sloopform::test {

// A hull record filled by hand the way a finished run leaves it (every flag
// set): 10.5 m overall, 9 m on the waterline from Fovh 0.5, Tc 1.5, sheer at
// 2.5, so exports can be checked without running the generator.
std::unique_ptr<HullRecord> HandMadeHull();

}  // namespace sloopform::test
