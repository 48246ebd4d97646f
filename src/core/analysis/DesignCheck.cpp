#include "analysis/DesignCheck.h"

#include <cmath>

#include "analysis/DesignFigures.h"
#include "analysis/ExactHydrostatics.h"
#include "model/GeneratedHull.h"
#include "analysis/Hydrostatics.h"
#include "generator/Output.h"
#include "numeric/NumberText.h"

namespace sloopform {

namespace {

constexpr int kDecimals = 3;

struct FigureLabel {
    const char* Figure;
    const char* Unit;
};
// In the order of DesignFigure; the displacement goes after the volume.
const FigureLabel kLabels[kDesignFigureCount] = {
    {"Volume", "m3"}, {"LCB", "%"}, {"Cm", ""}, {"Cwl", ""}, {"LCF", "%"}};

std::string WithUnit(long double value, const std::string& unit)
{
    return FormatFixed(value, kDecimals) + (unit.empty() ? "" : " " + unit);
}

// Right-aligned in the width, or followed by a blank when longer.
std::string Field(const std::string& text, std::size_t width)
{
    return text.size() >= width ? text + " " : std::string(width - text.size(), ' ') + text;
}

std::string LeftField(const std::string& text, std::size_t width)
{
    return text.size() >= width ? text + " " : text + std::string(width - text.size(), ' ');
}

}  // namespace

std::vector<DesignCheckRow> CheckDesign(const HullRecord& hull)
{
    const DesignFigureValues requested = RequestedFigures(hull);
    const DesignFigureValues goals = FigureTolerances(hull);
    const Hydrostatics hydrostatics = ComputeHydrostatics(hull);
    const DesignFigureValues described = MeasuredFigures(hydrostatics);
    const ExactHydrostatics exact = ComputeExactHydrostatics(hull);
    const DesignFigureValues measured = MeasuredFigures(exact);
    std::vector<DesignCheckRow> rows;
    for (int f = 0; f < kDesignFigureCount; ++f) {
        rows.push_back({kLabels[f].Figure, kLabels[f].Unit, requested[f], described[f], measured[f], goals[f],
                        std::fabs(measured[f] - requested[f]) <= goals[f]});
        if (f == kVolumeFigure) {
            const long double density = hull.WaterDensity;
            DesignCheckRow displacement = rows.back();
            displacement.Figure = "Displacement";
            displacement.Unit = "kg";
            displacement.Requested *= density;
            displacement.Hydrostatics = hydrostatics.Displacement;
            displacement.Exact = exact.Displacement;
            displacement.Goal *= density;
            rows.push_back(displacement);
        }
    }
    return rows;
}

std::string DesignCheckVerdict(const std::vector<DesignCheckRow>& rows)
{
    const DesignCheckRow* largest = nullptr;
    for (const DesignCheckRow& row : rows)
        if (!row.Met && (!largest || std::fabs(row.Miss()) / row.Goal > std::fabs(largest->Miss()) / largest->Goal))
            largest = &row;
    if (!largest) return "All requested figures met";
    return "Largest miss: " + largest->Figure + " " + WithUnit(largest->Exact, largest->Unit) + " against " +
           WithUnit(largest->Requested, largest->Unit) + " (goal " + WithUnit(largest->Goal, largest->Unit) + ")";
}

bool ReportDesignCheck(const HullRecord& hull, TOutput& report)
{
    if (!GeneratedOrSaySo(hull)) return false;
    const std::vector<DesignCheckRow> rows = CheckDesign(hull);
    report.WriteLn("----------------- Design Check -----------------");
    report.WriteLn();
    report.WriteLn(LeftField("Figure", 16) + Field("Requested", 14) + Field("Hydrostatics", 14) + Field("Exact", 14) +
                   Field("Goal", 12) + "  Exact figure");
    for (const DesignCheckRow& row : rows) {
        const std::string verdict =
            row.Met ? "met" : "missed by " + WithUnit(std::fabs(row.Miss()), row.Unit);
        report.WriteLn(LeftField(row.Figure + (row.Unit.empty() ? "" : " " + row.Unit), 16) +
                       Field(FormatFixed(row.Requested, kDecimals), 14) +
                       Field(FormatFixed(row.Hydrostatics, kDecimals), 14) +
                       Field(FormatFixed(row.Exact, kDecimals), 14) + Field(FormatFixed(row.Goal, kDecimals), 12) +
                       "  " + verdict);
    }
    report.WriteLn();
    report.WriteLn(DesignCheckVerdict(rows));
    report.WriteLn();
    return true;
}

}  // namespace sloopform
