#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "BundledDesigns.h"
#include "RecordingCanvas.h"
#include "RecordingUi.h"
#include "analysis/Offsets.h"
#include "model/HullOutlines.h"
#include "model/StationOutline.h"
#include "views/LevelLines.h"
#include "views/LinesPlan.h"
#include "views/ScaledSheet.h"
#include "views/SvgViews.h"
#include "views/ViewportEngView.h"

using namespace sloopform;
using sloopform::test::RecordingCanvas;

namespace {

struct Line {
    long double x1, y1, z1, x2, y2, z2;
};

class LineRecorder : public LineSink {
public:
    void Line3D(Real48 x1, Real48 y1, Real48 z1, Real48 x2, Real48 y2, Real48 z2) override
    {
        lines.push_back({x1, y1, z1, x2, y2, z2});
    }
    std::vector<Line> lines;
};

class GeneratedCruiserViews : public ::testing::Test {
protected:
    const HullRecord& hull = test::SharedGeneratedDesign("cruiser-10m");
};

// The segments drawn in each of the three views of a lines plan.
struct ViewSegments {
    std::vector<RecordingCanvas::Segment> profileAndPlan;
    int bodyPlanLeft = 0;
    int bodyPlanRight = 0;
};

ViewSegments Outlines(const HullRecord& hull, bool split)
{
    test::RecordingUi ui;
    RecordingCanvas canvas(1600, 1000);
    TViewportEngView viewport(canvas);
    FitLinesPlan(viewport, hull);
    DrawHullOutlines(viewport, hull, clWhite, split);
    // The body plan is the right-hand part of the sheet, a margin clear of the
    // profile and the plan; its centre line at y = 0.
    const int bodyLeft = viewport.PixelX(TViewportEngView::kBodyPlanView, -hull.BMax / 2 - 0.01L);
    const int centre = viewport.PixelX(TViewportEngView::kBodyPlanView, 0);
    ViewSegments views;
    for (const auto& s : canvas.segments) {
        const bool inBodyPlan = std::min(s.x1, s.x2) >= bodyLeft;
        if (!inBodyPlan) views.profileAndPlan.push_back(s);
        else if (s.x1 + s.x2 < 2 * centre) ++views.bodyPlanLeft;
        else if (s.x1 + s.x2 > 2 * centre) ++views.bodyPlanRight;
    }
    return views;
}

bool SameSegments(const std::vector<RecordingCanvas::Segment>& a,
                  const std::vector<RecordingCanvas::Segment>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& p, const auto& q) {
        return p.x1 == q.x1 && p.y1 == q.y1 && p.x2 == q.x2 && p.y2 == q.y2;
    });
}

}  // namespace

TEST_F(GeneratedCruiserViews, SplitBodyPlanDrawsEachStationOnOneHalfOnly)
{
    const ViewSegments whole = Outlines(hull, false);
    const ViewSegments split = Outlines(hull, true);
    EXPECT_TRUE(SameSegments(whole.profileAndPlan, split.profileAndPlan));
    // Ten stations leave each half, eleven of the twenty-one remain: each
    // half loses ten station curves of 29 pieces, but for a few that round to
    // a point or onto the centre line.
    constexpr int kStationPieces = 29;
    const int right = whole.bodyPlanRight - split.bodyPlanRight;
    EXPECT_EQ(whole.bodyPlanLeft - split.bodyPlanLeft, right);
    EXPECT_LE(right, 10 * kStationPieces);
    EXPECT_GE(right, 10 * kStationPieces - 10);
}

