#include <gtest/gtest.h>

#include <memory>

#include "BundledDesigns.h"
#include "RecordingUi.h"
#include "analysis/ResistanceCurve.h"
#include "numeric/NumberText.h"

using namespace sloopform;

namespace {

class ResistanceCurveTest : public ::testing::Test {
protected:
    std::unique_ptr<HullRecord> hull = test::BundledDesign("cruiser-10m");  // Lwl 9
    ResistanceParameters parameters = ResistanceParametersOf(*hull);

    std::optional<std::string> Error(SpeedUnit unit, long double from, long double to, long double step)
    {
        return SpeedRangeError({unit, from, to, step}, parameters);
    }
};

void ExpectSameEstimate(const ResistanceResult& actual, const ResistanceResult& expected)
{
    EXPECT_EQ(actual.Fn, expected.Fn);
    EXPECT_EQ(actual.Velocity, expected.Velocity);
    for (const ResistanceComponent& component : ResistanceComponents())
        EXPECT_EQ(actual.*component.Newtons, expected.*component.Newtons) << component.Name;
}

}  // namespace

TEST_F(ResistanceCurveTest, DefaultFroudeRangeHoldsTheEstimateAtEachTypedSpeed)
{
    const SpeedRange range = DefaultSpeedRange(SpeedUnit::FroudeNumber, parameters);
    ASSERT_FALSE(SpeedRangeError(range, parameters));
    const std::vector<ResistanceResult> curve = ResistanceCurve(parameters, range);
    ASSERT_EQ(curve.size(), 26u);
    // Each point is the estimate at the speed as a user would type it.
    for (const char* typed : {"0.125", "0.35", "0.45", "0.475", "0.75"}) {
        const long double fn = *ParseReal(typed);
        const auto index = static_cast<std::size_t>((fn - 0.125L) / 0.025L + 0.5L);
        SCOPED_TRACE(typed);
        ExpectSameEstimate(curve[index], EstimateResistance(parameters, fn));
    }
    for (const ResistanceResult& point : curve)
        EXPECT_EQ(point.TotalResistance, Real48(point.FrictionResistance + point.ResiduaryResistance));
}

TEST_F(ResistanceCurveTest, KnotsRangeConvertsEachSpeedAsTheSpeedBoxDoes)
{
    const SpeedRange range = DefaultSpeedRange(SpeedUnit::Knots, parameters);
    ASSERT_FALSE(SpeedRangeError(range, parameters));
    // Fn 0.125 is 2.28 knots at Lwl 9, Fn 0.75 13.71 knots: whole half knots between.
    EXPECT_EQ(range.From, 2.5L);
    EXPECT_EQ(range.To, 13.5L);
    const std::vector<ResistanceResult> curve = ResistanceCurve(parameters, range);
    ASSERT_EQ(curve.size(), 23u);
    test::RecordingUi ui;
    for (std::size_t i : {0u, 7u, 22u}) {
        SpeedTexts texts{"", FormatFixed(range.From + i * range.Step, 1), ""};
        Real48 fn;
        ASSERT_EQ(ConvertVelocity(SpeedUnit::Knots, texts, fn, *hull), ConversionOutcome::Accepted);
        EXPECT_EQ(curve[i].Fn, fn) << texts.Knots;
        EXPECT_NEAR(KnotsOf(curve[i]), range.From + i * range.Step, 1e-9L);
    }
}

TEST_F(ResistanceCurveTest, RangesThatDoNotMeetTheEndStopBelowIt)
{
    const auto single = ResistanceCurve(parameters, {SpeedUnit::FroudeNumber, 0.3L, 0.3L, 0.1L});
    ASSERT_EQ(single.size(), 1u);
    EXPECT_EQ(single[0].Fn, Real48(0.3L));
    const auto uneven = ResistanceCurve(parameters, {SpeedUnit::FroudeNumber, 0.2L, 0.5L, 0.07L});
    ASSERT_EQ(uneven.size(), 5u);
    EXPECT_EQ(uneven.back().Fn, Real48(0.48L));
    const auto metres = ResistanceCurve(parameters, {SpeedUnit::MetresPerSecond, 2, 3, 0.5L});
    ASSERT_EQ(metres.size(), 3u);
    EXPECT_EQ(metres.back().Velocity, Real48(3.0L));
}

