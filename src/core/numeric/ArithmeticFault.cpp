#include "numeric/ArithmeticFault.h"

#include <cmath>

namespace sloopform {

long double Divide(long double numerator, long double denominator)
{
    if (denominator == 0.0L) {
        if (numerator == 0.0L || std::isnan(numerator)) throw InvalidOperation();
        throw DivisionByZero();
    }
    return numerator / denominator;
}

}  // namespace sloopform
