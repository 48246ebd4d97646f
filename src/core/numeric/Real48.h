#pragma once
#include <array>
#include <cmath>
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
    // NOLINTNEXTLINE: implicit, the declared type does the rounding
    Real48(long double value) : value_(Rounded(value)) {}

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
    // Values at or beyond the ends of the range, infinities and NaNs, on the
    // bits of the extended format.
    static double RoundedAtTheEdges(long double value);

    double value_ = 0.0;
};

// Rounds an extended value to the 6-byte form without keeping it.
inline long double Round48(long double value) { return Real48(value); }

// Inline, because the generator stores millions of values per run. The
// nearest 40-bit value, an exact half away from zero (as the 6-byte type's own
// conversion adds the first dropped bit to the magnitude), is taken from the
// nearest double, which holds it: converting to a double is quick, reading
// the bits of an extended value is not. Rounding twice differs from rounding
// once only where the double lands exactly half-way between two 40-bit values
// without being the value itself; then the extended value decides the side.
inline double Real48::Rounded(long double value)
{
    static_assert(std::numeric_limits<long double>::digits == 64,
                  "long double must be the x87 extended format");
    const double nearest = static_cast<double>(value);  // 53 bits, an exact half to even
    std::uint64_t bits = 0;
    std::memcpy(&bits, &nearest, sizeof bits);
    // Values in [2^-128, 2^126): the rounding can neither underflow nor carry
    // past the largest exponent, 126.
    const auto exponent = static_cast<unsigned>(bits >> 52) & 0x7FFu;
    if (exponent - (1023u - 128) > 125u + 128) {
        if (value == 0) return 0.0;  // frequent in sums of basis values
        return RoundedAtTheEdges(value);
    }
    constexpr int kDroppedBits = 52 - (kSignificantBits - 1);
    constexpr std::uint64_t kDropped = (std::uint64_t{1} << kDroppedBits) - 1;
    constexpr std::uint64_t kHalf = std::uint64_t{1} << (kDroppedBits - 1);
    // Half a 40-bit step added to the magnitude, then cut: nearest, a half up;
    // a carry runs on into the exponent, which is what it means.
    std::uint64_t rounded = bits + kHalf;
    if ((bits & kDropped) == kHalf && std::fabs(value) < std::fabs(static_cast<long double>(nearest)))
        rounded = bits;  // below the half-way point after all
    rounded &= ~kDropped;
    double result = 0;
    std::memcpy(&result, &rounded, sizeof result);
    return result;
}

}  // namespace sloopform
