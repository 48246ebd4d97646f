#include <gtest/gtest.h>

#include <cmath>

#include "GeneratorFixture.h"
#include "HandBuiltHull.h"
#include "generator/DiagonalFitting.h"
#include "generator/Diagonals.h"
#include "generator/Profile.h"
#include "generator/SectionMeasures.h"
#include "generator/Sections.h"
#include "generator/Sheerline.h"
#include "generator/Waterline.h"
#include "model/StationOutline.h"

using namespace sloopform;
using sloopform::test::HandBuiltHull;

namespace {

const char* const kTooLow = "Warning[1]: Required Section Coefficient Could be too LOW";
const char* const kTooHigh = "Warning[1]: Required Section Coefficient Could be too HIGH";

// Coefficient of station s's stored outline against the given reference beam.
long double Coefficient(const HullRecord& hull, int s, long double beam)
{
    const TStation& st = hull.Stations[static_cast<std::size_t>(s)];
    const long double depth = hull.Tc - st.KeelHeight;
    return 2 * SectionHalfArea(6, 4, StationOutline(hull, s), hull.Tc - depth, hull.Tc) / (depth * beam);
}

// Angle from the vertical of the line from the base line on the centre plane
// to station s's diagonal-1 point.
long double DiagonalOnePointAngle(const HullRecord& hull, int s)
{
    const TPoint2r p = StationOutline(hull, s)[3];
    return std::atan(p.x / p.y);
}

class Sections : public test::GeneratorFixture {
protected:
    // The hull as the hull stage finds it before its first evaluation: midship
    // and aft end constructed, every other station interpolated and measured.
    std::unique_ptr<HullRecord> Interpolated()
    {
        auto hull = HandBuiltHull();
        InitialiseDiagonals(*hull);
        FitDiagonalsToSections(*hull, 3);
        SectionsFromDiagonals(*hull);
        memo.ClearText();
        return hull;
    }

    // A realistic design whose aft quarter section, once its diagonal-1 point
    // is pinned at keel height, cycles through the same sixteen shapes without
    // ever meeting a coefficient of 0.817 within 0.01.
    std::unique_ptr<HullRecord> CyclingDesignInterpolated()
    {
        auto hull = test::DesignFromText(
            "Loa=14.178 Lwl=11.183 BMax=4.423 Bwl=3.563 BTransom=3.124 Tc=0.482 Fovh=2.022 "
            "FreeBow=1.471 FreeCenter=1.159 FreeAft=1.048 BPDA=18.905 BPLWLT=0.218 "
            "TransomAngle=6.896 Cp=0.596 Cm=0.788 Cwp=0.706 LCF=56.769 LCB=53.034 ApAngle=7.065");
        test::SetDefaultGoals(*hull);
        PrepareRun(*hull);
        for (auto stage : {CreateProfile, CreateSheerline, CreateDiagonals, CreateWaterline,
                           InitialiseDiagonals})
            stage(*hull);
        FitDiagonalsToSections(*hull, 3);
        SectionsFromDiagonals(*hull);
        memo.ClearText();
        return hull;
    }
};

}  // namespace

TEST(InitialBilgeAngle, RunsFromTheChineAngleAtHalfFullToTheVerticalAtFull)
{
    const long double chine = std::atan(2.9L / (2 * 0.55L));
    EXPECT_NEAR(InitialBilgeAngle(2.9L, 0.55L, 0.5L), chine, 1e-11);
    EXPECT_NEAR(InitialBilgeAngle(2.9L, 0.55L, 1), kPi / 2, 1e-11);
}

TEST(FairnessAngle, IsZeroWhenThePolygonTurnsEquallyAtBothDiagonalPoints)
{
    TPointBlock2 p;
    // P2..P5 on a circle, equally spaced: equal turning.
    for (int i = 2; i <= 5; ++i) {
        const long double a = -kPi / 2 + (i - 2) * 0.4L;
        p[i] = {std::cos(a), 1 + std::sin(a)};
    }
    EXPECT_NEAR(FairnessAngle(p), 0, 1e-8);
    // Turning 20 degrees at P3 and 10 at P4 is 10 degrees unfair.
    const long double d20 = 20 * kPi / 180, d30 = 30 * kPi / 180;
    p[2] = {0, 0};
    p[3] = {1, 0};
    p[4] = {1 + std::cos(d20), std::sin(d20)};
    p[5] = {p[4].x + std::cos(d30), p[4].y + std::sin(d30)};
    EXPECT_NEAR(FairnessAngle(p), 10, 1e-7);
}

