#include "FuzzSupport.h"
#include "ReportReaderCheck.h"

using namespace sloopform::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return Judge("report reader", CheckReportReader(InputBytes(data, size), ScratchFolder()));
}
