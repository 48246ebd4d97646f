#include <gtest/gtest.h>

#include <cstdlib>

#include "BundledDesigns.h"
#include "RecordingUi.h"
#include "SvgCheck.h"
#include "TestPaths.h"
#include "generator/GeneratorState.h"
#include "views/SvgViews.h"

using namespace sloopform;
using namespace sloopform::test;

namespace {

class BundledDesignSvg : public ::testing::Test {
protected:
    void SetUp() override
    {
        hull = GeneratedBundledDesign("cruiser-10m");
        ASSERT_TRUE(hull->ProfileDone && hull->SheerDone && hull->HullComplete && hull->TransomDone);
    }
    void TearDown() override { ResetGeneratorState(); }

    // Renders a document after checking that it is well-formed.
    RenderedInk Rendered(const std::string& name, const std::string& svg, const std::string& background)
    {
        const auto path = dir / name;
        EXPECT_TRUE(WriteSvgFile(path, svg));
        EXPECT_EQ(XmlProblems(path), "");
        return RenderSvg(path, background);
    }

    RecordingUi ui;
    TempDir dir;
    std::unique_ptr<HullRecord> hull;
};

// Outlines alone: the construction lines vanish into the background.
DrawingSettings OutlinesOnly()
{
    DrawingSettings settings;
    settings.BackgroundColor = clWhite;
    settings.ConstructionColor = clWhite;
    settings.OutlineColor = clBlack;
    return settings;
}

}  // namespace

TEST_F(BundledDesignSvg, TheLinesPlanShowsTheHullBetweenItsMargins)
{
    constexpr int kWidth = 900, kHeight = 600;
    const RenderedInk frame = Rendered("lines.svg", LinesPlanSvg(*hull, kWidth, kHeight, {}), "000000");
    // The sheet is 0.04 Loa wider than the drawing on either side (width-limited here).
    const long double margin = 0.04L * hull->Loa;
    const long double sheetWidth = hull->Loa + 3 * margin + hull->BMax;
    const double marginPixels = static_cast<double>(margin * kWidth / sheetWidth);
    EXPECT_NEAR(frame.left, marginPixels, 2);
    EXPECT_NEAR(frame.right, kWidth - marginPixels, 2);
    EXPECT_NEAR(frame.top, kHeight - 1 - frame.bottom, 2);

    const RenderedInk hullOnly = Rendered("outlines.svg", LinesPlanSvg(*hull, kWidth, kHeight, OutlinesOnly()), "ffffff");
    EXPECT_GT(hullOnly.pixels, kWidth * kHeight / 100);
    // The outlines reach from the stern to the body plan's sheer and from the bow's sheer to the plan's.
    EXPECT_LE(std::abs(hullOnly.left - frame.left), 3);
    EXPECT_LE(std::abs(hullOnly.right - frame.right), 3);
    EXPECT_LE(std::abs(hullOnly.top - frame.top), 3);
    EXPECT_LE(std::abs(hullOnly.bottom - frame.bottom), 3);
}

TEST_F(BundledDesignSvg, TheIsometricViewShowsTheHullFittedAndCentred)
{
    constexpr int kWidth = 600, kHeight = 400;
    const RenderedInk frame = Rendered("isometric.svg", ThreeDViewSvg(*hull, kWidth, kHeight, 45, 45, {}), "000000");
    const double across = double(frame.right - frame.left) / kWidth;
    const double down = double(frame.bottom - frame.top) / kHeight;
    EXPECT_NEAR(std::max(across, down), 1 / 1.08, 0.01);
    EXPECT_NEAR(frame.left + frame.right, kWidth, 3);
    EXPECT_NEAR(frame.top + frame.bottom, kHeight, 3);

    const RenderedInk hullOnly =
        Rendered("isometric-outlines.svg", ThreeDViewSvg(*hull, kWidth, kHeight, 45, 45, OutlinesOnly()), "ffffff");
    EXPECT_GT(hullOnly.pixels, kWidth * kHeight / 100);
    EXPECT_GT(hullOnly.left, frame.left - 1);
    EXPECT_LT(hullOnly.right, frame.right + 1);
}
