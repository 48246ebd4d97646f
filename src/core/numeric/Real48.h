#pragma once
#include <array>
#include <cstdint>

namespace sloopform {

// A value held exactly as the 6-byte real stores it: 40 significant bits
// (39 stored plus the implied 1), magnitudes from 2^-128 to just under 2^127.
// Every store from extended precision rounds to nearest, an exact half away
// from zero; results depend on it.
class Real48 {
public:
    using Bytes = std::array<std::uint8_t, 6>;

    constexpr Real48() = default;
    Real48(long double value);  // NOLINT: implicit, the declared type does the rounding

    operator long double() const { return value_; }  // NOLINT: arithmetic runs extended
    double Value() const { return value_; }

    Real48& operator+=(long double rhs) { return *this = value_ + rhs; }
    Real48& operator-=(long double rhs) { return *this = value_ - rhs; }
    Real48& operator*=(long double rhs) { return *this = value_ * rhs; }

    // Exponent byte (bias 129, 0 means zero), 39-bit mantissa, sign in the top bit.
    Bytes Pack() const;
    static Real48 Unpack(const Bytes& bytes);

    static constexpr int kSignificantBits = 40;
    static long double Largest();
    static long double Smallest();

private:
    double value_ = 0.0;
};

// Rounds an extended value to the 6-byte form without keeping it.
inline long double Round48(long double value) { return Real48(value); }

}  // namespace sloopform
