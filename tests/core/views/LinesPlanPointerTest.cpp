#include <gtest/gtest.h>

#include "analysis/Offsets.h"

#include "HandMadeHull.h"
#include "RecordingCanvas.h"
#include "views/LinesPlan.h"
#include "views/LinesPlanPointer.h"

using namespace sloopform;
using sloopform::test::HandMadeHull;
using sloopform::test::RecordingCanvas;

namespace {

// A fitted lines plan of the hand-made hull on a surface of its own.
struct FittedPlan {
    FittedPlan() : canvas(800, 500), viewport(canvas) { FitLinesPlan(viewport, *hull); }

    // The pointer on the pixel that holds a world point of `view`.
    LinesPlanPointer At(int view, long double across, long double upwards) const
    {
        return PointerOnLinesPlan(viewport, *hull, viewport.PixelX(view, across), viewport.PixelY(view, upwards));
    }
    // What one pixel spans in metres in view 1, across and upwards.
    long double PixelMetres() const
    {
        const TScreen& profile = viewport.View(TViewportEngView::kProfileView);
        return std::max(std::fabs(profile.Right - profile.Left) / profile.PixelWidth,
                        std::fabs(profile.Top - profile.Bottom) / profile.PixelHeight);
    }

    std::unique_ptr<HullRecord> hull = HandMadeHull();
    RecordingCanvas canvas;
    TViewportEngView viewport;
};

}  // namespace

TEST(LinesPlanPointer, EachViewGivesItsTwoCoordinatesFromTheStemHeadAsTheOffsetsDo)
{
    const FittedPlan plan;
    const HullRecord& hull = *plan.hull;
    const long double pixel = plan.PixelMetres();

    // The forward end of the design waterline in the profile: station 0,
    // where the offsets table places it.
    const LinesPlanPointer bow = plan.At(TViewportEngView::kProfileView, hull.Fovh, hull.Tc);
    EXPECT_EQ(bow.View, TViewportEngView::kProfileView);
    EXPECT_NEAR(*bow.X, ComputeOffsets(hull, {}).Stations[0].X, pixel);
    EXPECT_NEAR(*bow.X, hull.Fovh, pixel);
    EXPECT_NEAR(*bow.Z, hull.Tc, pixel);
    EXPECT_FALSE(bow.Y);

    const LinesPlanPointer plan3 = plan.At(TViewportEngView::kPlanView, hull.Fovh + 3, hull.Bwl / 4);
    EXPECT_EQ(plan3.View, TViewportEngView::kPlanView);
    EXPECT_NEAR(*plan3.X, hull.Fovh + 3, pixel);
    EXPECT_NEAR(*plan3.Y, hull.Bwl / 4, pixel);
    EXPECT_FALSE(plan3.Z);

    const LinesPlanPointer body = plan.At(TViewportEngView::kBodyPlanView, -hull.BMax / 2, 0.5L);
    EXPECT_EQ(body.View, TViewportEngView::kBodyPlanView);
    EXPECT_NEAR(*body.Y, -hull.BMax / 2, pixel);
    EXPECT_NEAR(*body.Z, 0.5L, pixel);
    EXPECT_FALSE(body.X);
}

TEST(LinesPlanPointer, TheEmptyCornerAndAHullWithoutSizeAreNoView)
{
    const FittedPlan plan;
    // Below the body plan and right of the plan.
    const LinesPlanPointer corner = plan.At(TViewportEngView::kPlanView, -plan.hull->BMax, -plan.hull->BMax);
    EXPECT_EQ(corner.View, 0);
    EXPECT_EQ(LinesPlanPointerText(corner), "");

    HullRecord empty;
    EXPECT_EQ(PointerOnLinesPlan(plan.viewport, empty, 400, 250).View, 0);
}

TEST(LinesPlanPointer, TextNamesTheViewAndItsCoordinatesToTheMillimetre)
{
    LinesPlanPointer pointer;
    pointer.View = TViewportEngView::kProfileView;
    pointer.X = 1.23449L;
    pointer.Z = -0.0002L;
    EXPECT_EQ(LinesPlanPointerText(pointer), "Profile: x from stem head = 1.234 m, z = 0.000 m");
    pointer = {TViewportEngView::kBodyPlanView, {}, -0.5L, 2};
    EXPECT_EQ(LinesPlanPointerText(pointer), "Body plan: y = -0.500 m, z = 2.000 m");
}
