#include <gtest/gtest.h>

#include <cmath>

#include "analysis/StabilitySummary.h"
#include "numeric/Geometry.h"

using namespace sloopform;

// The curve reads a parabola exactly, so its areas are the parabola's.
TEST(RightingCurve, AreaUnderAParabolaIsExactOnUnevenHeels)
{
    const auto gz = [](double heel) { return 0.02 * heel - 0.0001 * heel * heel; };
    const std::vector<double> heels = {0, 5, 15, 20, 40, 55, 90};
    std::vector<double> values;
    for (double heel : heels) values.push_back(gz(heel));
    const RightingCurve curve(heels, values);
    const auto exact = [](double a, double b) {
        const auto primitive = [](double x) { return 0.01 * x * x - 0.0001 * x * x * x / 3; };
        return (primitive(b) - primitive(a)) * static_cast<double>(kPi) / 180;
    };
    EXPECT_NEAR(curve.Area(0, 30), exact(0, 30), 1e-12);
    EXPECT_NEAR(curve.Area(12.5, 61), exact(12.5, 61), 1e-12);
    EXPECT_NEAR(curve.Area(0, 90), exact(0, 90), 1e-12);
    EXPECT_EQ(curve.Area(20, 20), 0);
}

TEST(RightingCurve, RefusesHeelsThatDoNotIncreaseAndAreasOutside)
{
    EXPECT_THROW(RightingCurve({0}, {0}), std::invalid_argument);
    EXPECT_THROW(RightingCurve({0, 10, 10}, {0, 1, 1}), std::invalid_argument);
    const RightingCurve curve({0, 10}, {0, 1});
    EXPECT_THROW(curve.Area(0, 11), std::invalid_argument);
    EXPECT_NEAR(curve.Area(0, 10), 5 * static_cast<double>(kPi) / 180, 1e-15);
}
