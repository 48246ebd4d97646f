#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "BundledDesigns.h"
#include "RecordingUi.h"
#include "analysis/ResistanceOptimiser.h"
#include "TestPaths.h"
#include "generator/Output.h"
#include "model/DataEdit.h"
#include "model/ParameterTable.h"
#include "numeric/ArithmeticFault.h"
#include "numeric/NumberText.h"

using namespace sloopform;

namespace {

const char* kDisregard = "Resistance Module, Disregard Results";

// Records what the dialog would show while the trials run.
class ProgressLog : public OptimisationProgress {
public:
    void ShowProcessing(const std::string& label) override { events.push_back(label); }
    void ShowTrial(int trial) override { events.push_back(std::to_string(trial)); }
    std::vector<std::string> events;
};

class ResistanceOptimiserTest : public ::testing::Test {
protected:
    // Calculate at the typed Froude number.
    void Calculate(ResistanceOptimiser& optimiser, const std::string& fn)
    {
        optimiser.Unit = SpeedUnit::FroudeNumber;
        optimiser.Speed.Fn = fn;
        optimiser.RunOptimisation(progress);
    }

    test::RecordingUi ui;
    ProgressLog progress;
    std::unique_ptr<HullRecord> cruiser = test::BundledDesign("cruiser-10m");
};

OptimisationWork WorkFor(const HullRecord& hull)
{
    OptimisationWork work;
    work.Scratch = ResistanceParametersOf(hull);
    work.Scratch.LCB = hull.LCB;  // the parameter form between the searches
    work.Volume = DisplacedVolume(work.Scratch);
    work.CpOpt = hull.Cp;
    work.CmOpt = hull.Cm;
    return work;
}

}  // namespace

TEST(OptimiserSearch, FitOptimumIsTheVertexOfTheTrialParabola)
{
    TPointBlock2 trials;
    for (int i = 1; i <= kOptimisationTrials; ++i) {
        const long double x = 0.5L + 0.003L * i;
        trials[i] = {x, 3 * (x - 0.543L) * (x - 0.543L) + 7};
    }
    // Normal equations in 6-byte reals over abscissae near 0.5 lose some digits.
    EXPECT_NEAR(FitOptimum(trials), 0.543L, 1e-5);
}

TEST(OptimiserSearch, CpTrialsKeepTheVolumeAndEvaluateInMidshipsForm)
{
    const auto hull = test::BundledDesign("cruiser-10m");
    OptimisationWork work = WorkFor(*hull);
    OptimisationProgress quiet;
    OptimiseCp(work, 0.35L, quiet);

    EXPECT_EQ(work.Trials[1].x, Real48(0.52L));
    EXPECT_NEAR(work.Trials[20].x, 0.52L + 19 * 0.08L / 39, 1e-11);
    EXPECT_NEAR(work.Trials[20].x, 0.559L, 0.0005);
    for (int i = 2; i <= kOptimisationTrials; ++i)
        EXPECT_NEAR(work.Trials[i].x - work.Trials[i - 1].x, 0.08L / 39, 1e-11) << i;

    // Trial 1 is the resistance at Cp 0.52 with Cm keeping the volume and the
    // LCB measured forward of midships.
    ResistanceParameters first = ResistanceParametersOf(*hull);
    first.Cp = 0.52L;
    first.Cm = work.Volume / (0.52L * (first.Tc * (first.Bwl * first.Lwl)));
    EXPECT_EQ(work.Trials[1].y, ResistanceAt(first, 0.35L));

    EXPECT_EQ(work.Scratch.LCB, hull->LCB);  // back in the parameter form
    EXPECT_NEAR(work.CpOpt * work.CmOpt, hull->Cp * hull->Cm, 1e-10);
}