TEST_F(Sections, NewSectionMeetsItsBeamAndCoefficientWithAFairBilge)
{
    auto hull = HandBuiltHull();
    hull->DefinedSectionCount = 1;
    TStation& midship = hull->Stations[10];
    midship.RequiredSectionCoefficient = 0.72L;
    midship.DesignWaterlineBeam = 2.9L;
    CreateNewSection(10, *hull);

    EXPECT_EQ(Lines(), (std::vector<std::string>{" CreateNewSection(10, 0.720, 2.900)"}));
    EXPECT_TRUE(midship.SectionDefined);
    EXPECT_EQ(hull->DefinedSectionCount, 2);
    EXPECT_NEAR(2 * SectionHalfBreadthAt(6, 4, StationOutline(*hull, 10), hull->Tc), 2.9L, 2 * hull->DimensionGoal);
    EXPECT_NEAR(Coefficient(*hull, 10, 2.9L), 0.72L, hull->CoefficientGoal);
    EXPECT_LE(Generator().Section.BilgeAngle, DiagonalOnePointAngle(*hull, 10) + 1e-11);
}

TEST_F(Sections, ABilgeAngleBeyondTheDiagonalOnePointIsBroughtBackToIt)
{
    auto hull = HandBuiltHull();
    TStation& midship = hull->Stations[10];
    midship.RequiredSectionCoefficient = 0.75L;
    midship.DesignWaterlineBeam = 2.9L;
    const Real48 start = InitialBilgeAngle(2.9L, hull->Tc - midship.KeelHeight, 0.75L);
    CreateNewSection(10, *hull);

    const long double psi = DiagonalOnePointAngle(*hull, 10);
    EXPECT_GT(start, psi + 0.01);  // beyond it at the start
    EXPECT_LT(Generator().Section.BilgeAngle, start);
    EXPECT_LE(Generator().Section.BilgeAngle, psi + 1e-11);
    EXPECT_NEAR(Coefficient(*hull, 10, 2.9L), 0.75L, hull->CoefficientGoal);
}

TEST_F(Sections, ModifiedSectionMeetsItsCoefficientWithAFairBilge)
{
    auto hull = Interpolated();
    const int count = hull->DefinedSectionCount;
    TStation& quarter = hull->Stations[5];
    quarter.RequiredSectionCoefficient = 0.7L;
    const Real48 beam = quarter.WaterlineBeam;
    ModifySectionFromDiagonals(5, *hull);

    EXPECT_EQ(Lines(), (std::vector<std::string>{" ModifySectionFromDiagonals(5, 0.700)"}));
    EXPECT_TRUE(quarter.SectionDefined);
    EXPECT_EQ(hull->DefinedSectionCount, count + 1);
    EXPECT_NEAR(Coefficient(*hull, 5, beam), 0.7L, hull->CoefficientGoal);
    EXPECT_LT(std::fabs(FairnessAngle(StationOutline(*hull, 5))), 5);
}

TEST_F(Sections, CoefficientsOutsideTheReachableRangeAreClampedWithAWarning)
{
    for (auto [required, reached, warning] : {std::tuple{0.30L, 0.38L, kTooLow}, std::tuple{0.97L, 0.95L, kTooHigh}}) {
        auto hull = Interpolated();
        hull->Stations[5].RequiredSectionCoefficient = required;
        const Real48 beam = hull->Stations[5].WaterlineBeam;
        ModifySectionFromDiagonals(5, *hull);
        ASSERT_EQ(Lines().size(), 2u);
        EXPECT_EQ(Lines()[1], warning);
        EXPECT_EQ(Generator().Section.CsTarget, Real48(reached));
        EXPECT_NEAR(Coefficient(*hull, 5, beam), reached, hull->CoefficientGoal);
    }
}

TEST_F(Sections, CoefficientsOnTheLimitsAreNotClamped)
{
    for (long double required : {0.38L, 0.95L}) {
        auto hull = Interpolated();
        hull->Stations[15].RequiredSectionCoefficient = required;
        ModifySectionFromDiagonals(15, *hull);
        EXPECT_EQ(Lines().size(), 1u) << required;
        EXPECT_EQ(Generator().Section.CsTarget, Real48(required));
    }
}

