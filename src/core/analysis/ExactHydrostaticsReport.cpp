#include "analysis/ExactHydrostaticsReport.h"

#include "analysis/ExactHydrostatics.h"
#include "analysis/Hydrostatics.h"
#include "analysis/HullDataBlock.h"
#include "numeric/ArithmeticFault.h"

namespace sloopform {

namespace {

HullDataFigures ExactFigures(const HullRecord& hull)
{
    const ExactHydrostatics exact = ComputeExactHydrostatics(hull);
    const long double reported = ComputeHydrostatics(hull).Volume;
    HullDataFigures figures = CommonHullDataFigures(exact);
    figures.VolumeDifference = 100 * Divide(exact.Volume - reported, reported);
    figures.WettedSurface = exact.WettedSurface;
    for (std::size_t i = 0; i < exact.Stations.size(); ++i) {
        const ExactStation& station = exact.Stations[i];
        figures.Stations[i] = {station.Depth, station.WaterlineBeam, station.SectionArea,
                               station.SectionVca};
    }
    return figures;
}

}  // namespace

bool ReportExactHydrostatics(const HullRecord& hull, TOutput& report)
{
    return WriteHullDataBlock(
        hull, "----------------- Hull Data (exact integration) -----------------",
        ExactFigures, report);
}

}  // namespace sloopform
