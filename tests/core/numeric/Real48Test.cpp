#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <tuple>

#include "numeric/ArithmeticFault.h"
#include "numeric/NumberText.h"
#include "numeric/Real48.h"

using namespace sloopform;

TEST(Real48, RoundsEveryStoreToFortyBitsNearest)
{
    EXPECT_EQ(Real48(1.0L + std::ldexp(1.0L, -39)).Value(), 1.0 + std::ldexp(1.0, -39));
    EXPECT_EQ(Real48(1.0L + std::ldexp(0.99L, -40)).Value(), 1.0);
    EXPECT_EQ(Real48(1.0L + std::ldexp(1.01L, -40)).Value(), 1.0 + std::ldexp(1.0, -39));
    // A tenth keeps 11 to 12 significant digits, not the 16 of a double.
    EXPECT_NE(Real48(0.1L).Value(), 0.1);
    EXPECT_NEAR(Real48(0.1L).Value(), 0.1, 1e-12);
    Real48 sum = 0;
    sum += 0.1L;
    EXPECT_EQ(sum.Value(), Real48(0.1L).Value());
}

TEST(Real48, ExactHalvesGoAwayFromZero)
{
    const long double step = std::ldexp(1.0L, -39);  // one 6-byte step just above 1
    struct Tie {
        long double value;
        double stored;
    };
    const Tie ties[] = {
        {1 + step / 2, 1.0 + std::ldexp(1.0, -39)},          // even below: still up
        {1 + 3 * step / 2, 1.0 + std::ldexp(1.0, -38)},      // odd below: up
        {2 - step / 4, 2.0},                                 // all ones: carries into the exponent
        {std::ldexp(2 - step / 4, -129), std::ldexp(1.0, -128)},  // ... up to the smallest value
        {0.75L + std::ldexp(1.0L, -41), 0.75 + std::ldexp(1.0, -40)},
    };
    for (const Tie& tie : ties) {
        EXPECT_EQ(Real48(tie.value).Value(), tie.stored) << static_cast<double>(tie.value);
        EXPECT_EQ(Real48(-tie.value).Value(), -tie.stored) << static_cast<double>(tie.value);
    }
    EXPECT_THROW(Real48(Real48::Largest() + std::ldexp(1.0L, 126 - 40)), FloatingOverflow);
}

TEST(Real48, RangeEndsStoreZeroOrThrow)
{
    EXPECT_THROW(Real48(1e39L), FloatingOverflow);
    EXPECT_THROW(Real48(-1e39L), FloatingOverflow);
    EXPECT_EQ(Real48(1e-40L).Value(), 0.0);
    EXPECT_EQ(Real48(-1e-40L).Value(), 0.0);
    EXPECT_NO_THROW(Real48(1.7e38L));
    EXPECT_EQ(Real48(std::ldexp(1.0L, -128)).Value(), std::ldexp(1.0, -128));
    EXPECT_THROW(Real48(std::ldexp(1.0L, 127)), FloatingOverflow);
    EXPECT_THROW(Real48{static_cast<long double>(INFINITY)}, FloatingOverflow);
    try {
        Real48 r(NAN);
        FAIL() << "NaN stored as " << r.Value();
    } catch (const ArithmeticFault& fault) {
        EXPECT_STREQ(fault.what(), "Invalid floating point operation");
    }
}

TEST(Real48, CheckedDivisionRaisesTheFaultsOfTheFpu)
{
    EXPECT_EQ(Divide(1, 4), 0.25L);
    try {
        Divide(1, 0);
        FAIL();
    } catch (const ArithmeticFault& fault) {
        EXPECT_STREQ(fault.what(), "Floating point division by zero");
    }
    EXPECT_THROW(Divide(0, 0), InvalidOperation);
    EXPECT_STREQ(FloatingOverflow().what(), "Floating point overflow");
}

