#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "numeric/ArithmeticFault.h"
#include "numeric/NumberText.h"
#include "numeric/Real48.h"

using namespace sloopform;

TEST(Real48, RoundsEveryStoreToFortyBitsNearest)
{
    // 1 + 2^-40 lies half way between two 6-byte values: ties go to even.
    EXPECT_EQ(Real48(1.0L + std::ldexp(1.0L, -40)).Value(), 1.0);
    EXPECT_EQ(Real48(1.0L + 3 * std::ldexp(1.0L, -40)).Value(), 1.0 + std::ldexp(1.0, -38));
    EXPECT_EQ(Real48(1.0L + std::ldexp(1.0L, -39)).Value(), 1.0 + std::ldexp(1.0, -39));
    // A tenth keeps 11 to 12 significant digits, not the 16 of a double.
    EXPECT_NE(Real48(0.1L).Value(), 0.1);
    EXPECT_NEAR(Real48(0.1L).Value(), 0.1, 1e-12);
    Real48 sum = 0;
    sum += 0.1L;
    EXPECT_EQ(sum.Value(), Real48(0.1L).Value());
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
