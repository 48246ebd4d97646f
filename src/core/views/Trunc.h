#pragma once
#include <cstdint>

namespace sloopform {

// Truncation toward zero to a 32-bit integer; a value outside that range is an
// invalid operation, as the FPU reports it.
std::int32_t Trunc(long double value);

}  // namespace sloopform
