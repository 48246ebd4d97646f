#include "analysis/StabilityReport.h"

#include <cmath>
#include <stdexcept>

#include "analysis/DesignStability.h"
#include "generator/Output.h"
#include "model/GeneratedHull.h"

#include "numeric/NumberText.h"

namespace sloopform {

namespace {

std::string Row(const std::string& caption, const std::string& value)
{
    std::string row = "  " + caption;
    row.resize(34, ' ');
    return row + value;
}

// Fixed decimals without the sign of a value that rounds to zero (GZ upside down).
std::string Fixed(double value, int decimals, int width = 0)
{
    std::string text = FormatFixed(value, decimals, width);
    const std::size_t minus = text.find('-');
    if (minus != std::string::npos && text.find_first_of("123456789") == std::string::npos) text[minus] = ' ';
    return width > 0 ? text : Trim(text);
}

std::string Figure(const std::optional<double>& value, int decimals, const std::string& unit)
{
    if (!value) return "not reached";
    return unit.empty() ? FormatFixed(*value, decimals) : FormatFixed(*value, decimals) + " " + unit;
}

}  // namespace

std::vector<std::string> StabilitySummaryLines(const StabilityResult& result)
{
    const StabilitySummary& s = result.Summary;
    return {
        "----------------- Stability (hull, transom and deck) -----------------",
        Row("VCG", FormatFixed(s.Vcg, 3) + " m"),
        Row("Displacement", FormatFixed(result.Displacement, 1) + " kg"),
        Row("GM (slope at 0 deg)", FormatFixed(s.Gm, 3) + " m"),
        Row("Largest GZ", FormatFixed(s.GzMax, 3) + " m at " + FormatFixed(s.HeelGzMax, 1) + " deg"),
        Row("Angle of vanishing stability", Figure(s.Avs, 1, "deg")),
        Row("Deck edge immersion", Figure(s.DeckImmersion, 1, "deg")),
        Row("Area to 30 deg", Figure(s.Area30, 4, "m.rad")),
        Row("Area to 40 deg", Figure(s.Area40, 4, "m.rad")),
        Row("Area to the AVS", Figure(s.AreaAvs, 4, "m.rad")),
        Row("Positive / negative area", Figure(s.AreaRatio, 2, {})),
    };
}

std::vector<std::string> StabilityTableLines(const StabilityResult& result, int every)
{
    std::vector<std::string> lines = {"   Heel       GZ   Moment     Trim  Sinkage",
                                      "    deg        m     kN.m      deg        m"};
    for (const StabilityPoint& p : result.Curve) {
        if (std::fmod(p.Heel, every) != 0) continue;
        lines.push_back(Fixed(p.Heel, 1, 7) + Fixed(p.Gz, 3, 9) + Fixed(p.RightingMoment, 1, 9) +
                        Fixed(p.Trim, 2, 9) + Fixed(p.Sinkage, 3, 9));
    }
    return lines;
}

bool ReportStability(const HullRecord& hull, const std::optional<Real48>& vcg, TOutput& report)
{
    if (!GeneratedOrSaySo(hull)) return false;
    std::vector<std::string> lines;
    if (!vcg) {
        lines = {"----------------- Stability -----------------", "No VCG given: set it in the Stability window"};
    } else {
        try {
            const StabilityResult result = ComputeDesignStability(hull, vcg->Value());
            lines = StabilitySummaryLines(result);
            lines.emplace_back();
            const std::vector<std::string> table = StabilityTableLines(result, 10);
            lines.insert(lines.end(), table.begin(), table.end());
        } catch (const std::invalid_argument& refusal) {
            lines = {"----------------- Stability -----------------", refusal.what()};
        }
    }
    for (const std::string& line : lines) report.WriteLn(line);
    report.WriteLn();
    return true;
}

std::vector<std::string> StabilityCsvLines(const StabilityResult& result)
{
    std::vector<std::string> lines = {"heel,gz,righting_moment,trim,sinkage"};
    for (const StabilityPoint& p : result.Curve)
        lines.push_back(Fixed(p.Heel, 3) + "," + Fixed(p.Gz, 5) + "," + Fixed(p.RightingMoment, 3) + "," +
                        Fixed(p.Trim, 4) + "," + Fixed(p.Sinkage, 5));
    return lines;
}

}  // namespace sloopform
