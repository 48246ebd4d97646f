#include "views/Trunc.h"

#include <cmath>
#include <limits>

#include "numeric/ArithmeticFault.h"

namespace sloopform {

std::int32_t Trunc(long double value)
{
    const long double truncated = std::trunc(value);
    if (!(truncated >= std::numeric_limits<std::int32_t>::min() &&
          truncated <= std::numeric_limits<std::int32_t>::max()))
        throw InvalidOperation();
    return static_cast<std::int32_t>(truncated);
}

}  // namespace sloopform