TEST_F(GeneratedCruiserViews, WaterlinesAndButtocksPassThroughTheOffsets)
{
    const OffsetLevels levels{{hull.Tc * 0.5L, hull.Tc}, {hull.BMax / 8}};
    const OffsetsTable table = ComputeOffsets(hull, levels);
    for (int kind = 0; kind < 2; ++kind) {
        LineRecorder recorder;
        if (kind == 0) EmitWaterlines(hull, levels.Waterlines, recorder);
        else EmitButtocks(hull, levels.Buttocks, recorder);
        ASSERT_FALSE(recorder.lines.empty());
        int matched = 0;
        for (const Line& line : recorder.lines) {
            if (line.y1 < 0) continue;
            for (int s = 0; s <= kLastStation; ++s) {
                if (std::fabs(line.x1 - StationPosition(hull, s)) > 1e-9L) continue;
                const auto& row = table.Stations[static_cast<std::size_t>(s)];
                if (kind == 0) {
                    const std::size_t level = line.z1 == levels.Waterlines[0] ? 0 : 1;
                    ASSERT_TRUE(row.HalfBreadths[level]);
                    EXPECT_NEAR(static_cast<double>(line.y1), static_cast<double>(*row.HalfBreadths[level]), 1e-9);
                } else {
                    ASSERT_TRUE(row.Heights[0]);
                    EXPECT_NEAR(static_cast<double>(line.z1), static_cast<double>(*row.Heights[0]), 1e-9);
                }
                ++matched;
            }
        }
        EXPECT_GE(matched, 10) << kind;
    }
}

TEST_F(GeneratedCruiserViews, SwitchesOffLeaveTheDescribedPicture)
{
    test::RecordingUi ui;
    const std::string described = LinesPlanSvg(hull, 800, 500, DrawingSettings{});
    RecordingCanvas canvas(800, 500);
    TViewportEngView viewport(canvas);
    FitLinesPlan(viewport, hull);
    DisplaySwitches all;
    all.Waterlines = all.Buttocks = all.Labels = true;
    RedrawLinesPlan(viewport, hull, DrawingSettings{}, all);
    const auto texts = std::count_if(canvas.calls.begin(), canvas.calls.end(),
                                     [](const std::string& call) { return call.rfind("Text ", 0) == 0; });
    EXPECT_EQ(texts, 21 + 4);  // station numbers, BL and DWL twice
    EXPECT_EQ(described.find("<text"), std::string::npos);
}

TEST_F(GeneratedCruiserViews, TheSheetIsDrawnAtItsScale)
{
    test::RecordingUi ui;
    const ScaledSheet sheet(hull, 10, {"cruiser-10m.sfp", "2026-12-07"}, DisplaySwitches{true, true});
    const LinesPlanLayout layout = MeasureLinesPlan(hull);
    // The scale bar and the title block fit beside the plan at 1:10: no band below it.
    EXPECT_NEAR(static_cast<double>(sheet.HeightMm()),
                static_cast<double>((layout.DrawHeight + 2 * layout.Margin) * 100), 1e-6);
    // At 1:100 the room beside the plan is too small: they go in a band below.
    const ScaledSheet small(hull, 100, {}, DisplaySwitches{});
    EXPECT_NEAR(static_cast<double>(small.HeightMm()),
                static_cast<double>((layout.DrawHeight + 2 * layout.Margin) * 10 + 40), 1e-6);
    RecordingCanvas canvas(20000, 20000);
    constexpr long double kPixelsPerMm = 10;
    sheet.Draw(canvas, kPixelsPerMm, 0, 0);
    // The design waterline's segments in the profile run from station 0 to
    // station 20: Lwl at 1:10, a millimetre on paper per centimetre.
    const long double mmPerMetre = 100;
    const long double planLeft = (sheet.WidthMm() - (layout.DrawWidth + 2 * layout.Margin) * mmPerMetre) / 2;
    const long double row = (layout.TotalHeight + layout.Margin - hull.Tc) * mmPerMetre * kPixelsPerMm;
    const long double profileEnd = planLeft + (2 * layout.Margin + hull.Loa) * mmPerMetre;
    int left = 1 << 30, right = -1;
    for (const auto& s : canvas.segments)
        if (std::fabs(s.y1 - row) < 2 && s.y2 == s.y1 && s.color == clBlack && s.x1 < profileEnd * kPixelsPerMm) {
            left = std::min({left, s.x1, s.x2});
            right = std::max({right, s.x1, s.x2});
        }
    EXPECT_NEAR((right - left) / kPixelsPerMm, static_cast<double>(hull.Lwl * 100), 0.3);
    const auto has = [&](const std::string& text) {
        return std::any_of(canvas.calls.begin(), canvas.calls.end(),
                           [&](const std::string& call) { return call.find(text) != std::string::npos; });
    };
    EXPECT_TRUE(has(" cruiser-10m.sfp "));
    EXPECT_TRUE(has(" Scale 1:10   2026-12-07 "));
    EXPECT_TRUE(has(" Loa 10.500 m   Lwl "));
    EXPECT_TRUE(has(" 0.50 m "));
}