TEST(OptimiserSearch, LCBTrialsRunFromMidshipsToJustUnderThreePercentAft)
{
    const auto hull = test::BundledDesign("cruiser-10m");
    OptimisationWork work = WorkFor(*hull);
    OptimisationProgress quiet;
    OptimiseLCB(work, 0.35L, quiet);
    EXPECT_EQ(work.Trials[1].x, Real48(0));
    EXPECT_NEAR(work.Trials[20].x, -2.923L, 0.0001);
    EXPECT_NEAR(work.Trials[20].x, -19 * 6.0L / 39, 1e-10);
    ResistanceParameters last = ResistanceParametersOf(*hull);
    last.LCB = work.Trials[20].x;
    EXPECT_EQ(work.Trials[20].y, ResistanceAt(last, 0.35L));
    // The optimum comes back aft of the forward end, between the clamps.
    EXPECT_GE(work.Scratch.LCB, 50);
    EXPECT_LE(work.Scratch.LCB, 56);
}

TEST_F(ResistanceOptimiserTest, StartsAtFroudeNumberPointThreeFive)
{
    const ResistanceOptimiser optimiser(*cruiser);
    EXPECT_EQ(optimiser.Fn(), Real48(0.35L));
    EXPECT_EQ(optimiser.Speed.Fn, "0.35");
    EXPECT_EQ(optimiser.Speed.Ms, "3.29");
    EXPECT_EQ(optimiser.Speed.Knots, "6.40");
    EXPECT_FALSE(optimiser.ApplyEnabled());
    EXPECT_EQ(optimiser.Outputs().Cp, "Not Avaliable");
    EXPECT_EQ(optimiser.Outputs().Resistance, "Not Avaliable");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ResistanceOptimiserTest, OptimumLiesAtTheLeastResistanceAndKeepsTheVolume)
{
    ResistanceOptimiser optimiser(*cruiser);
    Calculate(optimiser, "0.35");
    ASSERT_TRUE(optimiser.ApplyEnabled());
    const auto& optimum = optimiser.LastOptimum();
    EXPECT_GT(optimum.Cp, 0.52L);
    EXPECT_LT(optimum.Cp, 0.6L);
    EXPECT_NEAR(optimum.Cp * optimum.Cm, cruiser->Cp * cruiser->Cm, 1e-10);

    // Neither search end does better than the optimum it reports.
    ResistanceParameters best = ResistanceParametersOf(*cruiser);
    best.Cp = optimum.Cp;
    best.Cm = optimum.Cm;
    best.LCB = SwapLCBForm(optimum.LCB);
    const long double atOptimum = ResistanceAt(best, 0.35L);
    for (const long double cp : {0.52L, 0.559L}) {
        ResistanceParameters other = best;
        other.Cp = cp;
        other.Cm = optimum.Cp * optimum.Cm / cp;
        EXPECT_LT(atOptimum, ResistanceAt(other, 0.35L)) << cp;
    }
    EXPECT_EQ(optimiser.Outputs().Resistance, FormatFixed(atOptimum, 3));
    EXPECT_EQ(optimiser.Outputs().Cp, FormatFixed(optimum.Cp, 3));
    EXPECT_EQ(optimiser.Outputs().LCB, FormatFixed(optimum.LCB, 2));
    EXPECT_EQ(optimiser.Outputs().Cm, FormatFixed(optimum.Cm, 3));
    // The hull itself is untouched.
    EXPECT_EQ(cruiser->Cp, Real48(0.54L));
    EXPECT_EQ(cruiser->LCB, Real48(53));
    EXPECT_TRUE(ui.errors.empty());
}

