#include "numeric/ArithmeticFault.h"

#include <cmath>

namespace sloopform {

void RaiseDivisionFault(long double numerator)
{
    if (numerator == 0.0L || std::isnan(numerator)) throw InvalidOperation();
    throw DivisionByZero();
}

}  // namespace sloopform
