#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "generator/SectionMeasures.h"
#include "numeric/BSpline.h"

using namespace sloopform;

namespace {

// Control polygon of n points, y = half-breadth, z = height.
TPointBlock2 Polygon(std::initializer_list<TPoint2r> points)
{
    TPointBlock2 block;
    int i = 0;
    for (const TPoint2r& p : points) block[++i] = p;
    return block;
}

TPointBlock2 StraightLine(int n, long double y0, long double z0, long double y1, long double z1)
{
    TPointBlock2 block;
    for (int i = 1; i <= n; ++i) {
        const long double f = (i - 1) / static_cast<long double>(n - 1);
        block[i] = {y0 + (y1 - y0) * f, z0 + (z1 - z0) * f};
    }
    return block;
}

}  // namespace

TEST(SectionSampling, GivesExactlyTheSamplesOfTheCommonRule)
{
    const TPointBlock2 outline = Polygon({{0, 0.1L}, {0.08L, 0.1L}, {0.7L, 0.3L}, {1.2L, 0.7L}, {1.5L, 1.2L}, {1.6L, 1.9L}});
    for (auto [nPts, order] : {std::pair{6, 4}, std::pair{5, 3}, std::pair{4, 4}}) {
        const auto expected = SampleBSpline2d(nPts, order, outline, 10 * nPts);
        const auto samples = SampleSection(nPts, order, outline);
        ASSERT_EQ(samples.size(), expected.size());
        for (std::size_t i = 0; i < samples.size(); ++i) {
            EXPECT_EQ(samples[i].x.Value(), expected[i].x.Value()) << nPts << " points, sample " << i;
            EXPECT_EQ(samples[i].y.Value(), expected[i].y.Value()) << nPts << " points, sample " << i;
        }
    }
}

TEST(SectionSampling, ASampleIsTheSameWhicheverReadingMakesIt)
{
    const TPointBlock2 outline = Polygon({{0, 0.1L}, {0.08L, 0.1L}, {0.7L, 0.3L}, {1.2L, 0.7L}, {1.5L, 1.2L}, {1.6L, 1.9L}});
    const auto expected = SampleBSpline2d(6, 4, outline, 60);
    // Late samples first, then the walk from the start, then a copy.
    const SectionSamples samples = SampleSection(6, 4, outline);
    EXPECT_EQ(samples[45].y.Value(), expected[45].y.Value());
    EXPECT_EQ(samples[59].x.Value(), expected[59].x.Value());
    std::size_t i = 0;
    for (const TPoint2r& sample : samples) {
        EXPECT_EQ(sample.x.Value(), expected[i].x.Value()) << i;
        EXPECT_EQ(sample.y.Value(), expected[i].y.Value()) << i;
        ++i;
    }
    EXPECT_EQ(i, 60u);
    const SectionSamples copy = samples;
    EXPECT_EQ(copy[30].x.Value(), expected[30].x.Value());
    EXPECT_THROW(samples[60], std::out_of_range);
    // Only station outlines and smaller curves fit.
    EXPECT_THROW(SampleSection(7, 4, outline), std::length_error);
}

TEST(SectionHalfBreadthAt, InterpolatesWhereTheCurveClimbsThroughTheLevel)
{
    // A straight polygon makes a straight curve: y = 0.5 z.
    const TPointBlock2 line = StraightLine(6, 0, 0, 1, 2);
    EXPECT_NEAR(SectionHalfBreadthAt(6, 4, line, 1.3L), 0.65L, 1e-10);
    EXPECT_NEAR(SectionHalfBreadthAt(6, 4, line, 2), 1, 1e-10);  // the last sample
}

TEST(SectionHalfBreadthAt, GivesZeroForALevelAboveTheCurve)
{
    const TPointBlock2 line = StraightLine(6, 0.2L, 0.1L, 1, 0.9L);
    EXPECT_EQ(SectionHalfBreadthAt(6, 4, line, 0.95L), 0);
}

TEST(SectionHalfArea, IntegratesTheHalfBreadthsOverElevenLevels)
{
    // A wall at half-breadth 1 from z = 0 to 1: every ordinate is exactly 1.
    const TPointBlock2 wall = StraightLine(6, 1, 0, 1, 1);
    EXPECT_NEAR(SectionHalfArea(6, 4, wall, 0, 1), 1, 1e-11);
    // Integrated up to z = 2, the levels above the top of the curve keep
    // ordinate 0: ordinates 1 at k = 0..5 give (0.2 / 3) * 17.
    EXPECT_NEAR(SectionHalfArea(6, 4, wall, 0, 2), 0.2L / 3 * 17, 1e-11);
    // A V section y = z: area 0.5, up to the sampling of the levels.
    EXPECT_NEAR(SectionHalfArea(6, 4, StraightLine(6, 0, 0, 1, 1), 0, 1), 0.5L, 0.02);
}

TEST(SectionCentroid, LiesAtTheCentreOfTheArea)
{
    EXPECT_NEAR(SectionCentroid(6, 4, StraightLine(6, 1, 0, 1, 1), 0, 1), 0.5L, 0.02);
    // A V section y = z - 1 from z = 1 to 2 has its centroid two thirds up.
    EXPECT_NEAR(SectionCentroid(6, 4, StraightLine(6, 0, 1, 1, 2), 1, 2), 1 + 2.0L / 3, 0.02);
}

TEST(Simpson11, IsExactForACubic)
{
    SimpsonOrdinates cubic{};
    for (int k = 0; k <= 10; ++k) cubic[k] = std::pow(0.1L * k, 3);
    EXPECT_NEAR(Simpson11(cubic, 0.1L), 0.25L, 1e-11);
    SimpsonOrdinates ones{};
    ones.fill(1);
    EXPECT_NEAR(Simpson11(ones, 0.5L), 5, 1e-11);
}
