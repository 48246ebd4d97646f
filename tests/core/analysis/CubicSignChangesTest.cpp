#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "analysis/CubicSignChanges.h"

using namespace sloopform;

namespace {

// The Bézier ordinates of (u - a)(u - b)(u - c).
CubicOrdinates ThroughRoots(double a, double b, double c)
{
    // Power form p0 + p1 u + p2 u² + p3 u³, then to Bernstein.
    const double p0 = -a * b * c, p1 = a * b + b * c + a * c, p2 = -(a + b + c), p3 = 1;
    return {p0, p0 + p1 / 3, p0 + 2 * p1 / 3 + p2 / 3, p0 + p1 + p2 + p3};
}

}  // namespace

TEST(CubicSignChanges, FindsEveryRootInsideTheIntervalAndNoOther)
{
    std::mt19937 random(43);
    std::uniform_real_distribution<double> place(-0.5, 1.5);
    for (int trial = 0; trial < 2000; ++trial) {
        double roots[3] = {place(random), place(random), place(random)};
        std::sort(roots, roots + 3);
        const CubicOrdinates f = ThroughRoots(roots[0], roots[1], roots[2]);
        std::vector<double> inside;
        for (double r : roots)
            if (r > 1e-9 && r < 1 - 1e-9) inside.push_back(r);
        const SignChanges changes = CubicSignChanges(f);
        if (std::adjacent_find(roots, roots + 3, [](double a, double b) { return b - a < 1e-3; }) != roots + 3)
            continue;  // a double root is no change of sign
        ASSERT_EQ(changes.Count, static_cast<int>(inside.size())) << roots[0] << " " << roots[1] << " " << roots[2];
        for (std::size_t i = 0; i < inside.size(); ++i) EXPECT_NEAR(changes.At[i], inside[i], 1e-10);
        // The positive parts lie between the roots where the cubic is above 0.
        const PositiveParts parts = CubicPositiveParts(f);
        for (int k = 0; k < parts.Count; ++k) {
            const auto [lo, hi] = parts.Part[static_cast<std::size_t>(k)];
            EXPECT_GT(CubicAt(f, (lo + hi) / 2), 0);
        }
    }
}

TEST(CubicSignChanges, TouchingZeroIsNoChange)
{
    EXPECT_EQ(CubicSignChanges(ThroughRoots(0.5, 0.5, 2)).Count, 0);
    EXPECT_EQ(CubicSignChanges({1, 2, 3, 4}).Count, 0);
    const PositiveParts all = CubicPositiveParts({1, -0.1, 1, 1});
    ASSERT_EQ(all.Count, 1);
    EXPECT_EQ(all.Part[0][0], 0);
    EXPECT_EQ(all.Part[0][1], 1);
    EXPECT_EQ(CubicPositiveParts({-1, -1, -1, -1}).Count, 0);
}
