#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "BundledDesigns.h"
#include "GeneratorFixture.h"
#include "generator/RunGeneration.h"

using namespace sloopform;

namespace {

const std::vector<std::string> kBanner = {"Carvelon Version 1.04", "Sloopform hull generator", ""};
const std::vector<std::string> kStageLines = {
    "Creating Profile...",       "Creating Sheerline...", "Creating Diagonals...", "Creating WaterLine...",
    "Initialising Diagonals...", "Generating Hull...",    "Creating Transom..."};

bool AnyFlag(const HullRecord& hull)
{
    return hull.HullComplete || hull.TransomDone || hull.SheerDone || hull.ProfileDone || hull.WaterlineDone;
}

class RunGenerationTest : public test::GeneratorFixture {
protected:
    std::vector<std::string> WithoutStageMessages() const
    {
        std::vector<std::string> lines = Lines();
        lines.erase(std::remove_if(lines.begin(), lines.end(),
                                   [](const std::string& l) { return !l.empty() && l[0] == ' '; }),
                    lines.end());
        return lines;
    }
    bool HasLine(const std::string& text) const { return CountLines(text) > 0; }
    bool HasLineStartingWith(const std::string& start) const
    {
        const auto lines = Lines();
        return std::any_of(lines.begin(), lines.end(),
                           [&](const std::string& l) { return l.rfind(start, 0) == 0; });
    }
};

}  // namespace

TEST_F(RunGenerationTest, EveryBundledDesignIsGeneratedAsRequested)
{
    for (const std::string& name : test::BundledDesignNames()) {
        SCOPED_TRACE(name);
        ResetGeneratorState();
        memo.ClearText();
        auto hull = test::BundledDesign(name);
        RunGeneration(*hull, console);

        std::vector<std::string> expected = kBanner;
        expected.insert(expected.end(), kStageLines.begin(), kStageLines.end());
        expected.insert(expected.end(), {"...Finished", ""});
        EXPECT_EQ(WithoutStageMessages(), expected);
        EXPECT_TRUE(hull->HullComplete && hull->TransomDone && hull->SheerDone && hull->ProfileDone &&
                    hull->WaterlineDone);
        EXPECT_EQ(hull->DimensionGoal, Real48(0.001L));
        EXPECT_EQ(hull->PercentageGoal, Real48(0.1L));
        EXPECT_EQ(hull->CoefficientGoal, Real48(0.01L));

        const auto [volume, centre] = test::StationVolume(*hull);
        EXPECT_NEAR(volume, hull->Cp * hull->Lwl * hull->Bwl * hull->Tc * hull->Cm, 0.05);
        EXPECT_NEAR(centre / hull->Lwl * 100, hull->LCB, hull->PercentageGoal);
        EXPECT_NEAR(hull->Stations[10].SectionCoefficient, hull->Cm, hull->CoefficientGoal);
        for (const TStation& station : hull->Stations) {
            EXPECT_LE(station.WaterlineBeam, hull->BMax);
            // The sheer meets half the maximum beam within the dimension goal.
            EXPECT_LE(station.SheerBeam, hull->BMax + 2 * hull->DimensionGoal);
        }
    }
}

TEST_F(RunGenerationTest, TheStagesPrintTheirOwnLinesBetweenTheStageLines)
{
    auto hull = test::BundledDesign("cruiser-10m");
    RunGeneration(*hull, console);
    const auto lines = Lines();
    auto at = [&](const std::string& text) { return std::find(lines.begin(), lines.end(), text) - lines.begin(); };
    EXPECT_EQ(at(" CreateNewSection(10, 0.720, 2.900)"), at("Initialising Diagonals...") + 1);
    EXPECT_EQ(lines[static_cast<std::size_t>(at("Generating Hull...") + 1)].rfind(" ModifySectionFromDiagonals(5, ", 0), 0u);
    EXPECT_LT(at("Generating Hull..."), at("Creating Transom..."));
    for (auto i = at("Generating Hull...") + 1; i < at("Creating Transom..."); ++i)
        EXPECT_EQ(lines[static_cast<std::size_t>(i)].rfind(" ModifySectionFromDiagonals(", 0), 0u);
}

