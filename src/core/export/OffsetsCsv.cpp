#include "export/OffsetsCsv.h"

#include "analysis/OffsetsText.h"
#include "export/ChosenFileExport.h"
#include "model/GeneratedHull.h"

namespace sloopform {

std::vector<std::string> OffsetsCsvLines(const OffsetsTable& table)
{
    std::string heading = "station,x,keel_z,sheer_y,sheer_z";
    for (long double z : table.Levels.Waterlines) heading += "," + WaterlineHeading(z);
    for (long double y : table.Levels.Buttocks) heading += "," + ButtockHeading(y);
    std::vector<std::string> lines = {heading};
    for (const StationOffsets& row : table.Stations) {
        std::string line = std::to_string(row.Station) + "," + OffsetText(row.X) + "," +
                           OffsetText(row.KeelZ) + "," + OffsetText(row.SheerY) + "," +
                           OffsetText(row.SheerZ);
        for (const auto& y : row.HalfBreadths) line += "," + OptionalOffsetText(y);
        for (const auto& z : row.Heights) line += "," + OptionalOffsetText(z);
        lines.push_back(line);
    }
    return lines;
}

void WriteOffsetsCsv(const OffsetsTable& table, ExportTarget& file)
{
    for (const std::string& line : OffsetsCsvLines(table)) file.WriteLine(line);
    file.Commit();
}

void ExportOffsets(const HullRecord& hull, const OffsetLevels& chosen, const std::string& designFile)
{
    if (!GeneratedOrSaySo(hull)) return;
    FileDialogRequest request;
    request.title = "Export Offsets";
    request.filter = "Comma-separated values (*.csv)|*.csv|All files (*.*)|*.*";
    request.defaultExtension = "csv";
    request.fileName = SuggestedExportName(designFile, request.defaultExtension);
    ExportToChosenFile(request, [&](const std::string& fileName) {
        ExportTextFile file(fileName);
        WriteOffsetsCsv(ComputeOffsets(hull, chosen), file);
    });
}

}  // namespace sloopform
