#include <gtest/gtest.h>

#include <cmath>

#include "analysis/GaussLegendre.h"

using namespace sloopform;

TEST(GaussLegendre, IntegratesPolynomialsUpToDegreeTwoNMinusOneExactly)
{
    for (int n = 1; n <= 12; ++n) {
        const auto rule = GaussLegendre(n);
        ASSERT_EQ(rule.size(), static_cast<std::size_t>(n));
        for (int degree = 0; degree <= 2 * n - 1; ++degree) {
            long double sum = 0;
            for (const QuadratureNode& node : rule) sum += node.w * std::pow(node.x, degree);
            EXPECT_NEAR(sum, 1.0L / (degree + 1), 1e-17L) << n << " points, degree " << degree;
        }
    }
    EXPECT_THROW(GaussLegendre(0), std::invalid_argument);
}
