#include "analysis/HydrostaticsReport.h"

#include "analysis/Hydrostatics.h"
#include "analysis/HullDataBlock.h"

namespace sloopform {

namespace {

HullDataFigures MeasuredStationFigures(const HullRecord& hull)
{
    HullDataFigures figures = CommonHullDataFigures(ComputeHydrostatics(hull));
    for (int i = 0; i <= kLastStation; ++i) {
        const TStation& station = hull.Stations[i];
        figures.Stations[static_cast<std::size_t>(i)] = {
            hull.Tc - station.KeelHeight, station.DesignWaterlineBeam, station.SectionArea,
            station.SectionVca};
    }
    return figures;
}

}  // namespace

bool ReportHydrostatics(const HullRecord& hull, TOutput& report)
{
    return WriteHullDataBlock(
        hull, "------------------- Hull Data and Hydrostatics ------------------",
        MeasuredStationFigures, report);
}

}  // namespace sloopform