TEST_F(ResistanceCurveTest, UnusableRangesAreNamed)
{
    EXPECT_EQ(Error(SpeedUnit::FroudeNumber, 0.2L, 0.4L, 0), "the step must be greater than 0");
    EXPECT_EQ(Error(SpeedUnit::FroudeNumber, 0.2L, 0.4L, -0.1L), "the step must be greater than 0");
    EXPECT_EQ(Error(SpeedUnit::FroudeNumber, 0.5L, 0.4L, 0.1L),
              "the range starts at Fn 0.5, above its end, Fn 0.4");
    EXPECT_EQ(Error(SpeedUnit::FroudeNumber, 0.1L, 0.4L, 0.1L),
              "Fn 0.1 outside the estimate's range, Fn 0.125 to 0.75");
    EXPECT_EQ(Error(SpeedUnit::FroudeNumber, 0.2L, 0.76L, 0.1L),
              "Fn 0.76 outside the estimate's range, Fn 0.125 to 0.75");
    EXPECT_EQ(Error(SpeedUnit::Knots, 4, 14, 1),
              "14 knots is Fn 0.766, outside the estimate's range, Fn 0.125 to 0.75");
    EXPECT_EQ(Error(SpeedUnit::FroudeNumber, 0.125L, 0.75L, 0.0001L),
              "the range has more than 2000 speeds: take a larger step");
    EXPECT_FALSE(Error(SpeedUnit::FroudeNumber, 0.125L, 0.75L, 0.001L));
    EXPECT_FALSE(Error(SpeedUnit::MetresPerSecond, 2, 3, 5));
}

TEST_F(ResistanceCurveTest, CsvHasOneColumnPerComponentTotalLast)
{
    const auto curve = ResistanceCurve(parameters, {SpeedUnit::FroudeNumber, 0.35L, 0.4L, 0.05L});
    const auto lines = ResistanceCurveCsvLines(curve);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "fn,knots,speed_ms,friction,residuary,total,extrapolated");
    const std::string row = lines[1].substr(0, lines[1].rfind(','));
    EXPECT_EQ(std::stod(row.substr(row.rfind(',') + 1)), curve[0].TotalResistance.Value());
    EXPECT_EQ(lines[1].substr(lines[1].rfind(',')), ",0");

    ResistanceOptimiser::Optimum optimum{0.55L, 52.0L, 0.7L, 0};
    const ResistanceParameters better = OptimumParameters(parameters, optimum);
    EXPECT_EQ(better.LCB, Real48(-2.0L));
    EXPECT_EQ(better.Cp, Real48(0.55L));
    EXPECT_EQ(better.Lwl, parameters.Lwl);
    const auto both = ResistanceCurveCsvLines(
        curve, ResistanceCurve(better, {SpeedUnit::FroudeNumber, 0.35L, 0.4L, 0.05L}), "optimum_");
    EXPECT_EQ(both[0], "fn,knots,speed_ms,friction,residuary,total,optimum_friction,optimum_residuary,"
                       "optimum_total,extrapolated");
    EXPECT_EQ(both[2].rfind(lines[2].substr(0, lines[2].rfind(',')), 0), 0u);

    // Above Fn 0.6 the rows say the regression is carried beyond its fit.
    const auto fast = ResistanceCurveCsvLines(ResistanceCurve(parameters, {SpeedUnit::FroudeNumber, 0.575L, 0.625L, 0.025L}));
    ASSERT_EQ(fast.size(), 4u);
    EXPECT_EQ(fast[2].substr(fast[2].rfind(',')), ",0");  // 0.6 itself is fitted
    EXPECT_EQ(fast[3].substr(fast[3].rfind(',')), ",1");
}
