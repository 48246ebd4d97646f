#include <gtest/gtest.h>

#include "analysis/QuickCalc.h"

using namespace sloopform;

TEST(QuickCalc, ReadoutsFromTheParametersInTenCharacters)
{
    auto hull = HullRecord::Create();
    hull->Lwl = 10;
    hull->Bwl = 3;
    hull->Tc = 0.5L;
    hull->Cm = 0.7L;
    hull->Cp = 0.55L;
    hull->Cwp = 0.7L;
    const auto rows = QuickCalcReadouts(*hull);
    EXPECT_EQ(rows[0].Caption, "Block Coefficient");
    EXPECT_EQ(rows[0].Value, "     0.385");
    EXPECT_EQ(rows[0].Unit, "-");
    // 5.775 m³ of water at 1025 kg/m³.
    EXPECT_EQ(rows[1].Caption, "Displacement");
    EXPECT_EQ(rows[1].Value, "  5919.375");
    EXPECT_EQ(rows[1].Unit, "Kg");
    EXPECT_EQ(rows[2].Caption, "Waterplane Area");
    EXPECT_EQ(rows[2].Value, "    21.000");
    EXPECT_EQ(rows[2].Unit, "m²");

    hull->WaterDensity = 1000;
    EXPECT_EQ(QuickCalcReadouts(*hull)[1].Value, "  5775.000");
}

TEST(QuickCalc, NewProjectShowsZeroes)
{
    const auto hull = HullRecord::Create();
    for (const QuickCalcRow& row : QuickCalcReadouts(*hull)) EXPECT_EQ(row.Value, "     0.000");
}
