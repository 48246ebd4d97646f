#include <gtest/gtest.h>

#include <cmath>

#include "RecordingUi.h"
#include "analysis/VelocityConversion.h"

using namespace sloopform;

namespace {

const char* kRangeMessage = "Froude Number is outside of the range (0.125 < Fn < 0.750)";

class VelocityConversionTest : public ::testing::Test {
protected:
    VelocityConversionTest() { hull->Lwl = 9; }  // sqrt(9.82 * 9) = 9.4011 m/s

    ConversionOutcome Convert(SpeedUnit unit) { return ConvertVelocity(unit, texts, fn, *hull); }

    test::RecordingUi ui;
    std::unique_ptr<HullRecord> hull = HullRecord::Create();
    SpeedTexts texts;
    Real48 fn = 0.3L;
};

}  // namespace

TEST_F(VelocityConversionTest, EachUnitFillsTheOtherTwo)
{
    texts = {"0.35", "", ""};
    EXPECT_EQ(Convert(SpeedUnit::FroudeNumber), ConversionOutcome::Accepted);
    EXPECT_EQ(fn, Real48(0.35L));
    EXPECT_EQ(texts.Fn, "0.35");
    EXPECT_EQ(texts.Ms, "3.29");
    EXPECT_EQ(texts.Knots, "6.40");

    texts = {"", "6", ""};
    EXPECT_EQ(Convert(SpeedUnit::Knots), ConversionOutcome::Accepted);
    EXPECT_EQ(texts.Knots, "6.00");
    EXPECT_EQ(texts.Ms, "3.09");
    EXPECT_NEAR(fn, 6 * 0.5144L / std::sqrt(9.82L * 9), 1e-11);
    EXPECT_EQ(texts.Fn, "0.33");

    texts = {"", "", " 3 "};
    EXPECT_EQ(Convert(SpeedUnit::MetresPerSecond), ConversionOutcome::Accepted);
    EXPECT_EQ(texts.Ms, "3.00");
    EXPECT_EQ(texts.Knots, "5.83");
    EXPECT_NEAR(fn, 3 / std::sqrt(9.82L * 9), 1e-11);
    EXPECT_EQ(texts.Fn, "0.32");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(VelocityConversionTest, TypedFroudeNumberKeepsItsDigitsBehindTheShortText)
{
    texts.Fn = "0.351";
    EXPECT_EQ(Convert(SpeedUnit::FroudeNumber), ConversionOutcome::Accepted);
    EXPECT_EQ(texts.Fn, "0.35");
    EXPECT_EQ(fn, Real48(0.351L));
}

TEST_F(VelocityConversionTest, TextThatIsNotANumberChangesNothing)
{
    for (const char* typed : {"abc", "", "0.3x", "1e999"}) {
        texts = {typed, "1.00", "2.00"};
        EXPECT_EQ(Convert(SpeedUnit::FroudeNumber), ConversionOutcome::NotANumber) << typed;
        EXPECT_EQ(texts.Fn, typed);
        EXPECT_EQ(texts.Knots, "1.00");
        EXPECT_EQ(fn, Real48(0.3L));
    }
    texts.Knots = "fast";
    EXPECT_EQ(Convert(SpeedUnit::Knots), ConversionOutcome::NotANumber);
    ASSERT_EQ(ui.messages.size(), 5u);
    EXPECT_EQ(ui.messages[0].text, "Error");
    EXPECT_EQ(ui.messages[0].buttons, MessageButtons::Ok);
}

TEST_F(VelocityConversionTest, RangeIncludesBothEnds)
{
    for (const char* typed : {"0.125", "0.75"}) {
        texts.Fn = typed;
        EXPECT_EQ(Convert(SpeedUnit::FroudeNumber), ConversionOutcome::Accepted) << typed;
    }
    EXPECT_TRUE(ui.messages.empty());

    for (const char* typed : {"0.751", "0.1249", "-0.3"}) {
        texts.Fn = typed;
        EXPECT_EQ(Convert(SpeedUnit::FroudeNumber), ConversionOutcome::OutOfRange) << typed;
    }
    EXPECT_EQ(fn, Real48(-0.3L));  // converted all the same, like the boxes
    texts.Knots = "20";
    EXPECT_EQ(Convert(SpeedUnit::Knots), ConversionOutcome::OutOfRange);
    EXPECT_EQ(texts.Fn, "1.09");
    ASSERT_EQ(ui.messages.size(), 4u);
    for (const auto& message : ui.messages) EXPECT_EQ(message.text, kRangeMessage);
}
