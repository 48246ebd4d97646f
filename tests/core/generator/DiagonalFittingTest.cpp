#include <gtest/gtest.h>

#include <cmath>

#include "GeneratorFixture.h"
#include "HandBuiltHull.h"
#include "generator/DiagonalFitting.h"
#include "generator/SectionMeasures.h"
#include "model/StationOutline.h"
#include "numeric/ArithmeticFault.h"

using namespace sloopform;
using sloopform::test::HandBuiltHull;

namespace {

const char* const kFitFailure = "Fatal Error[1]: Unable to Fit Diagonals to Sections";

TPointBlock2 Points(std::initializer_list<TPoint2r> points)
{
    TPointBlock2 block;
    int i = 0;
    for (const TPoint2r& p : points) block[++i] = p;
    return block;
}

class DiagonalFitting : public test::GeneratorFixture {};

}  // namespace

TEST_F(DiagonalFitting, FittedOffsetsPassThroughTheDataAtTheirStations)
{
    const auto& offsets = FitDiagonal(4, 3, Points({{-2, 0}, {5, 0.9L}, {10, 1.2L}, {20, 0.8L}}));
    EXPECT_NEAR(offsets[5], 0.9L, 0.01);
    EXPECT_NEAR(offsets[10], 1.2L, 0.01);
    EXPECT_EQ(offsets[20], Real48(0.8L));  // the last sample is the last data point
    EXPECT_GT(offsets[0], 0);
    for (int s = 1; s <= 10; ++s) EXPECT_GT(offsets[s], offsets[s - 1] - 0.02) << s;
}

TEST_F(DiagonalFitting, StationsBeyondTheFittedCurveKeepThePreviousFit)
{
    const StationOffsets first = FitDiagonal(3, 3, Points({{-1, 0}, {10, 1}, {20, 2}}));
    const auto& second = FitDiagonal(3, 3, Points({{-1, 5}, {6, 6}, {12, 7}}));
    EXPECT_NEAR(second[6], 6, 0.01);
    for (int s = 13; s <= 20; ++s) EXPECT_EQ(second[s], first[s]) << s;
}

TEST_F(DiagonalFitting, InitialisationSetsTheEndsAndConstructsTheMidship)
{
    auto hull = HandBuiltHull();  // Bwl 2.9, Fovh 0.9, FreeBow 1.25, Lwl 9, Cm 0.72
    hull->Stations[7].SectionDefined = true;
    hull->Stations[7].DiagonalOffset[2] = 4;
    InitialiseDiagonals(*hull);

    EXPECT_EQ(hull->DiagonalEndStation[1], Real48(-1e-11L));
    EXPECT_NEAR(hull->DiagonalEndStation[2], -0.58L, 1e-10);  // -(2.9/8)(0.9/1.25)/0.45
    EXPECT_NEAR(hull->DiagonalEndStation[3], -1.16L, 1e-10);
    for (int d = 1; d <= 3; ++d) EXPECT_EQ(hull->DiagonalEndOffset[d], 0);

    EXPECT_EQ(hull->DefinedSectionCount, 3);
    for (int s = 0; s <= 20; ++s) EXPECT_EQ(hull->Stations[s].SectionDefined, s == 10 || s == 20) << s;
    EXPECT_EQ(hull->Stations[7].DiagonalOffset[2], 0);
    EXPECT_EQ(hull->Stations[10].RequiredSectionCoefficient, hull->Cm);
    EXPECT_EQ(hull->Stations[10].DesignWaterlineBeam, hull->Bwl);
    EXPECT_EQ(Lines(), (std::vector<std::string>{" CreateNewSection(10, 0.720, 2.900)"}));

    // Aft end: diagonal 1 on the centre line, diagonal 2 reaching Bwl / 8 outboard.
    const TStation& aft = hull->Stations[20];
    EXPECT_EQ(aft.DiagonalOffset[1], 0);
    EXPECT_NEAR(aft.DiagonalOffset[2] * std::cos(static_cast<long double>(hull->Diagonals[2].Angle)),
                hull->Bwl / 8, 1e-10);
}

TEST_F(DiagonalFitting, AftDiagonal3FollowsTheFlareLineThroughTheSheerCorner)
{
    auto hull = HandBuiltHull();  // ApAngle 15
    InitialiseDiagonals(*hull);
    const TStation& aft = hull->Stations[20];
    const long double theta2 = hull->Diagonals[2].Angle, theta3 = hull->Diagonals[3].Angle;
    // The flare line runs down from (SheerBeam/2, SheerHeight + Tc), leaning
    // ApAngle inwards from the vertical; diagonal 3 runs down from
    // (0, Tc + Bwl/4) at theta3 from the vertical. Their crossing's half-breadth:
    const long double a = hull->ApAngle * kPi / 180;
    const long double yTop = aft.SheerBeam / 2, zTop = aft.SheerHeight + hull->Tc;
    const long double z0 = hull->Tc + hull->Bwl / 4;
    // y = yTop - (zTop - z) tan a  and  y = (z0 - z) tan theta3
    const long double z = (yTop - zTop * std::tan(a) - z0 * std::tan(theta3)) / (-std::tan(a) - std::tan(theta3));
    const long double y = (z0 - z) * std::tan(theta3);
    // The offset is that half-breadth over the sine of diagonal 2's inclination.
    EXPECT_NEAR(aft.DiagonalOffset[3] * std::sin(theta2), y, 1e-9);

    hull = HandBuiltHull();
    hull->ApAngle = 0;
    InitialiseDiagonals(*hull);
    EXPECT_NEAR(hull->Stations[20].DiagonalOffset[3] * 2 * std::cos(theta3), hull->Stations[20].SheerBeam / 2, 1e-10);
}

