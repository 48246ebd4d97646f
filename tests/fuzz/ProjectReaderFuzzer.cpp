#include "FuzzSupport.h"
#include "ProjectReaderCheck.h"

using namespace sloopform::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return Judge("project reader", CheckProjectReader(InputBytes(data, size), ScratchFolder()).broken);
}
