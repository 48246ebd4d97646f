#pragma once
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "model/HullRecord.h"

namespace sloopform {

class TOutput;

// One row of the block's station table.
struct HullDataStation {
    long double Depth = 0;          // Tc - KeelHeight
    long double WaterlineBeam = 0;  // m
    long double SectionArea = 0;    // m²
    long double SectionVca = 0;     // m above the base line
};

// The figures a hull data block shows, however they were measured. The
// optional figures get a line of their own only when they are given.
struct HullDataFigures {
    long double Volume = 0;
    long double Displacement = 0;
    long double VCB = 0;
    long double LCB = 0;
    long double KgPerCm = 0;
    long double WaterplaneArea = 0;
    long double LCF = 0;
    long double MidshipArea = 0;
    long double Cb = 0;
    long double Cp = 0;
    long double Cwl = 0;
    long double Cm = 0;
    long double BMT = 0;
    long double BML = 0;
    long double MCT = 0;
    std::optional<long double> VolumeDifference;  // % against the Hydrostatics block
    std::optional<long double> WettedSurface;     // m²
    std::array<HullDataStation, kStationCount> Stations;
};

// The figures every set of hydrostatics has in common, copied by name.
template <typename AnyHydrostatics>
HullDataFigures CommonHullDataFigures(const AnyHydrostatics& h)
{
    HullDataFigures figures;
    figures.Volume = h.Volume;
    figures.Displacement = h.Displacement;
    figures.VCB = h.VCB;
    figures.LCB = h.LCB;
    figures.KgPerCm = h.KgPerCm;
    figures.WaterplaneArea = h.WaterplaneArea;
    figures.LCF = h.LCF;
    figures.MidshipArea = h.MidshipArea;
    figures.Cb = h.Cb;
    figures.Cp = h.Cp;
    figures.Cwl = h.Cwl;
    figures.Cm = h.Cm;
    figures.BMT = h.BMT;
    figures.BML = h.BML;
    figures.MCT = h.MCT;
    return figures;
}

// Writes the block under its title line (dashes included): the hull's
// dimensions, the figures `measure` takes of the hull and the station table.
// A hull that has not been generated gets "No Data Available, Run Generator"
// and nothing is written; a fault in measuring propagates before the first
// line is written. Returns whether the block was written.
bool WriteHullDataBlock(const HullRecord& hull, const std::string& titleLine,
                        const std::function<HullDataFigures(const HullRecord&)>& measure,
                        TOutput& report);

}  // namespace sloopform