TEST_F(ResistanceOptimiserTest, ResultsStayWithinTheClampsAtEverySpeed)
{
    bool cpLow = false, cpHigh = false, lcbForward = false, lcbAft = false;
    for (const std::string& name : test::BundledDesignNames()) {
        const auto hull = test::BundledDesign(name);
        ResistanceOptimiser optimiser(*hull);
        for (int step = 0; step <= 25; ++step) {
            Calculate(optimiser, FormatFixed(0.125L + 0.025L * step, 3));
            ASSERT_TRUE(optimiser.ApplyEnabled()) << name << " " << step;
            const auto& o = optimiser.LastOptimum();
            EXPECT_GE(o.Cp, Real48(0.52L));
            EXPECT_LE(o.Cp, Real48(0.6L));
            EXPECT_GE(o.LCB, 50);
            EXPECT_LE(o.LCB, 56);
            EXPECT_NEAR(o.Cp * o.Cm, hull->Cp * hull->Cm, 1e-10) << name << " " << step;
            cpLow |= o.Cp == Real48(0.52L);
            cpHigh |= o.Cp == Real48(0.6L);
            lcbForward |= o.LCB == 50;
            lcbAft |= o.LCB == 56;
        }
    }
    // The sweep reaches every clamp, so each one is exercised.
    EXPECT_TRUE(cpLow && cpHigh && lcbForward && lcbAft);
    EXPECT_TRUE(ui.errors.empty());
}

TEST_F(ResistanceOptimiserTest, WithBothSearchesOffTheCurrentValuesComeBack)
{
    ResistanceOptimiser optimiser(*cruiser);
    optimiser.SearchCp = false;
    optimiser.SearchLCB = false;
    Calculate(optimiser, "0.35");
    EXPECT_TRUE(optimiser.ApplyEnabled());
    EXPECT_EQ(optimiser.LastOptimum().Cp, cruiser->Cp);
    EXPECT_EQ(optimiser.LastOptimum().LCB, cruiser->LCB);
    EXPECT_EQ(optimiser.LastOptimum().Cm, cruiser->Cm);
    EXPECT_EQ(optimiser.Outputs().Cp, "0.540");
    EXPECT_EQ(optimiser.Outputs().LCB, "53.00");
    EXPECT_EQ(optimiser.Outputs().Cm, "0.720");
    EXPECT_EQ(optimiser.Outputs().Resistance, "741.965");
    EXPECT_EQ(progress.events, (std::vector<std::string>{"Processing: None", "0"}));
}

TEST_F(ResistanceOptimiserTest, CpSearchAloneKeepsLCBAndMovesCm)
{
    ResistanceOptimiser optimiser(*cruiser);
    optimiser.SearchLCB = false;
    Calculate(optimiser, "0.4");
    EXPECT_EQ(optimiser.LastOptimum().LCB, cruiser->LCB);
    EXPECT_NE(optimiser.LastOptimum().Cp, cruiser->Cp);
    EXPECT_NEAR(optimiser.LastOptimum().Cm,
                cruiser->Cp * cruiser->Cm / optimiser.LastOptimum().Cp, 1e-10);

    // The LCB search alone runs on the parameters' Cp and Cm.
    optimiser.SearchCp = false;
    optimiser.SearchLCB = true;
    Calculate(optimiser, "0.4");
    EXPECT_EQ(optimiser.LastOptimum().Cp, cruiser->Cp);
    EXPECT_EQ(optimiser.LastOptimum().Cm, cruiser->Cm);
    EXPECT_NE(optimiser.LastOptimum().LCB, cruiser->LCB);
}

TEST_F(ResistanceOptimiserTest, ProgressShowsEachSearchAndResetsAtTheEnd)
{
    ResistanceOptimiser optimiser(*cruiser);
    Calculate(optimiser, "0.35");
    std::vector<std::string> expected = {"Processing: Cp"};
    for (int i = 1; i <= 20; ++i) expected.push_back(std::to_string(i));
    expected.push_back("Processing: LCB");
    for (int i = 1; i <= 20; ++i) expected.push_back(std::to_string(i));
    expected.push_back("Processing: None");
    expected.push_back("0");
    EXPECT_EQ(progress.events, expected);
    EXPECT_EQ(ui.processMessagesCalls, 40);  // after every trial
}