TEST(TileSheet, PagesCoverTheSheetWithOverlaps)
{
    EXPECT_EQ(TileSheet(180, 250, 190, 277).size(), 1u);
    const long double width = 1450, height = 620, pageWidth = 190, pageHeight = 277;
    const auto tiles = TileSheet(width, height, pageWidth, pageHeight);
    ASSERT_EQ(tiles.size(), 8u * 3u);
    EXPECT_EQ(tiles.back().Row, 2);
    EXPECT_EQ(tiles.back().Column, 7);
    // Every point of the sheet lies on some page.
    for (long double x = 0; x <= width; x += 5)
        for (long double y = 0; y <= height; y += 5)
            EXPECT_TRUE(std::any_of(tiles.begin(), tiles.end(), [&](const SheetTile& t) {
                return x >= t.LeftMm && x <= t.LeftMm + pageWidth && y >= t.TopMm && y <= t.TopMm + pageHeight;
            })) << x << " " << y;
    // Centred: the spare paper shared at both ends, each step a page less the overlap.
    EXPECT_NEAR(static_cast<double>(-tiles.front().LeftMm),
                static_cast<double>(tiles.back().LeftMm + pageWidth - width), 1e-9);
    EXPECT_NEAR(static_cast<double>(-tiles.front().TopMm),
                static_cast<double>(tiles.back().TopMm + pageHeight - height), 1e-9);
    EXPECT_EQ(tiles[1].LeftMm - tiles[0].LeftMm, pageWidth - kTileOverlapMm);
    EXPECT_EQ(tiles[8].TopMm - tiles[0].TopMm, pageHeight - kTileOverlapMm);
    // A region kept whole at the bottom right corner moves the pages only as
    // far as it needs: here 150 mm, more than the centred last page holds.
    const auto kept = TileSheet(width, height, pageWidth, pageHeight, 150, 20);
    EXPECT_LE(kept.back().LeftMm, width - 150);
    EXPECT_GE(kept.back().LeftMm + pageWidth, width);
    EXPECT_LE(kept.front().LeftMm, 0);
    EXPECT_THROW(TileSheet(100, 100, 5, 100), std::invalid_argument);
}

TEST_F(GeneratedCruiserViews, ButtocksRunUpToTheSheer)
{
    const std::vector<long double> buttocks = DefaultOffsetLevels(hull).Buttocks;
    LineRecorder recorder;
    EmitButtocks(hull, buttocks, recorder);
    // The sheer's height where it stands at a half-breadth, from its drawn pieces.
    LineRecorder sheer;
    EmitSheerline(hull, sheer, OutlineDetail::Dxf);
    const auto sheerHeightAt = [&](long double x) -> long double {
        for (const Line& piece : sheer.lines)
            if (piece.y1 >= 0 && std::min(piece.x1, piece.x2) <= x && x <= std::max(piece.x1, piece.x2))
                return piece.z1 + (piece.z2 - piece.z1) * (x - piece.x1) / (piece.x2 - piece.x1);
        return std::nanl("");
    };
    for (long double y : buttocks) {
        // The foremost end of the buttock on the modelled side.
        const Line* foremost = nullptr;
        for (const Line& line : recorder.lines)
            if (std::fabs(line.y1 - y) < 1e-9L && (!foremost || std::min(line.x1, line.x2) <
                                                                  std::min(foremost->x1, foremost->x2)))
                foremost = &line;
        ASSERT_TRUE(foremost) << y;
        const bool firstEnd = foremost->x1 < foremost->x2;
        const long double x = firstEnd ? foremost->x1 : foremost->x2;
        const long double z = firstEnd ? foremost->z1 : foremost->z2;
        // It ends on the sheer (within the sheer's own drawn pieces), not in mid-air below it.
        EXPECT_NEAR(z, sheerHeightAt(x), 0.01L) << "buttock " << double(y) << " ends at x " << double(x);
    }
}