TEST_F(DiagonalFitting, ZeroBowFreeboardIsADivisionByZero)
{
    auto hull = HandBuiltHull();
    hull->FreeBow = 0;
    EXPECT_THROW(InitialiseDiagonals(*hull), DivisionByZero);
}

TEST_F(DiagonalFitting, WithTheMidshipAndTheAftEndEachDiagonalRunsThroughThreePoints)
{
    auto hull = HandBuiltHull();
    InitialiseDiagonals(*hull);
    const TStation midship = hull->Stations[10], aft = hull->Stations[20];
    FitDiagonalsToSections(*hull, 3);

    for (int d = 1; d <= 3; ++d) {
        const StationOffsets expected = FitDiagonal(
            3, 3, Points({{hull->DiagonalEndStation[d], 0}, {10, midship.DiagonalOffset[d]}, {20, aft.DiagonalOffset[d]}}));
        for (int s = 0; s <= 20; ++s) {
            if (s == 10 || s == 20) continue;
            EXPECT_EQ(hull->Stations[s].DiagonalOffset[d], expected[s]) << "diagonal " << d << " station " << s;
        }
        EXPECT_EQ(hull->Stations[10].DiagonalOffset[d], midship.DiagonalOffset[d]);
        EXPECT_EQ(hull->Stations[20].DiagonalOffset[d], aft.DiagonalOffset[d]);
    }
    // Station 0: diagonal 1 starts on it, diagonals 2 and 3 start ahead of it.
    EXPECT_NEAR(hull->Stations[0].DiagonalOffset[1], 0, 0.02);
    EXPECT_GT(hull->Stations[0].DiagonalOffset[2], 0.05);
    EXPECT_GT(hull->Stations[0].DiagonalOffset[3], hull->Stations[0].DiagonalOffset[2]);
    EXPECT_FALSE(CancelFlag());
}

TEST_F(DiagonalFitting, InconsistentConstructedSectionsStopTheRun)
{
    auto hull = HandBuiltHull();
    InitialiseDiagonals(*hull);
    const TStation before = hull->Stations[4];

    // Station 10 cleared without taking it off the count.
    hull->Stations[10].SectionDefined = false;
    FitDiagonalsToSections(*hull, 3);
    EXPECT_TRUE(CancelFlag());
    EXPECT_EQ(CountLines(kFitFailure), 1);
    EXPECT_EQ(Lines().back(), "TARNOVIC: Cancelling...");
    for (int d = 1; d <= 3; ++d) EXPECT_EQ(hull->Stations[4].DiagonalOffset[d], before.DiagonalOffset[d]);

    // Counted right, but the last constructed section is not the aft end.
    ResetCancel();
    hull->Stations[10].SectionDefined = true;
    hull->Stations[20].SectionDefined = false;
    hull->Stations[15].SectionDefined = true;
    FitDiagonalsToSections(*hull, 3);
    EXPECT_TRUE(CancelFlag());
    EXPECT_EQ(CountLines(kFitFailure), 2);

    // One constructed section too many for the count.
    ResetCancel();
    hull->Stations[20].SectionDefined = true;
    FitDiagonalsToSections(*hull, 3);
    EXPECT_TRUE(CancelFlag());
    EXPECT_EQ(CountLines(kFitFailure), 3);
}

TEST_F(DiagonalFitting, SectionsAreMeasuredFromTheirOutlines)
{
    auto hull = HandBuiltHull();
    InitialiseDiagonals(*hull);
    FitDiagonalsToSections(*hull, 3);
    SectionsFromDiagonals(*hull);

    for (int s : {0, 20}) {
        const TStation& end = hull->Stations[s];
        EXPECT_EQ(end.WaterlineBeam, 0);
        EXPECT_EQ(end.SectionArea, 0);
        EXPECT_EQ(end.SectionVca, 0);
        EXPECT_EQ(end.SectionCoefficient, 0);
    }
    for (int s = 1; s <= 19; ++s) {
        const TStation& st = hull->Stations[s];
        const TPointBlock2 outline = StationOutline(*hull, s);
        EXPECT_EQ(st.WaterlineBeam, 2 * SectionHalfBreadthAt(6, 4, outline, hull->Tc)) << s;
        EXPECT_EQ(st.SectionArea, 2 * SectionHalfArea(6, 4, outline, st.KeelHeight, hull->Tc)) << s;
        EXPECT_EQ(st.SectionVca, SectionCentroid(6, 4, outline, st.KeelHeight, hull->Tc)) << s;
        EXPECT_NEAR(st.SectionCoefficient * st.WaterlineBeam * (hull->Tc - st.KeelHeight), st.SectionArea, 1e-10);
        EXPECT_GT(st.SectionVca, st.KeelHeight) << s;
        EXPECT_LT(st.SectionVca, hull->Tc) << s;
    }
    // The constructed midship meets its beam.
    EXPECT_NEAR(hull->Stations[10].WaterlineBeam, hull->Bwl, 2 * hull->DimensionGoal);
}

TEST_F(DiagonalFitting, ASectionBelowTheWaterlineHasNoCoefficient)
{
    auto hull = HandBuiltHull();
    InitialiseDiagonals(*hull);
    FitDiagonalsToSections(*hull, 3);
    // Station 3's outline held below the design waterline: no beam there.
    TStation& low = hull->Stations[3];
    for (int d = 1; d <= 3; ++d) low.DiagonalOffset[d] = 5;
    low.SheerHeight = hull->Tc * 0.5L;
    EXPECT_EQ(SectionHalfBreadthAt(6, 4, StationOutline(*hull, 3), hull->Tc), 0);
    EXPECT_THROW(SectionsFromDiagonals(*hull), ArithmeticFault);
}