TEST(Real48, PacksToTheSixByteLayout)
{
    // 1.0: exponent byte 129, mantissa 0, sign clear.
    EXPECT_EQ(Real48(1.0L).Pack(), (Real48::Bytes{129, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Real48(-1.0L).Pack(), (Real48::Bytes{129, 0, 0, 0, 0, 0x80}));
    // 1.5 = 1.1b: the top mantissa bit is bit 6 of the last byte.
    EXPECT_EQ(Real48(1.5L).Pack(), (Real48::Bytes{129, 0, 0, 0, 0, 0x40}));
    EXPECT_EQ(Real48(0.0L).Pack(), (Real48::Bytes{0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Real48(10.5L).Pack()[0], 132);
}

TEST(Real48, PackAndUnpackRoundTripEveryValue)
{
    std::mt19937_64 random(48);
    std::uniform_real_distribution<double> mantissa(-2.0, 2.0);
    std::uniform_int_distribution<int> exponent(-127, 125);
    for (int i = 0; i < 20000; ++i) {
        const Real48 value(std::ldexp(static_cast<long double>(mantissa(random)), exponent(random)));
        ASSERT_EQ(Real48::Unpack(value.Pack()).Value(), value.Value());
    }
    for (long double edge : {Real48::Largest(), -Real48::Largest(), Real48::Smallest()})
        EXPECT_EQ(Real48::Unpack(Real48(edge).Pack()).Value(), Real48(edge).Value());
}

TEST(NumberText, FixedFormatRoundsTheBinaryValueAndPads)
{
    EXPECT_EQ(FormatFixed(0.0004L, 3), "0.000");
    EXPECT_EQ(FormatFixed(12.3456L, 3), "12.346");
    EXPECT_EQ(FormatFixed(1.5L, 3, 10), "     1.500");
    EXPECT_EQ(FormatFixed(-12.345L, 3, 10), "   -12.345");
    EXPECT_EQ(FormatFixed(1234567.0L, 3, 10), "1234567.000");
}

TEST(NumberText, FixedFormatRoundsExactHalvesAwayFromZero)
{
    const std::tuple<long double, int, const char*> cases[] = {
        {0.125L, 2, "0.13"},       {-0.125L, 2, "-0.13"},    {53.0625L, 3, "53.063"},
        {0.375L, 2, "0.38"},       {9.995L, 2, "9.99"},      {99.9995L, 3, "99.999"},
        {99.875L, 2, "99.88"},     {-99.96875L, 4, "-99.9688"}, {9.5L, 0, "10"},
        {-0.5L, 0, "-1"},          {999.9375L, 3, "999.938"}, {0.0625L, 3, "0.063"},
    };
    for (const auto& [value, decimals, text] : cases)
        EXPECT_EQ(FormatFixed(value, decimals), text) << static_cast<double>(value);
    EXPECT_EQ(FormatFixed(-0.0625L, 3, 10), "    -0.063");
}

TEST(NumberText, TypedTextLandsOnTheNearestSixByteValue)
{
    // Through a double, this value rounds to a 6-byte tie and goes one step up.
    ASSERT_NE(Real48(0.020899).Value(), Real48(0.020899L).Value());
    EXPECT_EQ(Real48(*ParseReal("0.020899")).Value(), Real48(0.020899L).Value());
    EXPECT_EQ(*ParseReal("0.1"), 0.1L);
}

TEST(NumberText, ParsesDecimalsAndRejectsEverythingElse)
{
    EXPECT_EQ(*ParseReal("10.5"), 10.5L);
    EXPECT_EQ(*ParseReal("  -1.25e1"), -12.5L);
    EXPECT_DOUBLE_EQ(static_cast<double>(*ParseReal("3E-1")), 0.3);
    EXPECT_EQ(*ParseReal(".5"), 0.5L);
    for (const char* bad : {"", " ", "abc", "1,5", "nan", "inf", "-inf", "1e39", "10.5x", "1.5 "})
        EXPECT_FALSE(ParseReal(bad).has_value()) << bad;
    EXPECT_EQ(*ParseInteger("21"), 21);
    EXPECT_FALSE(ParseInteger("2.1").has_value());
    EXPECT_EQ(Trim("  a b  "), "a b");
}

namespace {

// Nearest 40-bit significand, halves away from zero, computed the slow way.
long double ReferenceRounding(long double v)
{
    int exponent = 0;
    const long double fraction = std::frexp(v, &exponent);
    const long double rounded = std::ldexp(std::round(std::ldexp(fraction, 40)), exponent - 40);
    return std::fabs(rounded) < std::ldexp(1.0L, -128) ? 0.0L : rounded;
}

}  // namespace

TEST(Real48, RoundingMatchesTheArithmeticDefinition)
{
    const auto reference = ReferenceRounding;
    std::mt19937_64 random(40);
    std::uniform_real_distribution<long double> fraction(-1.0L, 1.0L);
    std::uniform_int_distribution<int> exponent(-140, 125);
    for (int i = 0; i < 200000; ++i) {
        const long double v = std::ldexp(fraction(random), exponent(random));
        ASSERT_EQ(static_cast<long double>(Real48(v)), reference(v)) << static_cast<double>(v);
    }
    // Values that round up across a power of two, and to the range's ends.
    const long double justBelowTwo = 2.0L - std::ldexp(1.0L, -41);
    EXPECT_EQ(Real48(justBelowTwo).Value(), 2.0);
    EXPECT_EQ(Real48(-justBelowTwo).Value(), -2.0);
    EXPECT_EQ(Real48(std::ldexp(justBelowTwo, -129)).Value(), std::ldexp(1.0, -128));
    EXPECT_THROW(Real48(std::ldexp(justBelowTwo, 126)), FloatingOverflow);
    EXPECT_EQ(Real48(std::numeric_limits<long double>::denorm_min()).Value(), 0.0);
    EXPECT_EQ(Real48(-0.0L).Value(), 0.0);
}

TEST(Real48, TiesAndCarriesRoundAlikeAtEveryExponent)
{
    // The 24 dropped bits of the 64-bit significand: below, at and above an
    // exact half, by amounts that a double (53 bits) keeps or loses, and all
    // ones (which carries into the exponent when the kept bits are all ones too).
    const std::uint64_t dropped[] = {0x000000, 0x7FF800, 0x7FFBFF, 0x7FFC00, 0x7FFFFF, 0x800000,
                                     0x800001, 0x8003FF, 0x800400, 0x800401, 0xFFFFFF};
    std::mt19937_64 random(19);
    for (int exponent = -131; exponent <= 127; ++exponent) {
        for (int k = 0; k < 4; ++k) {
            const std::uint64_t kept = k == 0 ? (std::uint64_t{1} << 40) - 1  // all ones
                                              : (std::uint64_t{1} << 39) | (random() >> 25);
            for (std::uint64_t low : dropped) {
                const long double magnitude =
                    std::ldexp(static_cast<long double>((kept << 24) | low), exponent - 63);
                for (long double v : {magnitude, -magnitude}) {
                    const long double expected = ReferenceRounding(v);
                    if (std::fabs(expected) > Real48::Largest()) {
                        EXPECT_THROW(Real48{v}, FloatingOverflow) << exponent;
                        continue;
                    }
                    ASSERT_EQ(static_cast<long double>(Real48(v)), expected)
                        << "exponent " << exponent << ", kept " << kept << ", dropped " << low;
                }
            }
        }
    }
}
