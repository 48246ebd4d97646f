#include "views/ScaledSheet.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

#include "analysis/Hydrostatics.h"
#include "numeric/NumberText.h"
#include "views/LinesPlan.h"
#include "views/ViewportEngView.h"

namespace sloopform {

namespace {

constexpr TColor kInk = clBlack;
constexpr TColor kConstructionInk = 0x808080;
constexpr long double kHullPenMm = 0.35L;
constexpr long double kThinPenMm = 0.25L;
constexpr long double kLabelMm = 2.5L;   // station numbers and level names
constexpr long double kTextMm = 3;       // the title block and the scale bar
constexpr long double kBandMm = 40;      // under the lines plan: scale bar and title block
constexpr long double kEdgeMm = 8;
constexpr long double kTitleWidthMm = 100;
constexpr long double kTitleHeightMm = 28;
// The title block in the room beside the plan: narrower, one line more.
constexpr long double kCornerTitleWidthMm = 64;
constexpr long double kCornerTitleHeightMm = 35;
// The scale bar's height with its caption above and figures below.
constexpr long double kScaleBarBlockMm = 16;
constexpr long double kScaleBarMaxMm = 60;
constexpr long double kScaleBarHeightMm = 3;
constexpr int kScaleBarParts = 5;
constexpr long double kMarkMm = 6;       // overlap marks on tiled pages

int Pixels(long double mm, long double pixelsPerMm)
{
    return static_cast<int>(std::lround(mm * pixelsPerMm));
}

int PenPixels(long double mm, long double pixelsPerMm) { return std::max(1, Pixels(mm, pixelsPerMm)); }

// The lines plan's part of the page: shifted to the sheet's place on it, each
// kind of line (told apart by its colour) with its own pen width.
class PlanCanvas : public Canvas {
public:
    PlanCanvas(Canvas& page, int dx, int dy, int width, int height, long double pixelsPerMm)
        : page_(page), dx_(dx), dy_(dy), width_(width), height_(height), pixelsPerMm_(pixelsPerMm)
    {
    }

    void SetPenColor(TColor color) override
    {
        page_.SetPenColor(color);
        page_.SetPenWidth(PenPixels(color == kConstructionInk ? kThinPenMm : kHullPenMm, pixelsPerMm_));
    }
    void SetPenStyle(PenStyle style) override { page_.SetPenStyle(style); }
    void SetPenMode(PenMode mode) override { page_.SetPenMode(mode); }
    void SetPenWidth(int) override {}  // set with the colour
    void SetBrushColor(TColor color) override { page_.SetBrushColor(color); }
    void FillRect(int left, int top, int right, int bottom) override
    {
        page_.FillRect(left + dx_, top + dy_, right + dx_, bottom + dy_);
    }
    void MoveTo(int x, int y) override { page_.MoveTo(x + dx_, y + dy_); }
    void LineTo(int x, int y) override { page_.LineTo(x + dx_, y + dy_); }
    void Text(int x, int y, const std::string& text, int height, TextAlign align) override
    {
        page_.Text(x + dx_, y + dy_, text, height, align);
    }
    int Width() const override { return width_; }
    int Height() const override { return height_; }

private:
    Canvas& page_;
    int dx_;
    int dy_;
    int width_;
    int height_;
    long double pixelsPerMm_;
};

// Drawing in sheet millimetres on a page whose origin is at (leftMm, topMm).
class SheetPen {
public:
    SheetPen(Canvas& canvas, long double pixelsPerMm, long double leftMm, long double topMm)
        : canvas_(canvas), pixelsPerMm_(pixelsPerMm), leftMm_(leftMm), topMm_(topMm)
    {
        canvas_.SetPenColor(kInk);
        canvas_.SetPenStyle(PenStyle::Solid);
        canvas_.SetPenMode(PenMode::Copy);
        canvas_.SetPenWidth(PenPixels(kThinPenMm, pixelsPerMm));
    }

