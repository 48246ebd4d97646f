#include <gtest/gtest.h>

#include <cmath>

#include "numeric/ArithmeticFault.h"
#include "numeric/Geometry.h"

using namespace sloopform;

TEST(Geometry, VectorAngleIsThePolarAngle)
{
    EXPECT_NEAR(VectorAngle(0, -1), -kPi / 2, 1e-11);
    EXPECT_NEAR(VectorAngle(0, 1), kPi / 2, 1e-11);
    EXPECT_EQ(VectorAngle(0, 0), 0.0L);
    EXPECT_NEAR(VectorAngle(-1, 1), 3 * kPi / 4, 1e-11);
    EXPECT_NEAR(VectorAngle(-1, -1), -3 * kPi / 4, 1e-11);
    EXPECT_NEAR(VectorAngle(1, 1), kPi / 4, 1e-11);
    EXPECT_NEAR(VectorAngle(-2, 0), kPi, 1e-11);
}

TEST(Geometry, IntersectLinesFindsTheCrossingOrLeavesTheResult)
{
    Real48 x = 99, z = 99;
    IntersectLines(x, z, {0, 0}, {2, 2}, {0, 2}, {2, 0});
    EXPECT_NEAR(x, 1.0L, 1e-11);
    EXPECT_NEAR(z, 1.0L, 1e-11);

    Real48 vx = 7, vz = 8;
    IntersectLines(vx, vz, {1, 0}, {1, 5}, {0, 2}, {2, 0});
    EXPECT_EQ(vx, 7.0L);
    EXPECT_EQ(vz, 8.0L);
    IntersectLines(vx, vz, {0, 2}, {2, 0}, {3, 0}, {3, 5});
    EXPECT_EQ(vx, 7.0L);

    EXPECT_THROW(IntersectLines(vx, vz, {0, 0}, {1, 1}, {0, 1}, {1, 2}), DivisionByZero);
}

TEST(Geometry, LinesAndDiagonals)
{
    EXPECT_FALSE(LineThrough({1, 0}, {1, 3}).has_value());
    const auto line = LineThrough({1, 1}, {3, 5});
    ASSERT_TRUE(line.has_value());
    EXPECT_EQ(line->Slope, 2.0L);
    EXPECT_EQ(line->Intercept, -1.0L);
    EXPECT_EQ(EvalLine(*line, 4), 7.0L);

    TDiagonal d{0, 1, std::sin(kPi / 4), -std::cos(kPi / 4), kPi / 4};
    EXPECT_NEAR(DiagonalY(d, std::sqrt(2.0L)), 1.0L, 1e-11);
    EXPECT_NEAR(DiagonalZ(d, std::sqrt(2.0L)), 0.0L, 1e-11);
}

TEST(Geometry, SmallHelpers)
{
    EXPECT_EQ(Sign(-0.1L), -1);
    EXPECT_EQ(Sign(0), 0);
    EXPECT_EQ(Sign(3), 1);
    EXPECT_EQ(Max3(2, 2, 1), 2.0L);
    EXPECT_EQ(Max3(1, 2, 2), 2.0L);
    EXPECT_EQ(Cube(3), 27.0L);
    EXPECT_NEAR(Power(8, 1.0L / 3), 2.0L, 1e-11);
    EXPECT_NEAR(Log10(1000), 3.0L, 1e-11);
    EXPECT_NEAR(Tan(kPi / 4), 1.0L, 1e-11);
    EXPECT_THROW(Power(0, 0.5L), DivisionByZero);
    EXPECT_THROW(Power(-1, 0.5L), InvalidOperation);
    EXPECT_THROW(Log10(0), DivisionByZero);
    EXPECT_NEAR(DegreesToRadians(180), kPi, 1e-15);
}

TEST(Geometry, ATangentTakenAgainIsTheSameAsTheFirst)
{
    // Repeated and alternating angles, and the two zeros, which the 6-byte
    // result holds alike.
    const long double angles[] = {0.3L, 0.3L, 0.0L, -0.0L, 0.3L, -0.0L, 1.2L, 0.3L};
    for (long double angle : angles) {
        const Real48 expected = std::sin(angle) / std::cos(angle);
        EXPECT_EQ(Tan(angle).Value(), expected.Value()) << angle;
    }
}
