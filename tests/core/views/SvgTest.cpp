#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "HandMadeHull.h"
#include "SvgCheck.h"
#include "TestPaths.h"
#include "views/SvgCanvas.h"
#include "views/SvgViews.h"

using namespace sloopform;
using namespace sloopform::test;

namespace {

int Occurrences(const std::string& text, const std::string& part)
{
    int count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

}  // namespace

TEST(SvgCanvas, ColoursAreWrittenRedFirst)
{
    EXPECT_EQ(SvgColor(0x0000FF), "#ff0000");
    EXPECT_EQ(SvgColor(0x00FF00), "#00ff00");
    EXPECT_EQ(SvgColor(0x563412), "#123456");
}

TEST(SvgCanvas, JoinsLinesOfOnePenAndLeavesOutInvertedOnes)
{
    SvgCanvas canvas(40, 30);
    canvas.SetBrushColor(0x102030);
    canvas.FillRect(0, 0, 40, 30);
    canvas.SetPenColor(0x0000FF);
    canvas.MoveTo(1, 2);
    canvas.LineTo(3, 4);
    canvas.LineTo(5, 6);
    canvas.MoveTo(7, 8);
    canvas.LineTo(9, 10);
    canvas.SetPenMode(PenMode::NotXor);
    canvas.LineTo(20, 20);
    canvas.SetPenMode(PenMode::Copy);
    canvas.SetPenColor(clWhite);
    canvas.SetPenStyle(PenStyle::Dotted);
    canvas.LineTo(0, 0);

    const std::string svg = canvas.Document();
    EXPECT_NE(svg.find("<rect x=\"0\" y=\"0\" width=\"40\" height=\"30\" fill=\"#302010\"/>"),
              std::string::npos);
    EXPECT_NE(svg.find("stroke=\"#ff0000\" stroke-width=\"1\" d=\"M1 2L3 4\nL5 6\nM7 8L9 10\"/>"),
              std::string::npos)
        << svg;
    EXPECT_NE(svg.find("stroke=\"#ffffff\" stroke-width=\"1\" stroke-dasharray=\"1,2\" d=\"M20 20L0 0\"/>"),
              std::string::npos)
        << svg;
    EXPECT_EQ(Occurrences(svg, "<path"), 2);
    EXPECT_EQ(svg.rfind("</svg>\n"), svg.size() - 7);
}

TEST(SvgViews, RefuseADrawingWithoutSize)
{
    const auto hull = HandMadeHull();
    EXPECT_THROW(LinesPlanSvg(*hull, 0, 300, DrawingSettings{}), std::invalid_argument);
    EXPECT_THROW(ThreeDViewSvg(*hull, 300, -1, 45, 45, DrawingSettings{}), std::invalid_argument);
    try {
        LinesPlanSvg(*hull, 100001, 300, DrawingSettings{});
        FAIL();
    } catch (const std::invalid_argument& error) {
        EXPECT_STREQ(error.what(),
                     "The drawing size must be between 1 and 100000 pixels either way, not 100001 x 300");
    }
}

TEST(SvgViews, AFreshProjectGivesOnlyTheBackground)
{
    const auto fresh = HullRecord::Create();
    const DrawingSettings settings;
    for (const std::string& svg :
         {LinesPlanSvg(*fresh, 300, 200, settings), ThreeDViewSvg(*fresh, 300, 200, 45, 45, settings)}) {
        EXPECT_EQ(Occurrences(svg, "<rect"), 1);
        EXPECT_EQ(Occurrences(svg, "<path"), 0);
    }
}

TEST(SvgViews, TheLinesPlanIsValidAndRendersWithItsMargins)
{
    TempDir dir;
    const auto hull = HandMadeHull();
    DrawingSettings settings;
    settings.BackgroundColor = clWhite;
    settings.ConstructionColor = 0x808080;
    settings.OutlineColor = 0x800000;
    const std::string svg = LinesPlanSvg(*hull, 600, 400, settings);
    EXPECT_EQ(Occurrences(svg, "stroke=\"#808080\""), 1);
    EXPECT_EQ(Occurrences(svg, "stroke=\"#000080\""), 1);

    const auto path = dir / "lines.svg";
    ASSERT_TRUE(WriteSvgFile(path, svg));
    EXPECT_EQ(XmlProblems(path), "");
    const RenderedInk ink = RenderSvg(path, "ffffff");
    EXPECT_EQ(ink.width, 600);
    EXPECT_GT(ink.pixels, 600 * 400 / 50);
    // Width-limited: the margin of 0.04 Loa (about 16 pixels) on either side.
    EXPECT_NEAR(ink.left, 16, 2);
    EXPECT_NEAR(ink.right, 600 - 16, 2);
    EXPECT_NEAR(ink.top, 400 - ink.bottom, 2);
}

TEST(SvgViews, TheThreeDViewIsValidAndFillsTheWindow)
{
    TempDir dir;
    const auto hull = HandMadeHull();
    const auto path = dir / "isometric.svg";
    ASSERT_TRUE(WriteSvgFile(path, ThreeDViewSvg(*hull, 600, 400, 45, 45, DrawingSettings{})));
    EXPECT_EQ(XmlProblems(path), "");
    const RenderedInk ink = RenderSvg(path, "000000");
    EXPECT_GT(ink.pixels, 600 * 400 / 100);
    const double across = double(ink.right - ink.left) / 600;
    const double down = double(ink.bottom - ink.top) / 400;
    EXPECT_NEAR(std::max(across, down), 1 / 1.08, 0.01);
    EXPECT_NEAR(ink.left + ink.right, 600, 3);
    EXPECT_NEAR(ink.top + ink.bottom, 400, 3);
}

TEST(SvgViews, WritingToAMissingFolderFailsAndLeavesNothing)
{
    TempDir dir;
    const auto path = dir / "no such folder" / "lines.svg";
    EXPECT_FALSE(WriteSvgFile(path, "<svg/>\n"));
    EXPECT_FALSE(std::filesystem::exists(path));

    const auto written = dir / "lines.svg";
    ASSERT_TRUE(WriteSvgFile(written, "<a>\n<b/>\n</a>\n"));
    EXPECT_EQ(ReadFileBytes(written), "<a>\r\n<b/>\r\n</a>\r\n");
}
