#pragma once
#include <string>

#include "model/HullRecord.h"

namespace sloopform::batch {

// The lines plan at 1:scale in millimetres, as "Print to Scale..." prints it,
// its title block naming the project file and today's date.
std::string ScaledLinesPlanSvg(const HullRecord& hull, int scale, const std::string& projectPath);

}  // namespace sloopform::batch