TEST_F(ResistanceOptimiserTest, SpeedsOutsideTheTablesOrNotNumbersCalculateNothing)
{
    ResistanceOptimiser optimiser(*cruiser);
    Calculate(optimiser, "0.75");
    EXPECT_TRUE(optimiser.ApplyEnabled());
    EXPECT_TRUE(ui.messages.empty());
    const std::string before = optimiser.Outputs().Resistance;

    for (const char* typed : {"0.751", "quick"}) {
        progress.events.clear();
        Calculate(optimiser, typed);
        EXPECT_FALSE(optimiser.ApplyEnabled()) << typed;
        EXPECT_EQ(optimiser.Outputs().Resistance, before);
        EXPECT_EQ(progress.events, (std::vector<std::string>{"Processing: None", "0"}));
    }
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text, "Froude Number is outside of the range (0.125 < Fn < 0.750)");
    EXPECT_EQ(ui.messages[1].text, "Error");
    EXPECT_TRUE(ui.errors.empty());
}

TEST_F(ResistanceOptimiserTest, AnyFaultIsShownOnceAndDisregarded)
{
    ResistanceOptimiser optimiser(*cruiser);
    Calculate(optimiser, "0.35");
    const ResistanceOptimiser::Optimum earlier = optimiser.LastOptimum();
    const std::string earlierResistance = optimiser.Outputs().Resistance;

    cruiser->Cm = 0;  // no volume: the regression divides by zero
    progress.events.clear();
    Calculate(optimiser, "0.35");
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_EQ(ui.errors[0].message, kDisregard);
    EXPECT_EQ(ui.errors[0].origin, "Resistance Optimisation: Floating point division by zero");
    EXPECT_FALSE(optimiser.ApplyEnabled());
    EXPECT_EQ(optimiser.LastOptimum().Cp, earlier.Cp);
    EXPECT_EQ(optimiser.Outputs().Resistance, earlierResistance);
    ASSERT_GE(progress.events.size(), 2u);
    EXPECT_EQ(progress.events.back(), "0");
    EXPECT_EQ(progress.events[progress.events.size() - 2], "Processing: None");

    // So is a force too large for a 6-byte real.
    cruiser->Cm = 0.72L;
    cruiser->Lwl = 1e30L;
    Calculate(optimiser, "0.35");
    ASSERT_EQ(ui.errors.size(), 2u);
    EXPECT_EQ(ui.errors[1].origin, "Resistance Optimisation: Floating point overflow");
    EXPECT_FALSE(optimiser.ApplyEnabled());
}

TEST(ResistanceOptimiserParameters, LwlBwlTcCpAndLCBAreRequired)
{
    test::RecordingUi ui;
    const auto cruiser = test::BundledDesign("cruiser-10m");
    EXPECT_TRUE(OptimisationParametersPresent(*cruiser));
    for (Real48 HullRecord::*field :
         {&HullRecord::Lwl, &HullRecord::Bwl, &HullRecord::Tc, &HullRecord::Cp, &HullRecord::LCB}) {
        auto hull = test::BundledDesign("cruiser-10m");
        hull.get()->*field = 0;
        EXPECT_FALSE(OptimisationParametersPresent(*hull));
    }
    auto noCm = test::BundledDesign("cruiser-10m");
    noCm->Cm = 0;
    EXPECT_TRUE(OptimisationParametersPresent(*noCm));
    ASSERT_EQ(ui.messages.size(), 5u);
    EXPECT_EQ(ui.messages[0].text,
              "Parameters Lwl, Bwl, Tc, Cp LCB are required for Optimisation Process");
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Information);
}

