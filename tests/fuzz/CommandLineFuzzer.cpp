#include "CommandLineCheck.h"
#include "FuzzSupport.h"

using namespace sloopform::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return Judge("command line", CheckCommandLine(SplitArguments(InputBytes(data, size))));
}
