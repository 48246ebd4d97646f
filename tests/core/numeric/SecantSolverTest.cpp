#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "RecordingUi.h"
#include "generator/Output.h"
#include "numeric/SecantSolver.h"
#include "platform/RunControl.h"

using namespace sloopform;

namespace {

class SecantSolverTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetCancel();
        console.SetOutputMemo(&memo);
        SetRunConsole(&console);
    }
    void TearDown() override
    {
        SetRunConsole(nullptr);
        ResetCancel();
    }
    TSecantSolver Solver(long double target, long double tolerance)
    {
        TSecantSolver s;
        s.Target = target;
        s.Tolerance = tolerance;
        ResetSolver(s);
        return s;
    }

    test::RecordingUi ui;
    StringListMemo memo;
    TOutput console;
};

}  // namespace

TEST_F(SecantSolverTest, LinearFunctionNeedsThreeEvaluations)
{
    TSecantSolver s = Solver(3, 1e-9);
    std::vector<long double> calls;
    SolveSecant(s, [&](long double x) { calls.push_back(x); return 2 * x; }, 1);
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_NEAR(calls[0], 1.05L, 1e-11);
    EXPECT_EQ(calls[1], 1.0L);
    EXPECT_EQ(s.X, 1.5L);
    EXPECT_EQ(s.Y, 3.0L);
    EXPECT_TRUE(s.Started);
    EXPECT_TRUE(memo.Lines().empty());
}

TEST_F(SecantSolverTest, StallEscapeMovesTheSecondPointAway)
{
    TSecantSolver s = Solver(0.5, 1e-9);
    std::vector<long double> calls;
    // Flat at 2 near x = 1, target below: the escape multiplies XPrev by 2.5.
    auto f = [&](long double x) {
        calls.push_back(x);
        return x < 2 ? 2.0L : 2.0L - (x - 2);
    };
    SolveSecant(s, f, 1);
    ASSERT_GE(calls.size(), 3u);
    EXPECT_NEAR(calls[2], 1.05L * 2.5L, 1e-10);
    EXPECT_NEAR(s.Y, 0.5L, 1e-9);
}

TEST_F(SecantSolverTest, BudgetEndsSilentlyWithTheLastPoint)
{
    TSecantSolver s = Solver(-1, 1e-9);
    int calls = 0;
    long double last = 0;
    SolveSecant(s, [&](long double x) { ++calls; last = x; return x * x + 1; }, 1);
    EXPECT_GT(calls, 100);
    EXPECT_LE(calls, 103);
    EXPECT_EQ(s.X, Real48(last).Value());
    EXPECT_TRUE(ui.errors.empty());
    EXPECT_FALSE(CancelFlag());
}

TEST_F(SecantSolverTest, CancelledRunEvaluatesNothing)
{
    CancelGeneration();
    memo.ClearText();
    TSecantSolver s = Solver(3, 1e-9);
    int calls = 0;
    SolveSecant(s, [&](long double x) { ++calls; return x; }, 1);
    EXPECT_EQ(calls, 0);
    EXPECT_FALSE(s.Started);
}

TEST_F(SecantSolverTest, StartingAtZeroEndsThroughTheFatalPath)
{
    TSecantSolver s = Solver(3, 1e-9);
    EXPECT_NO_THROW(SolveSecant(s, [](long double x) { return 2 * x; }, 0));
    EXPECT_EQ(memo.Lines(),
              (std::vector<std::string>{"Fatal Error[1]: Iteration Failed", "TARNOVIC: Cancelling..."}));
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_EQ(ui.errors[0].message, "Invalid floating point operation");
    EXPECT_EQ(ui.errors[0].origin, "Iteration procedure");
    EXPECT_TRUE(CancelFlag());
}

TEST_F(SecantSolverTest, AnyExceptionOfTheFunctionIsCaught)
{
    TSecantSolver s = Solver(3, 1e-9);
    SolveSecant(s, [](long double) -> long double { throw std::length_error("too many points"); }, 1);
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_EQ(ui.errors[0].message, "too many points");
    EXPECT_TRUE(CancelFlag());
}

TEST_F(SecantSolverTest, ResumesFromItsStoredPoints)
{
    TSecantSolver s = Solver(3, 1e-9);
    SolveSecant(s, [](long double x) { return 2 * x; }, 1);
    int calls = 0;
    s.Target = 5;
    SolveSecant(s, [&](long double x) { ++calls; return 2 * x; }, 100);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(s.X, 2.5L);
}

TEST(Bracketed, IsStrictOnBothSides)
{
    EXPECT_TRUE(Bracketed(0, 1, 0.5));
    EXPECT_FALSE(Bracketed(0, 1, 1));
    EXPECT_FALSE(Bracketed(0, 1, 0));
    EXPECT_TRUE(Bracketed(1, 0, 0.5));
}
