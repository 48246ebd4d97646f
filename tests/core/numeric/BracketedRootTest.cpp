#include <gtest/gtest.h>

#include <cmath>

#include "numeric/BracketedRoot.h"

using namespace sloopform;

TEST(BracketedRoot, MeetsTheToleranceAndLeavesTheAnswerLastEvaluated)
{
    // A steep cubic, where plain regula falsi keeps one end for ever.
    long double lastArgument = 0;
    int evaluations = 0;
    const auto f = [&](long double x) {
        lastArgument = x;
        ++evaluations;
        return x * x * x - 2;
    };
    const long double root = BracketedRoot(f, 0, -2, 4, 62, 1e-12L, 40);
    EXPECT_NEAR(root, std::cbrt(2.0L), 1e-12L);
    EXPECT_EQ(lastArgument, root);
    EXPECT_LT(evaluations, 20);
}

TEST(BracketedRoot, StopsAfterItsStepsWithTheLastArgument)
{
    int evaluations = 0;
    const auto f = [&](long double x) {
        ++evaluations;
        return x - 1;
    };
    // An unreachable tolerance: every step is made.
    const long double last = BracketedRoot(f, 0, -1, 3, 2, -1, 5);
    EXPECT_EQ(evaluations, 5);
    EXPECT_NEAR(last, 1, 1e-15L);
}
