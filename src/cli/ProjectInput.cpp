#include "ProjectInput.h"

#include <algorithm>
#include <filesystem>
#include <iostream>

#include "ConsoleUi.h"
#include "model/ParameterTable.h"

namespace sloopform::batch {

std::unique_ptr<TDataEdit> ReadProject(const std::string& path, ConsoleUi& ui)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        std::cerr << "sloopform-batch: cannot read project file " << path
                  << (std::filesystem::exists(path, error) ? ": not a file" : ": no such file") << '\n';
        return nullptr;
    }
    auto editor = std::make_unique<TDataEdit>();
    ui.TakeReportCount();
    editor->LoadData(path);
    if (ui.TakeReportCount() > 0) return nullptr;
    return editor;
}

bool StoredValuesAccepted(const TDataEdit& editor)
{
    const std::vector<std::string> faults = StoredParameterFaults(editor.Hull());
    for (std::string fault : faults) {
        std::replace(fault.begin(), fault.end(), '\r', ' ');
        std::cerr << fault << '\n';
    }
    return faults.empty();
}

}  // namespace sloopform::batch
