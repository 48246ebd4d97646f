#pragma once
#include <array>
#include <string>
#include <vector>

#include "model/HullRecord.h"
#include "views/Canvas.h"
#include "views/DrawingSettings.h"

namespace sloopform {

// The scales a lines plan is printed at, as 1:N.
constexpr std::array<int, 8> kSheetScales = {1, 2, 5, 10, 20, 25, 50, 100};

struct PaperSize {
    const char* Name;
    long double ShortMm;
    long double LongMm;
};

// A4 to A0.
constexpr std::array<PaperSize, 5> kPaperSizes = {{{"A4", 210, 297},
                                                   {"A3", 297, 420},
                                                   {"A2", 420, 594},
                                                   {"A1", 594, 841},
                                                   {"A0", 841, 1189}}};

// What the title block names besides the hull's own figures.
struct SheetTitle {
    std::string DesignFile;
    std::string Date;
};

// The lines plan of a generated hull at a true scale on paper, measured in
// millimetres: the profile, plan and body plan as the lines-plan window
// arranges them, and a scale bar and a title block with the design file, Loa,
// Lwl, BMax, Tc, the displacement, the scale and the date: in the room below
// the body plan beside the plan when they fit there (a narrower title block,
// one more line high), so the sheet is no taller than the plan; else in a band
// below the plan. Either way the title block is the sheet's last corner. Printed
// in black on white, one pen width for each kind of line: 0.35 mm for the hull
// and its lines, 0.25 mm for the construction lines and the title block.
class ScaledSheet {
public:
    // `scale` is N of 1:N, at least 1. Throws std::invalid_argument otherwise.
    ScaledSheet(const HullRecord& hull, int scale, SheetTitle title, DisplaySwitches switches);

    long double WidthMm() const { return widthMm_; }
    // How far the title block reaches from the sheet's right and bottom edges.
    long double TitleBlockWidthFromRightMm() const;
    long double TitleBlockHeightFromBottomMm() const;
    long double HeightMm() const { return heightMm_; }
    int Scale() const { return scale_; }

    // Draws the part of the sheet whose top left corner is (leftMm, topMm) on
    // a canvas of `pixelsPerMm`, that corner at the canvas's origin.
    void Draw(Canvas& canvas, long double pixelsPerMm, long double leftMm, long double topMm) const;

private:
    void DrawLinesPlan(Canvas& canvas, long double pixelsPerMm, long double leftMm, long double topMm) const;
    void DrawScaleBar(Canvas& canvas, long double pixelsPerMm, long double leftMm, long double topMm) const;
    void DrawTitleBlock(Canvas& canvas, long double pixelsPerMm, long double leftMm, long double topMm) const;
    // The scale bar and the title block go in the room beside the plan.
    bool InCorner() const { return heightMm_ == planHeightMm_; }

    const HullRecord& hull_;
    int scale_;
    SheetTitle title_;
    DisplaySwitches switches_;
    long double planWidthMm_ = 0;   // the lines plan with its margins
    long double planHeightMm_ = 0;
    long double widthMm_ = 0;
    long double heightMm_ = 0;
};

// The narrowest sheet: the scale bar and the title block side by side.
long double SmallestSheetWidthMm();

// The largest scale 1:N (N whole) at which the sheet fits the printable area;
// 0 when not even the scale bar and title block fit.
int FittingScale(const HullRecord& hull, long double printableWidthMm, long double printableHeightMm);

// One page of a sheet printed in pieces: its place in the grid and the sheet
// point at its top left corner.
struct SheetTile {
    int Row = 0;
    int Column = 0;
    long double LeftMm = 0;
    long double TopMm = 0;
};

// Neighbouring pages share this much of the sheet, to be glued over each other.
constexpr long double kTileOverlapMm = 10;

// The fewest pages of printableWidth x printableHeight that cover the sheet,
// row by row, each overlapping its neighbours by kTileOverlapMm; one page when
// the sheet fits. The pages are centred on the sheet, as far as the region
// that reaches `keepWidthMm` and `keepHeightMm` from the sheet's bottom right
// corner (the title block) then lies whole on the last page.
std::vector<SheetTile> TileSheet(long double sheetWidthMm, long double sheetHeightMm,
                                 long double printableWidthMm, long double printableHeightMm,
                                 long double keepWidthMm = 0, long double keepHeightMm = 0);

// On a page of a tiled sheet: short marks where the neighbouring pages' edges
// fall and the page's place ("Page 2/3, row 1, column 2").
void DrawTileMarks(Canvas& canvas, long double pixelsPerMm, const SheetTile& tile, int pageCount,
                   int rows, int columns, long double printableWidthMm, long double printableHeightMm);

}  // namespace sloopform