    void Line(long double x1, long double y1, long double x2, long double y2)
    {
        canvas_.MoveTo(X(x1), Y(y1));
        canvas_.LineTo(X(x2), Y(y2));
    }
    void Box(long double left, long double top, long double right, long double bottom)
    {
        Line(left, top, right, top);
        Line(right, top, right, bottom);
        Line(right, bottom, left, bottom);
        Line(left, bottom, left, top);
    }
    void Fill(long double left, long double top, long double right, long double bottom)
    {
        canvas_.SetBrushColor(kInk);
        canvas_.FillRect(X(left), Y(top), X(right), Y(bottom));
    }
    void Text(long double x, long double y, const std::string& text, TextAlign align = TextAlign::Left)
    {
        canvas_.Text(X(x), Y(y), text, Pixels(kTextMm, pixelsPerMm_), align);
    }

private:
    int X(long double mm) const { return Pixels(mm - leftMm_, pixelsPerMm_); }
    int Y(long double mm) const { return Pixels(mm - topMm_, pixelsPerMm_); }

    Canvas& canvas_;
    long double pixelsPerMm_;
    long double leftMm_;
    long double topMm_;
};

std::string Metres(long double value) { return FormatFixed(value, 3) + " m"; }

// The longest bar of a round length that stays within the bar's room.
long double ScaleBarMetres(int scale)
{
    constexpr long double kLengths[] = {0.01L, 0.02L, 0.05L, 0.1L, 0.2L, 0.5L, 1, 2, 5, 10, 20, 50, 100};
    long double best = kLengths[0];
    for (long double metres : kLengths)
        if (metres * 1000 / scale <= kScaleBarMaxMm) best = metres;
    return best;
}

// The lines plan with its margins at 1:1, in millimetres.
std::pair<long double, long double> FullSizePlanMm(const HullRecord& hull)
{
    const LinesPlanLayout layout = MeasureLinesPlan(hull);
    return {(layout.DrawWidth + 2 * layout.Margin) * 1000, (layout.DrawHeight + 2 * layout.Margin) * 1000};
}

}  // namespace

int FittingScale(const HullRecord& hull, long double printableWidthMm, long double printableHeightMm)
{
    const auto [width, height] = FullSizePlanMm(hull);
    const long double planRoom = printableHeightMm - kBandMm;
    if (printableWidthMm < SmallestSheetWidthMm() || planRoom <= 0) return 0;
    const long double ratio = std::max(width / printableWidthMm, height / planRoom);
    return std::max(1, static_cast<int>(std::ceil(ratio)));
}

long double SmallestSheetWidthMm() { return 3 * kEdgeMm + kScaleBarMaxMm + kTitleWidthMm; }

ScaledSheet::ScaledSheet(const HullRecord& hull, int scale, SheetTitle title, DisplaySwitches switches)
    : hull_(hull), scale_(scale), title_(std::move(title)), switches_(std::move(switches))
{
    if (scale < 1) throw std::invalid_argument("The scale must be 1:1 or smaller");
    const auto [width, height] = FullSizePlanMm(hull);
    planWidthMm_ = width / scale;
    planHeightMm_ = height / scale;
    // The room below the body plan, right of the plan's bow end.
    const LinesPlanLayout layout = MeasureLinesPlan(hull);
    const long double room = (2 * layout.Margin + hull.BMax) * 1000 / scale;
    const bool cornerFits = room >= kCornerTitleWidthMm + kEdgeMm &&
                            room >= kScaleBarBlockMm + kCornerTitleHeightMm + kEdgeMm &&
                            ScaleBarMetres(scale) * 1000 / scale <= room - kEdgeMm;
    widthMm_ = cornerFits ? planWidthMm_ : std::max(planWidthMm_, SmallestSheetWidthMm());
    heightMm_ = cornerFits ? planHeightMm_ : planHeightMm_ + kBandMm;
}

long double ScaledSheet::TitleBlockWidthFromRightMm() const
{
    return kEdgeMm + (InCorner() ? kCornerTitleWidthMm : kTitleWidthMm);
}

long double ScaledSheet::TitleBlockHeightFromBottomMm() const
{
    return kEdgeMm / 2 + (InCorner() ? kCornerTitleHeightMm : kTitleHeightMm);
}

void ScaledSheet::Draw(Canvas& canvas, long double pixelsPerMm, long double leftMm, long double topMm) const
{
    DrawLinesPlan(canvas, pixelsPerMm, leftMm, topMm);
    DrawScaleBar(canvas, pixelsPerMm, leftMm, topMm);
    DrawTitleBlock(canvas, pixelsPerMm, leftMm, topMm);
}

void ScaledSheet::DrawLinesPlan(Canvas& canvas, long double pixelsPerMm, long double leftMm,
                                long double topMm) const
{
    const LinesPlanLayout layout = MeasureLinesPlan(hull_);
    // Centred across a sheet that the title block makes wider.
    const long double planLeftMm = (widthMm_ - planWidthMm_) / 2;
    PlanCanvas plan(canvas, Pixels(planLeftMm - leftMm, pixelsPerMm), Pixels(-topMm, pixelsPerMm),
                    Pixels(planWidthMm_, pixelsPerMm), Pixels(planHeightMm_, pixelsPerMm), pixelsPerMm);
    TViewportEngView viewport(plan);
    viewport.SetLabelHeight(Pixels(kLabelMm, pixelsPerMm));
    PlaceLinesPlan(viewport, hull_, layout, layout.Margin, layout.Margin);
    DrawingSettings ink;
    ink.BackgroundColor = clWhite;
    ink.ConstructionColor = kConstructionInk;
    ink.OutlineColor = kInk;
    RedrawLinesPlan(viewport, hull_, ink, switches_);
}

void ScaledSheet::DrawScaleBar(Canvas& canvas, long double pixelsPerMm, long double leftMm,
                               long double topMm) const
{
    SheetPen pen(canvas, pixelsPerMm, leftMm, topMm);
    const long double metres = ScaleBarMetres(scale_);
    const long double length = metres * 1000 / scale_;
    // Above the title block in the corner, else at the band's left end.
    const long double left = InCorner() ? widthMm_ - kEdgeMm - kCornerTitleWidthMm : kEdgeMm;
    const long double top = InCorner() ? heightMm_ - kEdgeMm / 2 - kCornerTitleHeightMm - kScaleBarBlockMm + kTextMm
                                       : planHeightMm_ + kBandMm / 2;
    const long double part = length / kScaleBarParts;
    for (int i = 0; i < kScaleBarParts; i += 2)
        pen.Fill(left + i * part, top, left + (i + 1) * part, top + kScaleBarHeightMm);
    pen.Box(left, top, left + length, top + kScaleBarHeightMm);
    pen.Text(left, top - kTextMm, "Scale 1:" + std::to_string(scale_));
    pen.Text(left, top + kScaleBarHeightMm + kTextMm, "0", TextAlign::Centre);
    pen.Text(left + length, top + kScaleBarHeightMm + kTextMm, FormatFixed(metres, metres < 1 ? 2 : 0) + " m",
             TextAlign::Centre);
}

void ScaledSheet::DrawTitleBlock(Canvas& canvas, long double pixelsPerMm, long double leftMm,
                                 long double topMm) const
{
    SheetPen pen(canvas, pixelsPerMm, leftMm, topMm);
    const long double right = widthMm_ - kEdgeMm;
    const long double left = right - (InCorner() ? kCornerTitleWidthMm : kTitleWidthMm);
    const long double bottom = heightMm_ - kEdgeMm / 2;
    const long double top = bottom - (InCorner() ? kCornerTitleHeightMm : kTitleHeightMm);
    pen.Box(left, top, right, bottom);
    const std::string displacement =
        "Displacement " + FormatFixed(ComputeHydrostatics(hull_).Displacement, 0) + " kg";
    const std::string scale = "Scale 1:" + std::to_string(scale_) + "   " + title_.Date;
    const std::vector<std::string> lines =
        InCorner() ? std::vector<std::string>{title_.DesignFile,
                                              "Loa " + Metres(hull_.Loa) + "   Lwl " + Metres(hull_.Lwl),
                                              "BMax " + Metres(hull_.BMax) + "   Tc " + Metres(hull_.Tc),
                                              displacement, scale}
                   : std::vector<std::string>{title_.DesignFile,
                                              "Loa " + Metres(hull_.Loa) + "   Lwl " + Metres(hull_.Lwl) +
                                                  "   BMax " + Metres(hull_.BMax),
                                              "Tc " + Metres(hull_.Tc) + "   " + displacement, scale};
    const long double lineSpacing = (bottom - top) / static_cast<long double>(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const long double baseline = top + lineSpacing * (static_cast<long double>(i) + 0.5L);
        pen.Text(left + kTextMm, baseline, lines[i]);
        if (i > 0) pen.Line(left, top + lineSpacing * i, right, top + lineSpacing * i);
    }
}

std::vector<SheetTile> TileSheet(long double sheetWidthMm, long double sheetHeightMm,
                                 long double printableWidthMm, long double printableHeightMm,
                                 long double keepWidthMm, long double keepHeightMm)
{
    if (!(printableWidthMm > kTileOverlapMm && printableHeightMm > kTileOverlapMm))
        throw std::invalid_argument("The printable area of the page is too small");
    const auto count = [](long double sheet, long double page) {
        if (sheet <= page) return 1;
        return static_cast<int>(std::ceil((sheet - kTileOverlapMm) / (page - kTileOverlapMm)));
    };
    const int rows = count(sheetHeightMm, printableHeightMm);
    const int columns = count(sheetWidthMm, printableWidthMm);
    // Where the first page starts: the spare page shared at both ends, but
    // no later than lets the last page hold the kept region, and never so
    // early that the last page falls short of the far edge.
    const auto first = [](int count, long double sheet, long double page, long double keep) -> long double {
        if (count == 1) return 0;
        const long double step = page - kTileOverlapMm;
        const long double latest = std::min<long double>(0, sheet - keep - (count - 1) * step);
        const long double earliest = sheet - page - (count - 1) * step;
        const long double centred = (sheet - (count * step + kTileOverlapMm)) / 2;
        return std::max(earliest, std::min(centred, latest));
    };
    const long double left = first(columns, sheetWidthMm, printableWidthMm, keepWidthMm);
    const long double top = first(rows, sheetHeightMm, printableHeightMm, keepHeightMm);
    std::vector<SheetTile> tiles;
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            tiles.push_back({row, column, left + column * (printableWidthMm - kTileOverlapMm),
                             top + row * (printableHeightMm - kTileOverlapMm)});
    return tiles;
}

void DrawTileMarks(Canvas& canvas, long double pixelsPerMm, const SheetTile& tile, int pageCount,
                   int rows, int columns, long double printableWidthMm, long double printableHeightMm)
{
    if (pageCount <= 1) return;
    SheetPen pen(canvas, pixelsPerMm, 0, 0);
    const long double w = printableWidthMm;
    const long double h = printableHeightMm;
    // Where a neighbour's edge falls on this page, marked at both ends.
    const auto vertical = [&](long double x) {
        pen.Line(x, 0, x, kMarkMm);
        pen.Line(x, h - kMarkMm, x, h);
    };
    const auto horizontal = [&](long double y) {
        pen.Line(0, y, kMarkMm, y);
        pen.Line(w - kMarkMm, y, w, y);
    };
    if (tile.Column > 0) vertical(kTileOverlapMm);
    if (tile.Column < columns - 1) vertical(w - kTileOverlapMm);
    if (tile.Row > 0) horizontal(kTileOverlapMm);
    if (tile.Row < rows - 1) horizontal(h - kTileOverlapMm);
    const int page = tile.Row * columns + tile.Column + 1;
    pen.Text(kMarkMm + 2, h - kMarkMm / 2,
             "Page " + std::to_string(page) + "/" + std::to_string(pageCount) + ", row " +
                 std::to_string(tile.Row + 1) + ", column " + std::to_string(tile.Column + 1));
}

}  // namespace sloopform
