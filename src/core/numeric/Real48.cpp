#include "numeric/Real48.h"

#include <cmath>

#include "numeric/ArithmeticFault.h"

namespace sloopform {

namespace {

constexpr int kMinExponent = -128;  // smallest magnitude 2^-128
constexpr int kExponentBias = 129;
constexpr std::uint64_t kMantissaScale = std::uint64_t{1} << 39;

}  // namespace

long double Real48::Largest()
{
    return std::ldexp(2.0L - std::ldexp(1.0L, -39), 126);
}

long double Real48::Smallest()
{
    return std::ldexp(1.0L, kMinExponent);
}

Real48::Real48(long double value)
{
    if (std::isnan(value)) throw InvalidOperation();
    if (std::isinf(value)) throw FloatingOverflow();
    if (value == 0.0L) return;
    int exponent = 0;
    const long double fraction = std::frexp(value, &exponent);  // |fraction| in [0.5, 1)
    // Round to 40 significant bits, nearest with ties to even like the FPU.
    const long double scaled = std::nearbyint(std::ldexp(fraction, kSignificantBits));
    const long double rounded = std::ldexp(scaled, exponent - kSignificantBits);
    if (std::fabs(rounded) < Smallest()) return;  // underflow stores 0
    if (std::fabs(rounded) > Largest()) throw FloatingOverflow();
    value_ = static_cast<double>(rounded);
}

Real48::Bytes Real48::Pack() const
{
    Bytes bytes{};
    if (value_ == 0.0) return bytes;
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(value_), &exponent);  // [0.5, 1)
    // value = 1.f * 2^(e - 129) = fraction * 2^exponent, so e = exponent + 128.
    bytes[0] = static_cast<std::uint8_t>(exponent - 1 + kExponentBias);
    const auto significand = static_cast<std::uint64_t>(std::ldexp(fraction, kSignificantBits));
    std::uint64_t bits = significand - kMantissaScale;  // drop the implied 1
    if (value_ < 0) bits |= kMantissaScale;                   // sign above the mantissa
    for (int i = 1; i < 6; ++i) {
        bytes[i] = static_cast<std::uint8_t>(bits & 0xFF);
        bits >>= 8;
    }
    return bytes;
}

Real48 Real48::Unpack(const Bytes& bytes)
{
    if (bytes[0] == 0) return Real48();
    std::uint64_t bits = 0;
    for (int i = 5; i >= 1; --i) bits = (bits << 8) | bytes[i];
    const bool negative = (bits & kMantissaScale) != 0;
    const std::uint64_t mantissa = bits & (kMantissaScale - 1);
    const long double magnitude =
        std::ldexp(static_cast<long double>(mantissa + kMantissaScale), bytes[0] - kExponentBias - 39);
    return Real48(negative ? -magnitude : magnitude);
}

}  // namespace sloopform
