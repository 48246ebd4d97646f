#pragma once
#include <functional>
#include <string>

#include "platform/UiServices.h"

namespace sloopform {

// Asks for a file name with the request and writes the file; a failure of the
// writer is shown in the error dialog. Nothing happens when the dialog is
// cancelled.
void ExportToChosenFile(const FileDialogRequest& request,
                        const std::function<void(const std::string& fileName)>& write);

}  // namespace sloopform
