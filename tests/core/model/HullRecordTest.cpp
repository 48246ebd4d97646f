#include <gtest/gtest.h>

#include <stdexcept>

#include "model/HullRecord.h"

using namespace sloopform;

TEST(HullRecord, CreateZeroesParametersAndSetsConstants)
{
    const auto hull = HullRecord::Create();
    for (Real48 field : {hull->Fovh, hull->Loa, hull->Lwl, hull->BMax, hull->Bwl, hull->BTransom,
                         hull->Tc, hull->FreeBow, hull->FreeCenter, hull->FreeAft, hull->BPDA,
                         hull->BPLWLT, hull->TransomAngle, hull->Cp, hull->Cm, hull->Cwp, hull->LCF,
                         hull->LCB, hull->ApAngle})
        EXPECT_EQ(field, 0.0L);
    EXPECT_EQ(hull->WaterDensity, 1025.0L);
    EXPECT_EQ(hull->Gravity, Real48(9.82L).Value());
    EXPECT_EQ(hull->Viscosity, Real48(1.19e-6L).Value());
    EXPECT_FALSE(hull->HullComplete || hull->TransomDone || hull->SheerDone || hull->ProfileDone ||
                 hull->WaterlineDone);
}

TEST(HullRecord, FieldsOverflowAndUnderflowLikeSixByteReals)
{
    auto hull = HullRecord::Create();
    EXPECT_ANY_THROW(hull->Loa = 1e39L);
    hull->Loa = 1e-40L;
    EXPECT_EQ(hull->Loa, 0.0L);
}

TEST(HullRecord, ClearFlagsAndStationPositions)
{
    auto hull = HullRecord::Create();
    hull->HullComplete = hull->TransomDone = hull->SheerDone = hull->ProfileDone =
        hull->WaterlineDone = true;
    hull->ClearFlags();
    EXPECT_FALSE(hull->HullComplete || hull->TransomDone || hull->SheerDone || hull->ProfileDone ||
                 hull->WaterlineDone);
    hull->Fovh = 0.9L;
    hull->Lwl = 9;
    EXPECT_EQ(hull->StationX(0), Real48(0.9L).Value());
    EXPECT_NEAR(hull->StationX(20), 9.9L, 1e-11);
}

TEST(HullRecord, BlockCapacitiesAreCheckedLimits)
{
    auto hull = HullRecord::Create();
    EXPECT_NO_THROW(hull->ProfilePoints[100].x = 1);
    EXPECT_THROW(hull->ProfilePoints[101], std::out_of_range);
    EXPECT_THROW(hull->SheerPoints[31], std::out_of_range);
    EXPECT_THROW(hull->TransomPoints[0], std::out_of_range);
    EXPECT_THROW(hull->Stations[0].DiagonalOffset[4], std::out_of_range);
    EXPECT_THROW(hull->Diagonals[5], std::out_of_range);
}

TEST(HullRecord, CurrentRecordIsProcessWide)
{
    auto hull = HullRecord::Create();
    SetCurrentHull(hull.get());
    EXPECT_EQ(CurrentHull(), hull.get());
    SetCurrentHull(nullptr);
    EXPECT_EQ(CurrentHull(), nullptr);
}
