#include "analysis/ExactHydrostaticsReport.h"

#include <string>
#include <vector>

#include "analysis/ExactHydrostatics.h"
#include "analysis/Hydrostatics.h"
#include "generator/Output.h"
#include "numeric/ArithmeticFault.h"
#include "numeric/NumberText.h"
#include "platform/UiServices.h"

namespace sloopform {

namespace {

std::string Value(long double value) { return FormatFixed(value, 3, 10); }

std::string StationNumber(int i)
{
    std::string text = std::to_string(i);
    return std::string(4 - text.size(), ' ') + text;
}

std::vector<std::string> ReportLines(const HullRecord& hull, const ExactHydrostatics& h,
                                     long double volumeDifference)
{
    std::vector<std::string> lines = {
        "",
        "----------------- Hull Data (exact integration) -----------------",
        "Vessel Dimensions:",
        "Length(OA) " + Value(hull.Loa) + " m",
        "Beam " + Value(hull.BMax) + " m",
        "Length(Wl) " + Value(hull.Lwl) + " m",
        "Beam(WL) " + Value(hull.Bwl) + " m",
        "Draught(TC) " + Value(hull.Tc) + " m",
        "",
        "Vessel Volumes and Centres:",
        "Volume " + Value(h.Volume) + " m³",
        "Volume Difference " + Value(volumeDifference) + " % (against Hydrostatics)",
        "Water Density " + Value(hull.WaterDensity) + " kg/m³",
        "Displacement " + Value(h.Displacement) + " kg",
        "VCB " + Value(h.VCB) + " m above baseline",
        "LCB " + Value(h.LCB) + " %",
        "kgPC " + Value(h.KgPerCm) + " kg",
        "",
        "Vessel Areas and Centres",
        "Waterplane Area " + Value(h.WaterplaneArea) + " m²",
        "LCF" + Value(h.LCF) + " %",
        "Midship Section " + Value(h.MidshipArea) + " m²",
        "Wetted Surface " + Value(h.WettedSurface) + " m²",
        "",
        "Vessel Coefficients",
        "Block           Cp " + Value(h.Cb),
        "Prismatic       Cp " + Value(h.Cp),
        "Waterplane     Cwl " + Value(h.Cwl),
        "Midship Section Cm " + Value(h.Cm),
        "",
        "",
        "Vessel Stability",
        "BMT " + Value(h.BMT) + " m",
        "BML " + Value(h.BML) + " m",
        "MCT-1cm " + Value(h.MCT) + " kg m (BML based)",
        "",
        "-------------------- Station Information --------------------",
        "Sta        Tc        Bwl       Area       Vca ",
    };
    for (int i = 0; i <= kLastStation; ++i) {
        const ExactStation& station = h.Stations[static_cast<std::size_t>(i)];
        lines.push_back(StationNumber(i) + Value(station.Depth) + Value(station.WaterlineBeam) +
                        Value(station.SectionArea) + Value(station.SectionVca));
    }
    lines.push_back("-------------------------------------------------------------");
    lines.push_back("");
    return lines;
}

}  // namespace

bool ReportExactHydrostatics(const HullRecord& hull, TOutput& report)
{
    if (!hull.HullComplete) {
        Ui().ShowMessage("No Data Available, Run Generator", MessageIcon::Error,
                         MessageButtons::Ok);
        return false;
    }
    // Every figure and line is ready before the first one reaches the report.
    const ExactHydrostatics exact = ComputeExactHydrostatics(hull);
    const long double described = ComputeHydrostatics(hull).Volume;
    const long double difference = 100 * Divide(exact.Volume - described, described);
    const std::vector<std::string> lines = ReportLines(hull, exact, difference);
    for (const std::string& line : lines) report.WriteLn(line);
    return true;
}

}  // namespace sloopform
