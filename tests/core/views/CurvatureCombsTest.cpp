#include "views/CurvatureCombs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "BundledDesigns.h"
#include "RecordingCanvas.h"
#include "RecordingUi.h"
#include "views/FaultMarks.h"
#include "numeric/Geometry.h"
#include "views/LinesPlan.h"

using namespace sloopform;
using sloopform::test::RecordingCanvas;

namespace {


ViewPolyline Arc(long double radius, long double from, long double to, int points)
{
    ViewPolyline arc;
    for (int i = 0; i < points; ++i) {
        const long double angle = from + (to - from) * i / (points - 1);
        arc.push_back({radius * std::cos(angle), radius * std::sin(angle)});
    }
    return arc;
}

long double Length(const CombTooth& tooth) { return std::hypot(tooth.Tip.u - tooth.Root.u, tooth.Tip.v - tooth.Root.v); }
long double FromCentre(const ViewPoint& p) { return std::hypot(p.u, p.v); }

}  // namespace

TEST(CurvatureComb, ACircleHasTeethOfOneLengthAllPointingOutward)
{
    const auto teeth = CombTeeth({Arc(2, 0, kPi, 40)}, 0.3L);
    ASSERT_EQ(teeth.size(), 1u);
    ASSERT_EQ(teeth[0].size(), 38u);
    for (const CombTooth& tooth : teeth[0]) {
        EXPECT_NEAR(Length(tooth), 0.3L, 1e-9L);
        EXPECT_NEAR(FromCentre(tooth.Tip), 2.3L, 1e-9L);
    }
}

TEST(CurvatureComb, TheTightestOfASetSetsItsScaleAndAStraightSetHasNoTeeth)
{
    // A circle of radius 1 and one of radius 4 in one set: the sharper one's
    // teeth are the longest, four times the other's.
    const auto teeth = CombTeeth({Arc(1, 0, kPi / 2, 30), Arc(4, 0, kPi / 2, 30)}, 0.2L);
    EXPECT_NEAR(Length(teeth[0][10]), 0.2L, 1e-9L);
    EXPECT_NEAR(Length(teeth[1][10]), 0.05L, 1e-9L);
    const auto straight = CombTeeth({{{0, 0}, {1, 1}, {2, 2}, {3, 3}}}, 0.2L);
    for (const CombTooth& tooth : straight[0]) EXPECT_EQ(Length(tooth), 0.0L);
}

TEST(CurvatureComb, AnInflectionTurnsTheTeethToTheOtherSide)
{
    // Up on a quarter circle turning left, then on one turning right: the
    // teeth stand right of the first and left of the second.
    ViewPolyline s = Arc(1, -kPi / 2, 0, 20);
    for (const ViewPoint& p : Arc(1, kPi, kPi / 2, 20)) s.push_back({p.u + 2, p.v + 0});
    s.erase(s.begin() + 20);  // the two arcs share the point (1, 0)
    const auto teeth = CombTeeth({s}, 0.1L);
    EXPECT_GT(teeth[0][5].Tip.u, teeth[0][5].Root.u);    // outside the first arc: away from (0, 0)
    EXPECT_LT(teeth[0][30].Tip.u, teeth[0][30].Root.u);  // outside the second: away from (2, 1)
}

TEST(FaultMarksInTheLinesPlan, OnlyAFaultedHullIsMarkedInRed)
{
    test::RecordingUi ui;
    auto hull = test::GeneratedBundledDesign("cruiser-10m");
    const auto redSegments = [&hull](bool marks) {
        RecordingCanvas canvas(1600, 1000);
        TViewportEngView viewport(canvas);
        FitLinesPlan(viewport, *hull);
        DisplaySwitches switches;
        switches.FaultMarks = marks;
        RedrawLinesPlan(viewport, *hull, DrawingSettings{}, switches);
        int red = 0;
        for (const auto& segment : canvas.segments) red += segment.color == kFaultColor;
        return red;
    };
    EXPECT_EQ(redSegments(true), 0);
    // Station 2's deck pulled in: its section, station line in the profile and
    // in the plan are marked, and only while the marks are on.
    hull->Stations[2].SheerBeam = hull->Stations[2].SheerBeam * 0.5L;
    EXPECT_GT(redSegments(true), 100);
    EXPECT_EQ(redSegments(false), 0);
}
