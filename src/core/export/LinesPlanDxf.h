#pragma once
#include <string>

#include "export/ExportTextFile.h"
#include "model/HullRecord.h"

namespace sloopform {

// The layers of the lines-plan DXF, in the file's order.
constexpr const char* kLinesPlanLayers[] = {"Profile", "Sheer", "Stations", "Waterlines", "Buttocks",
                                            "Diagonals", "DWL", "Transom", "Grid", "Text"};

// The generated hull's lines plan as a draughtsman's DXF in metres: the
// profile (stern to the left) above the half-breadth plan, and the body plan
// to the right of the profile, stations 0-10 on its right half and 10-20 on
// its left, as the lines plan window lays them out. The hull's own B-spline
// curves (profile, sheer, transom, stations) are SPLINE entities with their
// control points; lines traced on the lofted sections (waterlines, buttocks,
// diagonals, the design waterline) fine LWPOLYLINEs. Throws std::runtime_error
// with "No Data Available, Run Generator" unless the hull is generated, and
// ExportFileError as the target does.
void WriteLinesPlanDxf(const HullRecord& hull, ExportTarget& target);
void WriteLinesPlanDxf(const HullRecord& hull, const std::string& fileName);

// The export menu command: refuses with "No Data Available, Run Generator"
// unless the hull is generated, otherwise asks for a file name and writes the
// file. A failure is shown in the error dialog and leaves no file behind.
void ExportLinesPlanDxf(const HullRecord& hull, const std::string& designFile = {});

}  // namespace sloopform
