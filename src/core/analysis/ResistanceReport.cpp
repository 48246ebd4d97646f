#include "analysis/ResistanceReport.h"

#include <cmath>
#include <string>
#include <vector>

#include "analysis/Resistance.h"
#include "analysis/VelocityConversion.h"
#include "generator/Output.h"
#include "numeric/NumberText.h"

namespace sloopform {

void AddResistanceToReport(const HullRecord& hull, Real48 fn, TOutput& report)
{
    const ResistanceResult r = EstimateResistance(ResistanceParametersOf(hull), fn);
    const long double knots = fn * std::sqrt(hull.Gravity * hull.Lwl) * kKnotsPerMetrePerSecond;
    const auto value = [](long double v) { return FormatFixed(v, 3, 10); };
    const std::vector<std::string> lines = {
        "",
        "---------------  Resistance Optimisation  ---------------",
        "Input:",
        "Cp = " + value(hull.Cp),
        "Cm = " + value(hull.Cm),
        "LCB = " + value(hull.LCB) + " %",
        "Velocity = " + value(knots) + " Kts (Fn=" + FormatFixed(fn, 2) + ")",
        "",
        "Output:",
        "Wetted Area (Delft) = " + value(r.WettedArea) + " m²",
        "Fritional Resistance (Froude) = " + value(r.FrictionResistance) + " N",
        "Residuary Resistance (Delft) = " + value(r.ResiduaryResistance) + " N",
        "Total Resistance              = " + value(r.TotalResistance) + " N",
        "---------------------------------------------------------",
        "",
    };
    for (const std::string& line : lines) report.WriteLn(line);
}

}  // namespace sloopform
