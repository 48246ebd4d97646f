#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "BundledDesigns.h"
#include "analysis/ResiduaryTables.h"
#include "analysis/Resistance.h"
#include "numeric/ArithmeticFault.h"

using namespace sloopform;

namespace {

ResistanceParameters Cruiser()
{
    return ResistanceParametersOf(*test::BundledDesign("cruiser-10m"));
}

void ExpectRelative(long double actual, long double expected, long double tolerance = 1e-6L)
{
    EXPECT_NEAR(actual, expected, std::fabs(expected) * tolerance);
}

}  // namespace

TEST(ResiduaryCoefficient, InterpolatesBetweenNeighbouringRows)
{
    const ResiduaryTable& low = ResiduaryTableLow();
    // At a tabulated speed the row itself; halfway the mean of the two rows.
    EXPECT_NEAR(ResiduaryCoefficient(low, 0, 0.125L), -6.735645L, 1e-9);
    EXPECT_NEAR(ResiduaryCoefficient(low, 9, 0.3L), 0.095977L, 1e-9);
    EXPECT_NEAR(ResiduaryCoefficient(low, 1, 0.3375L), (-393.0127L + -801.7908L) / 2, 1e-7);
    EXPECT_NEAR(ResiduaryCoefficient(ResiduaryTableHigh(), 5, 0.5125L),
                (0.009676L + 0.011066L) / 2, 1e-9);
}

TEST(ResiduaryCoefficient, TableEdges)
{
    const ResiduaryTable& low = ResiduaryTableLow();
    const ResiduaryTable& high = ResiduaryTableHigh();
    // 0.45 held as a 6-byte real lies a hair below 0.45: the 0.425-0.450 interval
    // at a weight of almost 1.
    const Real48 fn045 = 0.45L;
    EXPECT_LT(static_cast<long double>(fn045), 0.45L);
    EXPECT_NEAR(ResiduaryCoefficient(low, 0, fn045), 1200.62L, 1e-6);
    EXPECT_NEAR(ResiduaryCoefficient(low, 4, fn045), -132.0424L, 1e-6);

    // The last row exactly, nothing beyond it read.
    EXPECT_EQ(ResiduaryCoefficient(high, 0, Real48(0.75L)), Real48(304.1803L));
    EXPECT_EQ(ResiduaryCoefficient(high, 5, Real48(0.75L)), Real48(0.014031L));

    // Between the tables the high one is extrapolated from its first two rows.
    for (int k = 0; k < 6; ++k) {
        const long double c0 = high.At(0, k), c1 = high.At(1, k);
        EXPECT_NEAR(ResiduaryCoefficient(high, k, 0.46L), c0 + (c1 - c0) * (-0.6L), 1e-6) << k;
    }

    // Speeds that would need a row outside a table are refused, not read.
    EXPECT_THROW(ResiduaryCoefficient(high, 0, 0.76L), std::out_of_range);
    EXPECT_THROW(ResiduaryCoefficient(high, 0, 0.7501L), std::out_of_range);
    EXPECT_THROW(ResiduaryCoefficient(low, 0, 0.09L), std::out_of_range);
    EXPECT_THROW(ResiduaryCoefficient(low, 0, 0.9L), std::out_of_range);
    EXPECT_THROW(low.At(0, 10), std::out_of_range);
}

TEST(Resistance, CruiserAtFroudeNumberPointThreeFive)
{
    const ResistanceResult r = EstimateResistance(Cruiser(), Real48(0.35L));
    // An independent double-precision evaluation of the regression for
    // Lwl 9, Bwl 2.9, Tc 0.55, Cp 0.54, Cm 0.72, LCB 3 % aft of midships.
    ExpectRelative(r.Fn, 0.35L);
    ExpectRelative(r.Velocity, 3.2903723193584034L);
    ExpectRelative(r.WettedArea, 19.670212220497216L);
    ExpectRelative(r.FrictionResistance, 298.00224982362295L);
    EXPECT_EQ(r.FrictionShare, r.FrictionResistance);
    ExpectRelative(r.ResiduaryResistance, 443.96269343755694L);
    ExpectRelative(r.TotalResistance, 741.9649432611799L);
    ExpectRelative(r.WaterplaneCoefficient, 0.6624527335513475L);
}

TEST(Resistance, HighSpeedRegressionUsesTheEstimatedWaterplane)
{
    const ResistanceResult r = EstimateResistance(Cruiser(), Real48(0.6L));
    ExpectRelative(r.ResiduaryResistance, 6628.578139049237L);
    EXPECT_EQ(r.TotalResistance, Real48(r.FrictionShare + r.ResiduaryResistance));
}

TEST(Resistance, LowTableUpToPointFourFiveHighTableAbove)
{
    const ResistanceParameters hull = Cruiser();
    const auto residuary = [&](long double fn) {
        return static_cast<long double>(EstimateResistance(hull, fn).ResiduaryResistance);
    };
    // Each side of the seam is continuous with its own table; the two
    // regressions disagree at the seam, which shows which one was used.
    const long double at045 = residuary(0.45L);
    const long double justAbove = residuary(0.4500001L);
    EXPECT_NEAR(at045, residuary(0.4499999L), 0.01);
    EXPECT_NEAR(justAbove, residuary(0.4500002L), 0.01);
    EXPECT_GT(std::fabs(at045 - justAbove), 10);
    EXPECT_NO_THROW(residuary(0.46L));
    EXPECT_NO_THROW(residuary(0.75L));
    EXPECT_NO_THROW(residuary(0.125L));
}

TEST(Resistance, FrictionDoesNotDependOnLCBButResiduaryDoes)
{
    for (const long double fn : {0.3L, 0.6L}) {
        ResistanceParameters forward = Cruiser();
        ResistanceParameters aft = forward;
        aft.LCB = -4.5L;
        const ResistanceResult a = EstimateResistance(forward, fn);
        const ResistanceResult b = EstimateResistance(aft, fn);
        EXPECT_EQ(a.WettedArea, b.WettedArea) << fn;
        EXPECT_EQ(a.FrictionResistance, b.FrictionResistance) << fn;
        EXPECT_NE(a.ResiduaryResistance, b.ResiduaryResistance) << fn;
    }
}

TEST(Resistance, ParametersOfAHullTurnLCBToMidshipsForm)
{
    auto hull = test::BundledDesign("racer-12m");
    const ResistanceParameters p = ResistanceParametersOf(*hull);
    EXPECT_EQ(p.LCB, Real48(50 - hull->LCB));
    EXPECT_EQ(SwapLCBForm(SwapLCBForm(hull->LCB)), hull->LCB);
    EXPECT_EQ(p.Gravity, Real48(9.82L));
    EXPECT_EQ(p.Viscosity, Real48(1.19e-6L));
    EXPECT_EQ(p.WaterDensity, Real48(1025));
    EXPECT_EQ(DisplacedVolume(p), Real48(hull->Lwl * hull->Bwl * hull->Tc * hull->Cp * hull->Cm));
}

TEST(Resistance, ZeroDimensionsRaiseArithmeticFaults)
{
    for (Real48 ResistanceParameters::*field :
         {&ResistanceParameters::Cm, &ResistanceParameters::Tc, &ResistanceParameters::Lwl}) {
        ResistanceParameters hull = Cruiser();
        hull.*field = 0;
        EXPECT_THROW(EstimateResistance(hull, 0.35L), ArithmeticFault);
    }
}
