#pragma once
#include "export/DxfFile.h"
#include "model/HullRecord.h"

namespace sloopform {

// The status bar panel that shows which part of the hull is being written.
constexpr int kExportStatusPanel = 2;

// Asks for a DXF file name and writes the generated hull's outlines to it as
// LINE entities: the waterline, profile, sheerline, transom and stations, each
// on its own layer and only when its completion flag is set. A failure is shown
// in the error dialog and leaves no file behind.
void ExportHullOutlines(const HullRecord& hull, const std::string& designFile = {});

// Writes the outlines (each part announced in the status panel) and closes
// the file. Throws ExportFileError when a line cannot be written.
void WriteHullOutlines(const HullRecord& hull, TDxfFile& file);

}  // namespace sloopform
