#include "numeric/Real48.h"

#include <cmath>
#include <cstring>
#include <limits>

#include "numeric/ArithmeticFault.h"

namespace sloopform {

namespace {

constexpr int kMinExponent = -128;  // smallest magnitude 2^-128
constexpr int kMaxExponent = 126;   // largest just under 2^127
constexpr int kExponentBias = 129;
constexpr std::uint64_t kMantissaScale = std::uint64_t{1} << 39;

}  // namespace

long double Real48::Largest()
{
    return std::ldexp(2.0L - std::ldexp(1.0L, -39), kMaxExponent);
}

long double Real48::Smallest()
{
    return std::ldexp(1.0L, kMinExponent);
}

// The same rounding as the inline path, for every value it leaves out.
double Real48::RoundedAtTheEdges(long double value)
{
    std::uint64_t significand = 0;
    std::uint16_t signAndExponent = 0;
    std::memcpy(&significand, &value, sizeof significand);
    std::memcpy(&signAndExponent, reinterpret_cast<const char*>(&value) + sizeof significand,
                sizeof signAndExponent);
    const int biasedExponent = signAndExponent & 0x7FFF;
    if (biasedExponent == 0x7FFF) {
        if ((significand << 1) != 0) throw InvalidOperation();  // NaN
        throw FloatingOverflow();                                 // infinity
    }
    // Zero and the extended denormals lie far below 2^-128.
    if (biasedExponent == 0 || significand == 0) return 0.0;

    constexpr int kDroppedBits = 64 - kSignificantBits;
    constexpr std::uint64_t kHalf = std::uint64_t{1} << (kDroppedBits - 1);
    std::uint64_t kept = significand >> kDroppedBits;
    int exponent = biasedExponent - 16383;  // value in [2^exponent, 2^(exponent + 1))
    if ((significand & kHalf) != 0) {
        if (++kept == (std::uint64_t{1} << kSignificantBits)) {
            kept >>= 1;
            ++exponent;
        }
    }
    if (exponent < kMinExponent) return 0.0;  // underflow stores 0
    if (exponent > kMaxExponent) throw FloatingOverflow();

    const std::uint64_t sign = static_cast<std::uint64_t>(signAndExponent >> 15) << 63;
    const std::uint64_t bits = sign | (static_cast<std::uint64_t>(exponent + 1023) << 52) |
                               ((kept & (kMantissaScale - 1)) << (52 - 39));
    double result = 0;
    std::memcpy(&result, &bits, sizeof result);
    return result;
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
