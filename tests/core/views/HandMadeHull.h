#pragma once
#include <memory>

#include "model/HullRecord.h"

namespace sloopform::test {

// A 10 m hull with every outline filled in by hand and every stage flag set,
// shaped plausibly enough to be recognised when drawn.
std::unique_ptr<HullRecord> HandMadeHull();

}  // namespace sloopform::test
