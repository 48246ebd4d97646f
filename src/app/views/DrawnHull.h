#pragma once
#include "model/HullRecord.h"

// The hull the views draw: the current hull record, or an empty one (nothing
// to draw but the background) while there is none.
const sloopform::HullRecord& DrawnHull();
