#include "analysis/QuickCalc.h"

#include "numeric/NumberText.h"

namespace sloopform {

QuickCalcValues ComputeQuickCalc(const HullRecord& hull)
{
    QuickCalcValues values;
    values.Displacement = hull.Lwl * hull.Bwl * hull.Tc * hull.Cm * hull.Cp * hull.WaterDensity;
    values.BlockCoefficient = hull.Cm * hull.Cp;
    values.WaterplaneArea = hull.Cwp * hull.Bwl * hull.Lwl;
    return values;
}

std::array<QuickCalcRow, 3> QuickCalcReadouts(const HullRecord& hull)
{
    const QuickCalcValues values = ComputeQuickCalc(hull);
    const auto value = [](long double v) { return FormatFixed(v, 3, 10); };
    return {{{"Block Coefficient", value(values.BlockCoefficient), "-"},
             {"Displacement", value(values.Displacement), "Kg"},
             {"Waterplane Area", value(values.WaterplaneArea), "m²"}}};
}

}  // namespace sloopform
