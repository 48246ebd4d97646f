#include "export/ChosenFileExport.h"

#include <exception>

namespace sloopform {

void ExportToChosenFile(const FileDialogRequest& request,
                        const std::function<void(const std::string& fileName)>& write)
{
    const auto fileName = Ui().SaveFileDialog(request);
    if (!fileName) return;
    try {
        write(*fileName);
    } catch (const std::exception& error) {
        Ui().ShowError(error.what(), kGlobalHandlerOrigin);
    }
}

}  // namespace sloopform
