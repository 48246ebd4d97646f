#pragma once
#include <string>
#include <vector>

#include "analysis/Offsets.h"
#include "export/ExportTextFile.h"

namespace sloopform {

// The table as comma-separated values: the heading
// station,x,keel_z,sheer_y,sheer_z,WL <z>,...,BT <y>,... and one row per
// station 0-20, metres with three decimals, an empty cell where a line misses
// the station.
std::vector<std::string> OffsetsCsvLines(const OffsetsTable& table);

// The lines to a target, committed. Throws ExportFileError.
void WriteOffsetsCsv(const OffsetsTable& table, ExportTarget& file);

// Refuses with "No Data Available, Run Generator" unless the hull is complete,
// otherwise asks for a file name and writes the offsets at the chosen levels
// (see ChosenOffsetLevels). A failure is shown in the error dialog and leaves
// no file behind.
void ExportOffsets(const HullRecord& hull, const OffsetLevels& chosen, const std::string& designFile = {});

}  // namespace sloopform