TEST_F(GeneratedCruiserViews, TheDesignWaterlineAndTheDiagonalsFollowTheirCurvesPastTheStations)
{
    LineRecorder waterline;
    EmitDesignWaterline(hull, waterline);
    EXPECT_GT(waterline.lines.size(), 8u * kLastStation);
    for (const Line& line : waterline.lines) EXPECT_EQ(line.z1, hull.Tc);
    // Through each station's own half-beam at the design waterline.
    const OffsetsTable offsets = ComputeOffsets(hull, {{hull.Tc}, {}});
    for (int s = 1; s < kLastStation; ++s) {
        const long double x = offsets.Stations[static_cast<std::size_t>(s)].X;
        const auto through = std::find_if(waterline.lines.begin(), waterline.lines.end(), [&](const Line& line) {
            return std::fabs(line.x1 - x) < 1e-6L && line.y1 > 0;
        });
        ASSERT_NE(through, waterline.lines.end()) << s;
        EXPECT_NEAR(through->y1, *offsets.Stations[static_cast<std::size_t>(s)].HalfBreadths[0], 1e-6L) << s;
    }

    // The diagonals drawn are those the sections are cut by, traced as finely
    // (that they lie on their lines is checked with the level lines).
    LineRecorder diagonals;
    for (int d = 1; d <= 3; ++d) EmitDiagonal(hull, d, diagonals);
    EXPECT_GT(diagonals.lines.size(), 3u * 2 * 10 * (kLastStation - 2));
}

TEST_F(GeneratedCruiserViews, A4LandscapeAt1To50TakesTheFewestPagesAndKeepsTheTitleBlockWhole)
{
    test::RecordingUi ui;
    const ScaledSheet sheet(hull, 50, {"cruiser-10m.sfp", "2026-12-08"}, DisplaySwitches{});
    // A4 on its side inside margins of an inch.
    const long double pageWidth = 297 - 50.8L, pageHeight = 210 - 50.8L;
    const auto tiles = TileSheet(sheet.WidthMm(), sheet.HeightMm(), pageWidth, pageHeight,
                                 sheet.TitleBlockWidthFromRightMm(), sheet.TitleBlockHeightFromBottomMm());
    // The plan is 303 mm long: two pages across, one down.
    EXPECT_LT(sheet.HeightMm(), pageHeight);
    ASSERT_EQ(tiles.size(), 2u);
    // Every text of the title block and the scale bar lies whole on the last page.
    RecordingCanvas canvas(4000, 2000);
    constexpr long double kPixelsPerMm = 4;
    sheet.Draw(canvas, kPixelsPerMm, 0, 0);
    const long double lastLeft = tiles.back().LeftMm * kPixelsPerMm;
    int texts = 0;
    for (const std::string& call : canvas.calls) {
        if (call.rfind("Text ", 0) != 0 || call.find("1:50") == std::string::npos) continue;
        ++texts;
        EXPECT_GE(std::stod(call.substr(5)), lastLeft) << call;
    }
    EXPECT_EQ(texts, 2);  // the scale bar's caption and the title block's line
}
