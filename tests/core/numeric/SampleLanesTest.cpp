// Four samples summed side by side must give, bit for bit, the steps of the
// sampling rule in extended precision: every generated hull depends on them.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "numeric/ArithmeticFault.h"
#include "numeric/Real48.h"
#include "numeric/SampleLanes.h"

using namespace sloopform;

namespace {

// One step of the rule: the stored sum plus an extended product, stored.
double RuleStep(double sum, double weight, double point)
{
    return Real48(static_cast<long double>(sum) + static_cast<long double>(weight) * point).Value();
}

// Points of two coordinates: the value given, and its negative.
std::vector<double> PointsOf(const std::vector<double>& values)
{
    std::vector<double> coords;
    for (double v : values) coords.insert(coords.end(), {v, -v});
    return coords;
}

// The lanes' sums of the first coordinate over the points `values`, each
// walked step by step by the rule.
std::vector<double> RuleSums(const std::vector<double>& weights, const std::vector<double>& values)
{
    std::vector<double> sums(4, 0.0);
    for (std::size_t j = 0; j < values.size(); ++j)
        for (std::size_t l = 0; l < 4; ++l) sums[l] = RuleStep(sums[l], weights[4 * j + l], values[j]);
    return sums;
}

// The lanes' sums of both coordinates; the second must be the first's negative.
std::vector<double> LaneSums(const std::vector<double>& weights, const std::vector<double>& values)
{
    const std::vector<double> coords = PointsOf(values);
    double out[8];
    SumFourSamples<2>(static_cast<int>(values.size()), weights.data(), coords.data(), out);
    std::vector<double> sums(4);
    for (std::size_t l = 0; l < 4; ++l) {
        sums[l] = out[2 * l];
        EXPECT_EQ(out[2 * l + 1], -sums[l]) << "lane " << l;
    }
    return sums;
}

double Stored(long double value) { return Real48(value).Value(); }

class SampleLanes : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!SampleLanesAvailable()) GTEST_SKIP() << "no vector unit for four lanes";
    }
};

}  // namespace

TEST_F(SampleLanes, DecideExactHalvesAndNearHalvesAsTheExtendedSumDoes)
{
    // From 1, one step to half a 6-byte step up: exactly (up, away from zero);
    // a hair less, which the extended sum rounds to the half and so up, where
    // the exact sum would go down; a little less, which the nearest double
    // still takes for the half but the extended sum does not (down); and half a
    // step of the binade below, down from 1 (back to 1, away from zero).
    const std::vector<double> values = {1.0, std::ldexp(1.0, -40)};
    const std::vector<double> weights = {1, 1, 1, 1, 1, Stored(1 - std::ldexp(1.0L, -40)),
                                         Stored(1 - std::ldexp(1.0L, -20)), -0.5};
    const double up = 1.0 + std::ldexp(1.0, -39);
    EXPECT_EQ(RuleSums(weights, values), (std::vector<double>{up, up, 1.0, 1.0}));
    EXPECT_EQ(LaneSums(weights, values), RuleSums(weights, values));
}

TEST_F(SampleLanes, EqualTheRuleOnRandomAndCancellingSums)
{
    std::mt19937_64 random(48);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::uniform_int_distribution<int> exponent(-30, 30), steps(1, 6), sign(0, 1), grid(-64, 64);
    // A third of the trials on a coarse grid of one binade, whose sums sit on
    // and next to half-way points; a third of weights next to 1 or -1 and
    // points in [1, 2), whose sums cancel down to the products' last bits; the
    // rest anywhere, of either sign.
    const auto value = [&](int kind) {
        if (kind == 0) return Stored(1 + std::ldexp(static_cast<long double>(grid(random)), -41));
        if (kind == 1) return Stored(1 + unit(random));
        return Stored(std::ldexp(unit(random), exponent(random)) * (sign(random) ? -1 : 1));
    };
    const auto weight = [&](int kind) {
        const double plusOrMinus = sign(random) ? 1.0 : -1.0;
        if (kind == 0) return plusOrMinus;
        if (kind == 1) return Stored(plusOrMinus * (1 - std::ldexp(unit(random), -12)));
        return Stored(unit(random));
    };
    for (int trial = 0; trial < 300000; ++trial) {
        const int kind = trial % 3;
        std::vector<double> values(static_cast<std::size_t>(steps(random)));
        for (double& v : values) v = value(kind);
        std::vector<double> weights(4 * values.size());
        for (double& w : weights) w = weight(kind);
        ASSERT_EQ(LaneSums(weights, values), RuleSums(weights, values)) << "trial " << trial;
    }
}

TEST_F(SampleLanes, FaultWhereTheRuleFaults)
{
    const std::vector<double> values = {std::ldexp(1.5, 126), std::ldexp(1.5, 126)};
    const std::vector<double> weights = {1, 0, 0, 0, 1, 0, 0, 0};  // lane 0 passes the largest value
    EXPECT_THROW(RuleSums(weights, values), FloatingOverflow);
    EXPECT_THROW(LaneSums(weights, values), FloatingOverflow);
}
