#include "model/ProjectVcg.h"

#include <fstream>

#include "model/ProjectFile.h"
#include "numeric/NumberText.h"
#include "platform/Cp1252.h"
#include "platform/UiServices.h"

namespace sloopform {

bool ReadProjectVcg(const std::string& fileName, std::optional<Real48>& vcg)
{
    vcg.reset();
    std::ifstream file(fileName, std::ios::binary);
    std::string line;
    for (int skipped = 0; skipped < kProjectKeyCount && std::getline(file, line); ++skipped) {
    }
    const std::string prefix = std::string(kVcgKey) + "=";
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.rfind(prefix, 0) != 0) continue;
        const std::string text = Cp1252ToUtf8(line.substr(prefix.size()));
        const auto value = ParseReal(text);
        if (!value) {
            Ui().ShowMessage("Unable to convert field " + text + " to real number format", MessageIcon::Error,
                             MessageButtons::Ok);
            return false;
        }
        vcg = *value;
    }
    return true;
}

}  // namespace sloopform
