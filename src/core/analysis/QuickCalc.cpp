#include "analysis/QuickCalc.h"

#include "numeric/NumberText.h"

namespace sloopform {

std::array<QuickCalcRow, 3> QuickCalcReadouts(const HullRecord& hull)
{
    const Real48 displacement =
        hull.Lwl * hull.Bwl * hull.Tc * hull.Cm * hull.Cp * hull.WaterDensity;
    const Real48 blockCoefficient = hull.Cm * hull.Cp;
    const Real48 waterplaneArea = hull.Cwp * hull.Bwl * hull.Lwl;
    const auto value = [](long double v) { return FormatFixed(v, 3, 10); };
    return {{{"Block Coefficient", value(blockCoefficient), "-"},
             {"Displacement", value(displacement), "Kg"},
             {"Waterplane Area", value(waterplaneArea), "m²"}}};
}

}  // namespace sloopform
