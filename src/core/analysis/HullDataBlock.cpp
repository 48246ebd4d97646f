#include "analysis/HullDataBlock.h"

#include <vector>

#include "generator/Output.h"
#include "numeric/NumberText.h"
#include "model/GeneratedHull.h"

namespace sloopform {

namespace {

std::string Value(long double value) { return FormatFixed(value, 3, 10); }

std::string StationNumber(int i)
{
    std::string text = std::to_string(i);
    return std::string(4 - text.size(), ' ') + text;
}

void AddStationTable(const HullDataFigures& figures, std::vector<std::string>& lines)
{
    lines.push_back("-------------------- Station Information --------------------");
    lines.push_back("Sta        Tc        Bwl       Area       Vca ");
    for (int i = 0; i <= kLastStation; ++i) {
        const HullDataStation& station = figures.Stations[static_cast<std::size_t>(i)];
        lines.push_back(StationNumber(i) + Value(station.Depth) + Value(station.WaterlineBeam) +
                        Value(station.SectionArea) + Value(station.SectionVca));
    }
    lines.push_back("-------------------------------------------------------------");
}

std::vector<std::string> BlockLines(const HullRecord& hull, const std::string& titleLine,
                                    const HullDataFigures& f)
{
    std::vector<std::string> lines = {
        "",
        titleLine,
        "Vessel Dimensions:",
        "Length(OA) " + Value(hull.Loa) + " m",
        "Beam " + Value(hull.BMax) + " m",
        "Length(Wl) " + Value(hull.Lwl) + " m",
        "Beam(WL) " + Value(hull.Bwl) + " m",
        "Draught(TC) " + Value(hull.Tc) + " m",
        "",
        "Vessel Volumes and Centres:",
        "Volume " + Value(f.Volume) + " m³",
    };
    if (f.VolumeDifference)
        lines.push_back("Volume Difference " + Value(*f.VolumeDifference) +
                        " % (against Hydrostatics)");
    lines.insert(lines.end(), {
        "Water Density " + Value(hull.WaterDensity) + " kg/m³",
        "Displacement " + Value(f.Displacement) + " kg",
        "VCB " + Value(f.VCB) + " m above baseline",
        "LCB " + Value(f.LCB) + " %",
        "kgPC " + Value(f.KgPerCm) + " kg",
        "",
        "Vessel Areas and Centres",
        "Waterplane Area " + Value(f.WaterplaneArea) + " m²",
        "LCF" + Value(f.LCF) + " %",
        "Midship Section " + Value(f.MidshipArea) + " m²",
    });
    if (f.WettedSurface) lines.push_back("Wetted Surface " + Value(*f.WettedSurface) + " m²");
    lines.insert(lines.end(), {
        "",
        "Vessel Coefficients",
        "Block           Cp " + Value(f.Cb),
        "Prismatic       Cp " + Value(f.Cp),
        "Waterplane     Cwl " + Value(f.Cwl),
        "Midship Section Cm " + Value(f.Cm),
        "",
        "",
        "Vessel Stability",
        "BMT " + Value(f.BMT) + " m",
        "BML " + Value(f.BML) + " m",
        "MCT-1cm " + Value(f.MCT) + " kg m (BML based)",
        "",
    });
    AddStationTable(f, lines);
    lines.push_back("");
    return lines;
}

}  // namespace

bool WriteHullDataBlock(const HullRecord& hull, const std::string& titleLine,
                        const std::function<HullDataFigures(const HullRecord&)>& measure,
                        TOutput& report)
{
    if (!GeneratedOrSaySo(hull)) return false;
    // Every figure and line is ready before the first one reaches the report.
    const std::vector<std::string> lines = BlockLines(hull, titleLine, measure(hull));
    for (const std::string& line : lines) report.WriteLn(line);
    return true;
}

}  // namespace sloopform
