#pragma once
#include <functional>
#include <string>

#include "platform/UiServices.h"

namespace sloopform {

// Asks for a file name with the request and writes the file; a failure of the
// writer is shown in the error dialog. Nothing happens when the dialog is
// cancelled.
// The file an export's dialog suggests: the design's file with the export's
// extension instead ("/boats/cruiser-10m.sfp" and "dxf" give
// "/boats/cruiser-10m.dxf"); empty for a design without a file name.
std::string SuggestedExportName(const std::string& designFile, const std::string& extension);

void ExportToChosenFile(const FileDialogRequest& request,
                        const std::function<void(const std::string& fileName)>& write);

}  // namespace sloopform
