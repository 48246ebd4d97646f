#include "numeric/ValueStep.h"

#include <gtest/gtest.h>

using namespace sloopform;

TEST(ValueStep, StepsByTheLastDecimalPlaceAsWritten)
{
    EXPECT_EQ(SteppedNumberText("         12.000", 1), "12.001");
    EXPECT_EQ(SteppedNumberText("12.5", 1), "12.6");
    EXPECT_EQ(SteppedNumberText("12.5", -10), "11.5");
    EXPECT_EQ(SteppedNumberText("7", 10), "17");
    EXPECT_EQ(SteppedNumberText("0.540", -1), "0.539");
    // Steps that add up exactly in decimals, whatever the binary sum holds.
    EXPECT_EQ(SteppedNumberText("0.1", 2), "0.3");
    EXPECT_EQ(SteppedNumberText("0.001", -2), "-0.001");
}

TEST(ValueStep, ExponentsMoveTheLastPlace)
{
    EXPECT_EQ(SteppedNumberText("5.4e-1", 1), "0.55");
    EXPECT_EQ(SteppedNumberText("1e3", 1), "2000");
    EXPECT_EQ(SteppedNumberText("2.5E+1", -1), "24");
}

TEST(ValueStep, TextThatIsNoNumberHasNoStep)
{
    for (const char* text : {"", "   ", "Undefined", "10,5", "nan", "1.2.3"})
        EXPECT_FALSE(SteppedNumberText(text, 1)) << text;
}
