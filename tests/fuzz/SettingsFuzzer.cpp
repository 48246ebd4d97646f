#include "FuzzSupport.h"
#include "SettingsCheck.h"

using namespace sloopform::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return Judge("settings", CheckSettingsText(InputBytes(data, size)));
}
