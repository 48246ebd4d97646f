#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "GeneratorFixture.h"
#include "HandBuiltHull.h"
#include "generator/DiagonalFitting.h"
#include "generator/HullGeneration.h"
#include "numeric/NumberText.h"

using namespace sloopform;
using sloopform::test::HandBuiltHull;

namespace {

class HullGeneration : public test::GeneratorFixture {
protected:
    // The hull as the run driver hands it to the hull stage.
    std::unique_ptr<HullRecord> Initialised()
    {
        auto hull = HandBuiltHull();
        InitialiseDiagonals(*hull);
        FitDiagonalsToSections(*hull, 3);
        memo.ClearText();
        return hull;
    }

    static long double VolumeTarget(const HullRecord& hull)
    {
        return hull.Cp * hull.Lwl * hull.Bwl * hull.Tc * hull.Cm;
    }
};

}  // namespace

TEST_F(HullGeneration, AnEvaluationReshapesTheQuarterSectionsAndIntegrates)
{
    auto hull = Initialised();
    hull->Cm = 0.70L;
    Generator().HullStage.SectionFullness = 0.95L;
    Generator().HullStage.SectionSkew = 0.05L;
    for (int pass = 0; pass < 2; ++pass) {
        EvaluateHull(*hull);
        EXPECT_EQ(hull->Stations[5].RequiredSectionCoefficient, Real48(0.63L));
        EXPECT_EQ(hull->Stations[15].RequiredSectionCoefficient, Real48(0.70L));
        EXPECT_TRUE(hull->Stations[5].SectionDefined);
        EXPECT_TRUE(hull->Stations[15].SectionDefined);
        EXPECT_EQ(hull->DefinedSectionCount, 5);
    }
    EXPECT_EQ(Lines(), (std::vector<std::string>{" ModifySectionFromDiagonals(5, 0.630)",
                                                 " ModifySectionFromDiagonals(15, 0.700)",
                                                 " ModifySectionFromDiagonals(5, 0.630)",
                                                 " ModifySectionFromDiagonals(15, 0.700)"}));

    const auto [volume, centre] = test::StationVolume(*hull);
    const HullStageState& w = Generator().HullStage;
    EXPECT_NEAR(w.HullVolume, volume, 1e-9);
    EXPECT_NEAR(w.LCBPosition, centre, 1e-9);
    EXPECT_NEAR(w.HullLCBFraction, centre / hull->Lwl, 1e-10);
}

TEST_F(HullGeneration, TheGeneratedHullMeetsItsVolumeAndCentreOfBuoyancy)
{
    auto hull = Initialised();
    GenerateHull(*hull);

    EXPECT_FALSE(CancelFlag());
    EXPECT_TRUE(hull->HullComplete);
    EXPECT_EQ(hull->DefinedSectionCount, 5);
    const auto [volume, centre] = test::StationVolume(*hull);
    EXPECT_NEAR(volume, VolumeTarget(*hull), 0.05);
    EXPECT_NEAR(centre / hull->Lwl * 100, hull->LCB, hull->PercentageGoal);
    for (int s : {5, 15})
        EXPECT_NEAR(hull->Stations[s].SectionCoefficient, hull->Stations[s].RequiredSectionCoefficient, 0.03) << s;
}

TEST_F(HullGeneration, AFarAftCentreOfBuoyancyClampsTheAftQuarterOnEveryEvaluation)
{
    auto hull = Initialised();
    hull->LCB = 62;
    CancelAfter(1500);
    GenerateHull(*hull);
    EXPECT_TRUE(CancelFlag());
    EXPECT_TRUE(hull->HullComplete);  // the driver clears it after a cancel

    const auto lines = Lines();
    int clamped = 0;
    const std::string aft = " ModifySectionFromDiagonals(15, ";
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        if (lines[i].rfind(aft, 0) != 0) continue;
        const long double required = *ParseReal(lines[i].substr(aft.size(), 5));
        const bool warned = lines[i + 1] == "Warning[1]: Required Section Coefficient Could be too HIGH";
        EXPECT_EQ(warned, required > 0.95L) << lines[i];
        clamped += warned ? 1 : 0;
    }
    EXPECT_GT(clamped, 3);
}

