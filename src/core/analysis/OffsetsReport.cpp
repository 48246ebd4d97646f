#include "analysis/OffsetsReport.h"

#include <string>
#include <vector>

#include "analysis/OffsetsText.h"
#include "generator/Output.h"
#include "model/GeneratedHull.h"

namespace sloopform {

namespace {

constexpr int kColumnWidth = 10;
constexpr int kStationWidth = 4;

std::string RightAligned(const std::string& text, int width)
{
    const auto size = static_cast<int>(text.size());
    return size >= width ? " " + text : std::string(static_cast<std::size_t>(width - size), ' ') + text;
}

std::string Cell(long double metres) { return OffsetText(metres, kColumnWidth); }

std::string StationCell(int station) { return RightAligned(std::to_string(station), kStationWidth); }

void AddHalfBreadths(const OffsetsTable& table, std::vector<std::string>& lines)
{
    lines.push_back("Half-breadths (m from the centre plane)");
    std::string heading = "Sta" + RightAligned("x", kColumnWidth + 1);
    for (long double z : table.Levels.Waterlines)
        heading += RightAligned(WaterlineHeading(z), kColumnWidth);
    lines.push_back(heading + RightAligned("Sheer", kColumnWidth));
    for (const StationOffsets& row : table.Stations) {
        std::string line = StationCell(row.Station) + Cell(row.X);
        for (const auto& y : row.HalfBreadths) line += OptionalOffsetText(y, kColumnWidth);
        lines.push_back(line + Cell(row.SheerY));
    }
}

void AddHeights(const OffsetsTable& table, std::vector<std::string>& lines)
{
    lines.push_back("Heights (m above the base line)");
    std::string heading = "Sta" + RightAligned("x", kColumnWidth + 1) + RightAligned("Keel", kColumnWidth);
    for (long double y : table.Levels.Buttocks) heading += RightAligned(ButtockHeading(y), kColumnWidth);
    lines.push_back(heading + RightAligned("Sheer", kColumnWidth));
    for (const StationOffsets& row : table.Stations) {
        std::string line = StationCell(row.Station) + Cell(row.X) + Cell(row.KeelZ);
        for (const auto& z : row.Heights) line += OptionalOffsetText(z, kColumnWidth);
        lines.push_back(line + Cell(row.SheerZ));
    }
}

}  // namespace

bool ReportOffsets(const HullRecord& hull, const OffsetLevels& chosen, TOutput& report)
{
    if (!GeneratedOrSaySo(hull)) return false;
    const OffsetsTable table = ComputeOffsets(hull, chosen);
    std::vector<std::string> lines = {
        "", "-------------------------- Offsets Table --------------------------"};
    AddHalfBreadths(table, lines);
    lines.emplace_back();
    AddHeights(table, lines);
    lines.push_back("--------------------------------------------------------------------");
    lines.emplace_back();
    for (const std::string& line : lines) report.WriteLn(line);
    return true;
}

}  // namespace sloopform