TEST_F(ResistanceOptimiserTest, ReportBlockForTheCurrentParameters)
{
    StringListMemo memo;
    TOutput report;
    report.SetOutputMemo(&memo);
    ResistanceOptimiser optimiser(*cruiser);
    Calculate(optimiser, "0.35");  // the optimum does not enter the block
    optimiser.AddToReport(report);
    const std::vector<std::string> expected = {
        "",
        "---------------  Resistance Optimisation  ---------------",
        "Input:",
        "Cp =      0.540",
        "Cm =      0.720",
        "LCB =     53.000 %",
        "Velocity =      6.397 Kts (Fn=0.35)",
        "",
        "Output:",
        "Wetted Area (Delft) =     19.670 m²",
        "Fritional Resistance (Froude) =    298.002 N",
        "Residuary Resistance (Delft) =    443.963 N",
        "Total Resistance              =    741.965 N",
        "---------------------------------------------------------",
        "",
    };
    EXPECT_EQ(memo.Lines(), expected);
    EXPECT_EQ(cruiser->LCB, Real48(53));
}

TEST_F(ResistanceOptimiserTest, ReportBlockNeedsASpeedInsideTheTables)
{
    StringListMemo memo;
    TOutput report;
    report.SetOutputMemo(&memo);
    ResistanceOptimiser optimiser(*cruiser);
    optimiser.Speed.Fn = "0.9";
    EXPECT_EQ(optimiser.ConvertVelocity(), ConversionOutcome::OutOfRange);
    optimiser.AddToReport(report);
    EXPECT_TRUE(memo.Lines().empty());
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].text, ui.messages[0].text);

    // A fault leaves the report as it was.
    optimiser.Speed.Fn = "0.35";
    optimiser.ConvertVelocity();
    cruiser->Tc = 0;
    EXPECT_THROW(optimiser.AddToReport(report), ArithmeticFault);
    EXPECT_TRUE(memo.Lines().empty());
}

TEST(ResistanceOptimiserApply, WritesTheOptimumThroughTheParameterTable)
{
    test::RecordingUi ui;
    TDataEdit parameters;
    parameters.LoadData(test::ExampleProject("cruiser-10m").string());
    HullRecord& hull = parameters.Hull();
    const long double volumeCoefficient = hull.Cp * hull.Cm;
    hull.HullComplete = true;
    StringListMemo memo;
    TOutput console;
    console.SetOutputMemo(&memo);

    ResistanceOptimiser optimiser(hull);
    OptimisationProgress quiet;
    optimiser.RunOptimisation(quiet);
    const ResistanceOptimiser::Optimum optimum = optimiser.LastOptimum();
    optimiser.Apply(parameters, console);

    EXPECT_EQ(hull.LCB, optimum.LCB);
    EXPECT_EQ(hull.Cp, optimum.Cp);
    EXPECT_EQ(hull.Cm, optimum.Cm);
    EXPECT_NEAR(hull.Cp * hull.Cm, volumeCoefficient, 1e-10);
    EXPECT_FALSE(hull.HullComplete);  // the lines no longer match the parameters
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(optimiser.ApplyEnabled());
    const std::vector<std::string> expected = {
        "",
        "--- Resistance Optimisation ---",
        "Cp Updated to " + FormatFixed(optimum.Cp, 3, 10),
        "LCB Updated to " + FormatFixed(optimum.LCB, 3, 10),
        "Cm Updated to " + FormatFixed(optimum.Cm, 3, 10),
        "---------------------------------------------",
        "",
    };
    EXPECT_EQ(memo.Lines(), expected);
    EXPECT_EQ(memo.Lines()[2], "Cp Updated to      0.551");

    // Applied once per Calculate.
    optimiser.Apply(parameters, console);
    EXPECT_EQ(memo.Lines().size(), expected.size());
}