TEST_F(RunGenerationTest, ACancelDuringTheProfileEndsTheRunThere)
{
    auto hull = test::BundledDesign("daysailer-6m");
    ui.onProcessMessages = [this] {
        if (CancelFlag()) return;
        console.WriteLn("Cancelling...");  // the frame's cancel button
        CancelGeneration();
    };
    RunGeneration(*hull, console);

    std::vector<std::string> expected = kBanner;
    expected.insert(expected.end(), {"Creating Profile...", "Cancelling...", "TARNOVIC: Cancelling...",
                                     "...Process Terminated", ""});
    EXPECT_EQ(Lines(), expected);
    EXPECT_FALSE(AnyFlag(*hull));
    EXPECT_EQ(hull->ForefootKeelHeight, Real48(hull->Tc / 6));
    EXPECT_EQ(hull->AftKeelHeight, Real48(hull->Tc * 0.2L));
}

TEST_F(RunGenerationTest, ACancelDuringTheHullStageClearsTheCompletedHull)
{
    auto hull = test::BundledDesign("racer-12m");
    // Cancel once the hull stage has reshaped its first pair of sections.
    ui.onProcessMessages = [this] {
        if (!CancelFlag() && HasLineStartingWith(" ModifySectionFromDiagonals(15, ")) CancelGeneration();
    };
    RunGeneration(*hull, console);

    EXPECT_TRUE(HasLine("Generating Hull..."));
    EXPECT_FALSE(HasLine("Creating Transom..."));
    EXPECT_EQ(Lines()[Lines().size() - 2], "...Process Terminated");
    EXPECT_FALSE(AnyFlag(*hull));
}

TEST_F(RunGenerationTest, AStageErrorEndsTheRunAndReachesTheCaller)
{
    auto hull = test::BundledDesign("cruiser-10m");
    ui.onProcessMessages = [] { throw std::runtime_error("window gone"); };
    EXPECT_THROW(RunGeneration(*hull, console), std::runtime_error);

    std::vector<std::string> expected = kBanner;
    expected.insert(expected.end(), {"Creating Profile...", "...Process Terminated", ""});
    EXPECT_EQ(Lines(), expected);
    EXPECT_FALSE(AnyFlag(*hull));
}

TEST_F(RunGenerationTest, ARunStartsUncancelledWithTheGoalsItIsGiven)
{
    auto hull = test::BundledDesign("cruiser-10m");
    CancelGeneration();
    GoalAccuracies goals;
    goals.Dimension = 0.002L;
    goals.Percentage = 0.2L;
    goals.Coefficient = 0.02L;
    RunGeneration(*hull, console, goals);
    EXPECT_EQ(hull->DimensionGoal, Real48(0.002L));
    EXPECT_EQ(hull->PercentageGoal, Real48(0.2L));
    EXPECT_EQ(hull->CoefficientGoal, Real48(0.02L));
    EXPECT_EQ(Lines()[Lines().size() - 2], "...Finished");
    EXPECT_EQ(RunConsole(), &console);
}

TEST_F(RunGenerationTest, ASecondRunStartsTheHullStageAsTheFirstDid)
{
    // The hull stage's first evaluation is made at the starting point a little
    // off the start value of whichever solver goes first; every run begins as
    // the first after start-up, whatever the run before it left.
    using Trial = std::pair<long double, long double>;
    auto firstHullTrial = [this](HullRecord& hull) {
        Trial trial{-1, -1};
        bool seen = false;
        ui.onProcessMessages = [&] {
            if (seen || !HasLineStartingWith(" ModifySectionFromDiagonals(15, ")) return;
            seen = true;
            trial = {Generator().HullStage.SectionFullness, Generator().HullStage.SectionSkew};
        };
        memo.ClearText();
        RunGeneration(hull, console);
        return trial;
    };
    const Real48 fullness = 0.95L, skew = 0.05L;
    auto hull = test::BundledDesign("daysailer-6m");
    EXPECT_EQ(firstHullTrial(*hull), (Trial{Real48(fullness + fullness * 0.05L), skew}));
    auto again = test::BundledDesign("daysailer-6m");
    EXPECT_EQ(firstHullTrial(*again), (Trial{Real48(fullness + fullness * 0.05L), skew}));
    EXPECT_TRUE(again->HullComplete);
}
