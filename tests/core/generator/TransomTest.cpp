#include <gtest/gtest.h>

#include <cmath>

#include "GeneratorFixture.h"
#include "HandBuiltHull.h"
#include "generator/Transom.h"
#include "numeric/Geometry.h"

using namespace sloopform;
using sloopform::test::HandBuiltHull;

namespace {

// Offsets along each diagonal that grow as a parabola in x; aft they put the
// diagonals between the transom's bottom and its top.
long double ParabolicOffset(int d, long double x) { return 0.05L * d + 0.001L * d * x + 0.002L * x * x; }

void ParabolicOffsets(HullRecord& hull)
{
    for (int s = 0; s <= 20; ++s) {
        const long double x = hull.StationX(s);
        for (int d = 1; d <= 3; ++d)
            hull.Stations[s].DiagonalOffset[d] = ParabolicOffset(d, x);
    }
}


void ExpectOnDiagonal(const HullRecord& hull, int point, int d)
{
    const TPoint3r& p = hull.TransomPoints[point];
    const long double t = ParabolicOffset(d, p.x);
    EXPECT_NEAR(p.y, DiagonalY(hull.Diagonals[d], t), 1e-7) << "point " << point;
    EXPECT_NEAR(p.z, DiagonalZ(hull.Diagonals[d], t), 1e-7) << "point " << point;
}

class Transom : public test::GeneratorFixture {};

}  // namespace

TEST_F(Transom, TheAftOffsetsAreFittedByAParabola)
{
    auto hull = HandBuiltHull();
    ParabolicOffsets(*hull);
    const TQuadratic fit = FitDiagonalAft(*hull, 2);
    EXPECT_NEAR(fit.a, 0.002L, 1e-9);
    EXPECT_NEAR(fit.b, 0.002L, 1e-8);
    EXPECT_NEAR(fit.c, 0.1L, 1e-7);
}

TEST_F(Transom, AVerticalTransomLiesInThePlaneOfTheStern)
{
    auto hull = HandBuiltHull();
    ParabolicOffsets(*hull);
    hull->TransomAngle = 0;
    CreateTransom(*hull);

    EXPECT_TRUE(hull->TransomDone);
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(hull->TransomPoints[i].x, hull->Loa) << i;
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(hull->TransomPoints[i].y, 0);
        EXPECT_EQ(hull->TransomPoints[i].z, Real48(hull->Tc + hull->TransomRise));
    }
    ExpectOnDiagonal(*hull, 4, 2);
    ExpectOnDiagonal(*hull, 5, 3);
    EXPECT_EQ(hull->TransomPoints[6].y, Real48(hull->BTransom / 2));
    EXPECT_EQ(hull->TransomPoints[6].z, Real48(hull->Tc + hull->FreeAft));
}

TEST_F(Transom, AHighTransomBottomLeavesOnlyDiagonal3)
{
    auto hull = HandBuiltHull();
    ParabolicOffsets(*hull);
    hull->TransomAngle = 0;
    hull->TransomRise = hull->Bwl * 0.125L + 0.01L;
    CreateTransom(*hull);
    for (int i = 2; i <= 4; ++i) {
        EXPECT_EQ(hull->TransomPoints[i].y, hull->TransomPoints[1].y);
        EXPECT_EQ(hull->TransomPoints[i].z, hull->TransomPoints[1].z);
    }
    ExpectOnDiagonal(*hull, 5, 3);
}

TEST_F(Transom, ARakedTransomIsPiercedWhereTheDiagonalsCrossIt)
{
    auto hull = HandBuiltHull();  // transom raked 10 degrees
    ParabolicOffsets(*hull);
    CreateTransom(*hull);

    const long double rake = std::tan(hull->TransomAngle * kPi / 180);
    const long double xTop = hull->Loa - (hull->FreeAft - hull->TransomRise) * rake;
    EXPECT_NEAR(hull->TransomPoints[6].x, xTop, 1e-10);
    for (int point : {4, 5}) {
        const TPoint3r& p = hull->TransomPoints[point];
        // On the transom: its height above the lowest point over the rake.
        EXPECT_NEAR(hull->Loa - p.x, (p.z - hull->Tc - hull->TransomRise) * rake, 1e-4) << point;
        EXPECT_LT(p.x, hull->Loa);
        EXPECT_GT(p.x, xTop);
        ExpectOnDiagonal(*hull, point, point - 2);
    }
    EXPECT_FALSE(CancelFlag());
}

TEST_F(Transom, ARakedTransomOfNoHeightIsTreatedAsVertical)
{
    auto hull = HandBuiltHull();
    ParabolicOffsets(*hull);
    hull->FreeAft = hull->TransomRise;
    CreateTransom(*hull);

    EXPECT_TRUE(hull->TransomDone);
    EXPECT_FALSE(CancelFlag());
    EXPECT_TRUE(Lines().empty());
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(hull->TransomPoints[i].x, hull->Loa) << i;
    ExpectOnDiagonal(*hull, 4, 2);
    ExpectOnDiagonal(*hull, 5, 3);
}
