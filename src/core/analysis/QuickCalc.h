#pragma once
#include <array>
#include <string>

#include "model/HullRecord.h"

namespace sloopform {

struct QuickCalcValues {
    Real48 BlockCoefficient;
    Real48 Displacement;  // kg
    Real48 WaterplaneArea;  // m²
};

// Estimated from the parameters alone, without a generated hull.
QuickCalcValues ComputeQuickCalc(const HullRecord& hull);

// One row of the QuickCALC readouts: caption, value (10 characters, 3 decimals), unit.
struct QuickCalcRow {
    std::string Caption;
    std::string Value;
    std::string Unit;
};

// Block coefficient, displacement and waterplane area estimated from the
// parameters alone, without a generated hull.
std::array<QuickCalcRow, 3> QuickCalcReadouts(const HullRecord& hull);

}  // namespace sloopform