TEST_F(Sections, ADiagonalOnePointBelowTheKeelIsPinnedToIt)
{
    auto hull = Interpolated();
    TStation& quarter = hull->Stations[5];
    quarter.RequiredSectionCoefficient = 0.9L;  // a full section pushes the bilge below the keel
    const Real48 beam = quarter.WaterlineBeam;
    ModifySectionFromDiagonals(5, *hull);

    EXPECT_TRUE(Generator().Section.KeelOverride);
    EXPECT_NEAR(StationOutline(*hull, 5)[3].y, quarter.KeelHeight, 1e-10);
    EXPECT_NEAR(Coefficient(*hull, 5, beam), 0.9L, hull->CoefficientGoal);
    EXPECT_FALSE(CancelFlag());
}

TEST_F(Sections, APinnedSectionThatNeverMeetsItsCoefficientGivesUpAfterTwoHundredEvaluations)
{
    auto hull = CyclingDesignInterpolated();
    TStation& quarter = hull->Stations[15];
    quarter.RequiredSectionCoefficient = 0.817L;
    ModifySectionFromDiagonals(15, *hull);

    // Without the limit only the fixture's watchdog would have ended it.
    EXPECT_FALSE(CancelFlag());
    const SectionStageState& w = Generator().Section;
    EXPECT_TRUE(w.KeelOverride);
    EXPECT_GT(w.Counter, 200);
    EXPECT_LE(w.Counter, 200 + kSecantEvaluationBudget + 2);
    EXPECT_GT(std::fabs(w.Coefficient - w.CsTarget), hull->CoefficientGoal);
    EXPECT_TRUE(quarter.SectionDefined);
    EXPECT_EQ(quarter.DiagonalOffset[2], w.O2);
    EXPECT_NEAR(StationOutline(*hull, 15)[3].y, quarter.KeelHeight, 1e-10);
}

TEST_F(Sections, ANewSectionAfterAPinnedOneFollowsItsBilgeAngleAgain)
{
    auto hull = Interpolated();
    hull->Stations[5].RequiredSectionCoefficient = 0.9L;
    ModifySectionFromDiagonals(5, *hull);
    ASSERT_TRUE(Generator().Section.KeelOverride);

    auto next = HandBuiltHull();
    next->Stations[10].RequiredSectionCoefficient = 0.72L;
    next->Stations[10].DesignWaterlineBeam = 2.9L;
    CreateNewSection(10, *next);
    // The chord from the diagonal-2 point down to the diagonal-1 point leans
    // at the bilge angle.
    const TPointBlock2 p = StationOutline(*next, 10);
    EXPECT_NEAR(std::atan((p[4].x - p[3].x) / (p[4].y - p[3].y)), Generator().Section.BilgeAngle, 1e-9);
}

TEST_F(Sections, NothingIsReshapedOnceTheRunIsCancelled)
{
    auto hull = Interpolated();
    const TStation before = hull->Stations[5];
    const int count = hull->DefinedSectionCount;
    CancelGeneration();
    memo.ClearText();
    ModifySectionFromDiagonals(5, *hull);
    EXPECT_TRUE(Lines().empty());
    EXPECT_FALSE(hull->Stations[5].SectionDefined);
    EXPECT_EQ(hull->DefinedSectionCount, count);
    for (int d = 1; d <= 3; ++d) EXPECT_EQ(hull->Stations[5].DiagonalOffset[d], before.DiagonalOffset[d]);
}

TEST_F(Sections, ACancelledNewSectionIsStillStored)
{
    auto hull = HandBuiltHull();
    hull->Stations[10].RequiredSectionCoefficient = 0.72L;
    hull->Stations[10].DesignWaterlineBeam = 2.9L;
    CancelAfter(3);
    CreateNewSection(10, *hull);
    EXPECT_TRUE(CancelFlag());
    EXPECT_TRUE(hull->Stations[10].SectionDefined);
    EXPECT_EQ(hull->DefinedSectionCount, 1);
    EXPECT_EQ(hull->Stations[10].DiagonalOffset[2], Generator().Section.O2);
}

TEST_F(Sections, AStationOutsideTheHullIsRejected)
{
    auto hull = HandBuiltHull();
    EXPECT_THROW(CreateNewSection(21, *hull), std::out_of_range);
    EXPECT_THROW(ModifySectionFromDiagonals(-1, *hull), std::out_of_range);
}
