#pragma once
#include <string>

#include "export/ExportTextFile.h"
#include "model/HullRecord.h"

namespace sloopform {

// Refuses with "No Data Available, Run Generator" unless the hull is complete,
// otherwise asks for a file name and writes the GF1 file. A failure is shown in
// the error dialog and leaves no file behind.
void ExportGF1(const HullRecord& hull, const std::string& designFile = {});

// The hull surface in feet as transverse sections, followed by the fixed
// component and fluid records. Throws ExportFileError when the file cannot be
// created or written; the target is replaced only when every line is written.
void WriteGF1(const HullRecord& hull, const std::string& fileName);

// The same lines to a target, whose name the first line records; committed.
void WriteGF1(const HullRecord& hull, ExportTarget& file);

}  // namespace sloopform
