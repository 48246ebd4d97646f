#pragma once
#include <string>

#include "model/HullRecord.h"

namespace sloopform::cad {

enum class CadFormat {
    Step,  // STEP AP214, the faces named "Hull", "Transom" and "Deck"
    Iges,  // IGES 5.3, every surface a rational B-spline surface (type 128)
};

// Writes the generated hull's solid in metres. The file is written beside
// the target and replaces it only when complete. Throws std::runtime_error
// (kNoHullMessage for a hull that is not generated, ExportFileError when the
// file cannot be written).
void WriteHullCad(const HullRecord& hull, CadFormat format, const std::string& fileName);

// The same file's text, for a caller that puts it elsewhere.
std::string HullCadText(const HullRecord& hull, CadFormat format);

// The export menu command: refuses with "No Data Available, Run Generator"
// unless the hull is generated, otherwise asks for a file name and writes the
// file. A failure is shown in the error dialog and leaves no file behind.
void ExportHullCad(const HullRecord& hull, CadFormat format, const std::string& designFile = {});

}  // namespace sloopform::cad
