#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <vector>

#include "numeric/ArithmeticFault.h"
#include "numeric/BSpline.h"

using namespace sloopform;

namespace {

struct Segment {
    long double x1, y1, z1, x2, y2, z2;
};

class RecordingSink : public LineSink {
public:
    void Line3D(Real48 x1, Real48 y1, Real48 z1, Real48 x2, Real48 y2, Real48 z2) override
    {
        segments.push_back({x1, y1, z1, x2, y2, z2});
    }
    std::vector<Segment> segments;
};

TPointBlock2 Wave(int n)
{
    TPointBlock2 points;
    for (int i = 1; i <= n; ++i) points[i] = {Real48(1.0L * i), Real48(std::sin(0.7L * i))};
    return points;
}

}  // namespace

TEST(BSpline, KnotVectorsAreOpenUniform)
{
    const TRealBlock k33 = BSplineKnots(3, 3);
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(k33[i], 0.0L);
    for (int i = 4; i <= 6; ++i) EXPECT_EQ(k33[i], 1.0L);

    const TRealBlock k = BSplineKnots(23, 4);
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(k[i], 0.0L);
    for (int i = 5; i <= 23; ++i) EXPECT_EQ(k[i], i - 4.0L);
    for (int i = 24; i <= 27; ++i) EXPECT_EQ(k[i], 20.0L);

    EXPECT_THROW(BSplineKnots(97, 4), std::length_error);
}

TEST(BSpline, BasisIsAPartitionOfUnityAndEndsOnTheLastPoint)
{
    const TRealBlock knots = BSplineKnots(7, 4);
    TRealBlock n;
    for (long double t : {0.0L, 0.3L, 1.0L, 2.5L, 3.999L}) {
        BSplineBasis(4, t, 7, knots, n);
        long double sum = 0;
        for (int i = 1; i <= 7; ++i) sum += n[i];
        EXPECT_NEAR(sum, 1.0L, 1e-11) << t;
    }
    BSplineBasis(4, 4.0L, 7, knots, n);
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(n[i], 0.0L);
    EXPECT_EQ(n[7], 1.0L);
}

TEST(BSpline, FitPassesThroughItsDataPoints)
{
    const TPointBlock2 data = Wave(8);
    const TPointBlock2 ctrl = FitBSpline2d(8, 4, data);
    const TRealBlock params = ChordParams2d(8, data);
    EXPECT_EQ(params[1], 0.0L);
    EXPECT_EQ(params[8], 1.0L);
    const TRealBlock knots = BSplineKnots(8, 4);
    TRealBlock n;
    for (int l = 1; l <= 8; ++l) {
        BSplineBasis(4, Real48(params[l] * knots[12]), 8, knots, n);
        long double x = 0, y = 0;
        for (int j = 1; j <= 8; ++j) {
            x += n[j] * ctrl[j].x;
            y += n[j] * ctrl[j].y;
        }
        EXPECT_NEAR(x, data[l].x, 1e-8);
        EXPECT_NEAR(y, data[l].y, 1e-8);
    }
}

TEST(BSpline, SingleSegmentFitKeepsItsEndPoints)
{
    TPointBlock3 data;
    data[1] = {0, 0, 2};
    data[2] = {5, 1.5, 2.5};
    data[3] = {9, 1.2, 1.9};
    const TPointBlock3 ctrl = FitBSpline3d(3, 3, data);
    EXPECT_NEAR(ctrl[1].x, 0.0L, 1e-10);
    EXPECT_NEAR(ctrl[1].z, 2.0L, 1e-10);
    EXPECT_NEAR(ctrl[3].x, 9.0L, 1e-10);
    EXPECT_NEAR(ctrl[3].y, 1.2L, 1e-10);
}

TEST(BSpline, DegenerateFitsThrow)
{
    TPointBlock2 same;
    for (int i = 1; i <= 4; ++i) same[i] = {1, 1};
    EXPECT_THROW(FitBSpline2d(4, 4, same), InvalidOperation);
    TPointBlock3 tooMany;
    EXPECT_THROW(FitBSpline3d(31, 4, tooMany), std::length_error);
}

TEST(BSpline, SamplingStartsAndEndsOnTheControlPolygon)
{
    const TPointBlock2 ctrl = Wave(6);
    const auto samples = SampleBSpline2d(6, 4, ctrl, 30);
    ASSERT_EQ(samples.size(), 30u);
    EXPECT_EQ(samples.front().x, ctrl[1].x);
    EXPECT_EQ(samples.front().y, ctrl[1].y);
    EXPECT_EQ(samples.back().x, ctrl[6].x);
    EXPECT_EQ(samples.back().y, ctrl[6].y);
}

TEST(BSpline, DrawingMapsPlanesAndEmitsCurrentThenPrevious)
{
    const TPointBlock2 ctrl = Wave(6);
    RecordingSink station, centre, none;
    DrawBSpline2d(6, 4, ctrl, station, 7.5L, kPlaneStation);
    DrawBSpline2d(6, 4, ctrl, centre, 0, kPlaneCentre);
    DrawBSpline2d(6, 4, ctrl, none, 0, 0);
    DrawBSpline2d(6, 4, ctrl, none, 0, 4);
    EXPECT_TRUE(none.segments.empty());
    ASSERT_EQ(station.segments.size(), 29u);  // 5 * 6 - 1
    EXPECT_EQ(station.segments[0].x1, 7.5L);
    EXPECT_EQ(station.segments[0].y2, ctrl[1].x);  // second point is the previous sample
    EXPECT_EQ(station.segments[0].z2, ctrl[1].y);
    EXPECT_EQ(centre.segments.back().x1, ctrl[6].x);
    EXPECT_EQ(centre.segments.back().y1, 0.0L);
    EXPECT_EQ(centre.segments.back().z1, ctrl[6].y);

    RecordingSink dxf;
    DxfBSpline2d(23, 4, Wave(23), dxf, 0, kPlaneCentre);
    EXPECT_EQ(dxf.segments.size(), 459u);
    TPointBlock3 sheer;
    sheer[1] = {0, 0, 2};
    sheer[2] = {5, 1.5, 2.5};
    sheer[3] = {9, 1.2, 1.9};
    RecordingSink sheerDxf, sheerScreen;
    DxfBSpline3d(3, 3, sheer, sheerDxf);
    DrawBSpline3d(3, 3, sheer, sheerScreen);
    EXPECT_EQ(sheerDxf.segments.size(), 59u);
    EXPECT_EQ(sheerScreen.segments.size(), 14u);
}
