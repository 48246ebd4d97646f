#include "FuzzSupport.h"
#include "NumberTextCheck.h"

using namespace sloopform::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return Judge("number text", CheckNumberText(InputBytes(data, size)));
}
