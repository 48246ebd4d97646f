#pragma once
#include <stdexcept>
#include <string>

namespace sloopform {

// The floating-point faults that end a failed iteration cleanly. They share one
// base so the iteration routine can catch them together.
class ArithmeticFault : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class DivisionByZero : public ArithmeticFault {
public:
    DivisionByZero() : ArithmeticFault("Floating point division by zero") {}
};

class FloatingOverflow : public ArithmeticFault {
public:
    FloatingOverflow() : ArithmeticFault("Floating point overflow") {}
};

class InvalidOperation : public ArithmeticFault {
public:
    InvalidOperation() : ArithmeticFault("Invalid floating point operation") {}
};

// A linear system with no usable pivot (fewer distinct points than unknowns).
class SingularSystem : public std::runtime_error {
public:
    explicit SingularSystem(const std::string& what) : std::runtime_error(what) {}
};

// Throws the fault of a division of `numerator` by zero.
[[noreturn]] void RaiseDivisionFault(long double numerator);

// Division as the x87 unit raised it: x/0 is a division by zero, 0/0 invalid.
inline long double Divide(long double numerator, long double denominator)
{
    if (denominator == 0.0L) RaiseDivisionFault(numerator);
    return numerator / denominator;
}

}  // namespace sloopform
