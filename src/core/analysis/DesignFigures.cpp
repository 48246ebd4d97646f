#include "analysis/DesignFigures.h"

#include <algorithm>
#include <cmath>

namespace sloopform {

const char* DesignFigureName(DesignFigure figure)
{
    static const char* const kNames[kDesignFigureCount] = {"Volume", "LCB", "Cm", "Cwl", "LCF"};
    return kNames[figure];
}

DesignFigureValues RequestedFigures(const HullRecord& hull)
{
    return {hull.Cp * hull.Cm * hull.Lwl * hull.Bwl * hull.Tc, hull.LCB, hull.Cm, hull.Cwp, hull.LCF};
}

DesignFigureValues FigureTolerances(const HullRecord& hull)
{
    const long double volume = RequestedFigures(hull)[kVolumeFigure];
    return {std::max(kVolumeTolerance * volume, static_cast<long double>(hull.DimensionGoal)), hull.PercentageGoal,
            hull.CoefficientGoal, hull.CoefficientGoal, hull.PercentageGoal};
}

DesignFigureValues MeasuredFigures(const Hydrostatics& h) { return {h.Volume, h.LCB, h.Cm, h.Cwl, h.LCF}; }

DesignFigureValues MeasuredFigures(const ExactHydrostatics& h) { return {h.Volume, h.LCB, h.Cm, h.Cwl, h.LCF}; }

DesignFigureValues FigureMisses(const HullRecord& hull, const DesignFigureValues& measured)
{
    const DesignFigureValues requested = RequestedFigures(hull);
    const DesignFigureValues tolerance = FigureTolerances(hull);
    DesignFigureValues misses{};
    for (int f = 0; f < kDesignFigureCount; ++f) misses[f] = std::fabs(measured[f] - requested[f]) / tolerance[f];
    return misses;
}

bool AllFiguresMet(const DesignFigureValues& misses)
{
    return std::all_of(misses.begin(), misses.end(), [](long double miss) { return miss <= 1; });
}

}  // namespace sloopform
