#include <gtest/gtest.h>

#include <cmath>

#include "generator/Diagonals.h"
#include "numeric/Geometry.h"

using namespace sloopform;

TEST(Diagonals, OriginsOnTheCentreLineAtAndAboveTheWaterline)
{
    auto hull = HullRecord::Create();
    hull->Tc = 1;
    hull->Bwl = 2;
    CreateDiagonals(*hull);
    const auto& d = hull->Diagonals;
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(d[i].Y0, 0.0L);
    EXPECT_EQ(d[1].Z0, 1.0L);
    EXPECT_EQ(d[2].Z0, 1.25L);
    EXPECT_EQ(d[3].Z0, 1.5L);
    // sqrt(2) along the 45 degree diagonal reaches the base line one unit out.
    EXPECT_NEAR(DiagonalY(d[1], std::sqrt(2.0L)), 1.0, 1e-9);
    EXPECT_NEAR(DiagonalZ(d[1], std::sqrt(2.0L)), 0.0, 1e-9);
}

TEST(Diagonals, AnglesAndDirections)
{
    auto hull = HullRecord::Create();
    hull->Tc = 0.55L;
    hull->Bwl = 2.9L;
    hull->Diagonals[4].Y0 = 7;  // record 4 carries only its angle
    CreateDiagonals(*hull);
    const auto& d = hull->Diagonals;

    // The stored constants, not pi/4 and pi/18 themselves.
    EXPECT_EQ(d[1].Angle, Real48(0.7853981634L));
    EXPECT_NE(d[1].Angle, Real48(kPi / 4));
    EXPECT_EQ(d[4].Angle, Real48(0.1745329252L));
    EXPECT_EQ(d[4].Y0, 7.0L);
    EXPECT_NEAR(d[3].Angle, std::atan(2.0L), 1e-11);
    EXPECT_EQ(d[2].Angle, Round48((d[1].Angle + d[3].Angle) / 2));
    EXPECT_NEAR(d[2].Angle * 180 / kPi, 54.22, 0.01);

    for (int i = 1; i <= 3; ++i) {
        SCOPED_TRACE(i);
        // Unit directions running outwards and downwards, at Angle from the downward vertical.
        EXPECT_NEAR(d[i].DY * d[i].DY + d[i].DZ * d[i].DZ, 1.0, 1e-11);
        EXPECT_GT(d[i].DY, 0.0L);
        EXPECT_LT(d[i].DZ, 0.0L);
        EXPECT_NEAR(std::atan2(static_cast<long double>(d[i].DY), -d[i].DZ), d[i].Angle, 1e-11);
    }
}
