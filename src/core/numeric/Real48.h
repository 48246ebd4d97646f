#pragma once
#include <array>
#include <cstdint>
#include <cstring>
#include <limits>

namespace sloopform {

// A value held exactly as the 6-byte real stores it: 40 significant bits
// (39 stored plus the implied 1), magnitudes from 2^-128 to just under 2^127.
// Every store from extended precision rounds to nearest, an exact half away
// from zero; results depend on it.
class Real48 {
public:
    using Bytes = std::array<std::uint8_t, 6>;

    constexpr Real48() = default;
    Real48(long double value) : value_(Rounded(value)) {}  // NOLINT: implicit, the declared type does the rounding

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
    static double Rounded(long double value);
    // Values at or beyond the ends of the range, infinities and NaNs.
    static double RoundedAtTheEdges(long double value);

    double value_ = 0.0;
};

// Rounds an extended value to the 6-byte form without keeping it.
inline long double Round48(long double value) { return Real48(value); }

// Works on the bits of the x87 extended format, inline, because the
// generator stores millions of values per run. Keeps the top 40 of the 64
// significand bits, nearest: the 6-byte type's own conversion adds the first
// dropped bit to the magnitude, so an exact half goes away from zero. The
// result is the same value as a double, whose 52 fraction bits hold our 39.
inline double Real48::Rounded(long double value)
{
    static_assert(std::numeric_limits<long double>::digits == 64,
                  "long double must be the x87 extended format");
    std::uint64_t significand = 0;
    std::uint16_t signAndExponent = 0;
    std::memcpy(&significand, &value, sizeof significand);
    std::memcpy(&signAndExponent, reinterpret_cast<const char*>(&value) + sizeof significand,
                sizeof signAndExponent);
    // Value in [2^exponent, 2^(exponent + 1)). Below 125 the rounding cannot
    // carry past the largest exponent, 126; from -128 on nothing underflows.
    const int exponent = (signAndExponent & 0x7FFF) - 16383;
    constexpr std::uint64_t kIntegerBit = std::uint64_t{1} << 63;
    if (exponent < -128 || exponent > 125 || (significand & kIntegerBit) == 0) {
        // Zero and the extended denormals, frequent in sums of basis values.
        if ((signAndExponent & 0x7FFF) == 0) return 0.0;
        return RoundedAtTheEdges(value);
    }

    constexpr int kDroppedBits = 64 - kSignificantBits;
    const std::uint64_t kept = (significand >> kDroppedBits) + ((significand >> (kDroppedBits - 1)) & 1);
    // A carry to 2^40 spills into the exponent field, which is the carry's meaning.
    constexpr std::uint64_t kImpliedOne = std::uint64_t{1} << (kSignificantBits - 1);
    const std::uint64_t magnitude = (static_cast<std::uint64_t>(exponent + 1023) << 52) +
                                    ((kept - kImpliedOne) << (52 - (kSignificantBits - 1)));
    const std::uint64_t bits = (static_cast<std::uint64_t>(signAndExponent >> 15) << 63) | magnitude;
    double result = 0;
    std::memcpy(&result, &bits, sizeof result);
    return result;
}

}  // namespace sloopform
