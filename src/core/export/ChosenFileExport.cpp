#include "export/ChosenFileExport.h"

#include <exception>
#include <filesystem>

namespace sloopform {

std::string SuggestedExportName(const std::string& designFile, const std::string& extension)
{
    if (designFile.empty()) return {};
    return std::filesystem::path(designFile).replace_extension(extension).string();
}

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