TEST(ResistanceOptimiserApply, CpSearchOnlyKeepsLCBAndTheVolume)
{
    test::RecordingUi ui;
    TDataEdit parameters;
    parameters.LoadData(test::ExampleProject("racer-12m").string());
    HullRecord& hull = parameters.Hull();
    const Real48 lcb = hull.LCB;
    const long double volumeCoefficient = hull.Cp * hull.Cm;
    TOutput console;

    ResistanceOptimiser optimiser(hull);
    optimiser.SearchLCB = false;
    OptimisationProgress quiet;
    optimiser.RunOptimisation(quiet);
    optimiser.Apply(parameters, console);
    EXPECT_EQ(hull.LCB, lcb);
    EXPECT_NE(hull.Cp, Real48(0));
    EXPECT_NEAR(hull.Cp * hull.Cm, volumeCoefficient, 1e-10);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(ResistanceOptimiserApply, SearchesOnlyWhereTheTableAcceptsCpAndCm)
{
    test::RecordingUi ui;
    TDataEdit parameters;
    parameters.LoadData(test::ExampleProject("cruiser-10m").string());
    HullRecord& hull = parameters.Hull();
    // A full hull: below Cp 0.571 the volume needs a Cm above the table's 0.82.
    parameters.Edit(kCmRow, 0.78L);
    parameters.Edit(kCpRow, 0.6L);
    ASSERT_TRUE(ui.messages.empty());
    const long double volumeCoefficient = hull.Cp * hull.Cm;
    StringListMemo memo;
    TOutput console;
    console.SetOutputMemo(&memo);

    ResistanceOptimiser optimiser(hull);
    OptimisationProgress quiet;
    optimiser.RunOptimisation(quiet);
    const ResistanceOptimiser::Optimum optimum = optimiser.LastOptimum();
    EXPECT_LE(optimum.Cm, 0.82L);
    EXPECT_GE(optimum.Cp, 0.6L * 0.78L / 0.82L);
    EXPECT_LE(optimum.Cp, 0.6L);
    EXPECT_FALSE(OptimumRefusal(hull, optimum));

    const Real48 before = ResistanceAt(ResistanceParametersOf(hull), optimiser.Fn());
    const auto applied = optimiser.Apply(parameters, console);
    ASSERT_TRUE(applied);
    EXPECT_EQ(applied->Before, before);
    EXPECT_EQ(applied->After, optimum.Resistance);
    EXPECT_EQ(hull.Cm, optimum.Cm);
    EXPECT_NEAR(hull.Cp * hull.Cm, volumeCoefficient, 1e-10);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(memo.Lines().size(), 7u);

    // Fuller still, no Cp in the search keeps the volume: the design's own stay.
    parameters.Edit(kCpRow, 0.65L);
    parameters.Edit(kCmRow, 0.8L);
    OptimisationWork work;
    work.Scratch = ResistanceParametersOf(hull);
    work.Volume = DisplacedVolume(work.Scratch);
    const CpInterval none = SearchedCp(work);
    EXPECT_LT(none.Highest, none.Lowest);
    ResistanceOptimiser full(hull);
    full.SearchLCB = false;
    full.RunOptimisation(quiet);
    EXPECT_EQ(full.LastOptimum().Cp, hull.Cp);
    EXPECT_EQ(full.LastOptimum().Cm, hull.Cm);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(ResistanceOptimiserApply, AnOptimumARuleRefusesIsWrittenNowhere)
{
    test::RecordingUi ui;
    TDataEdit parameters;
    parameters.LoadData(test::ExampleProject("cruiser-10m").string());
    const HullRecord& hull = parameters.Hull();
    ResistanceOptimiser::Optimum optimum{0.6L, 53, 0.845L, 0};
    const auto refusal = OptimumRefusal(hull, optimum);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(*refusal, "The optimum Cm = 0.845 is not applied, nor anything else of the optimum:\r"
                        "Mid-Ship Section Coefficient must be\rgreater than 0.5 and less than 0.82");
    optimum = {0.7L, 47, 0.845L, 0};  // the first in the order of writing is named
    EXPECT_NE(OptimumRefusal(hull, optimum)->find("LCB = 47.000"), std::string::npos);
    optimum = {0.65L, 62, 0.82L, 0};  // the ends pass
    EXPECT_FALSE(OptimumRefusal(hull, optimum));
}
