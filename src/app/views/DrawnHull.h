#pragma once
#include "model/HullRecord.h"
#include "settings/DesignSettings.h"

// The hull the views draw: the current hull record, or an empty one (nothing
// to draw but the background) while there is none.
const sloopform::HullRecord& DrawnHull();

// The settings of the design the views draw: the current editor's, or the
// defaults while there is none.
const sloopform::DesignSettings& DrawnDesign();
