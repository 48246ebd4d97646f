#include "views/ScaledPrinting.h"

#include <QPageSize>
#include <QPrinter>
#include <iterator>
#include <vector>

#include "platform/QtCanvas.h"
#include "settings/Settings.h"

namespace {

constexpr qreal kMmPerInch = 25.4;

QSizeF PrintableAreaMm(const QPageLayout& layout) { return layout.paintRect(QPageLayout::Millimeter).size(); }

std::vector<sloopform::SheetTile> Tiles(const sloopform::ScaledSheet& sheet, const QSizeF& area)
{
    return sloopform::TileSheet(sheet.WidthMm(), sheet.HeightMm(), area.width(), area.height(),
                                sheet.TitleBlockWidthFromRightMm(), sheet.TitleBlockHeightFromBottomMm());
}

}  // namespace

QPageLayout PaperLayout(QPageLayout layout, const PaperChoice& paper)
{
    static const QPageSize::PageSizeId kIds[] = {QPageSize::A4, QPageSize::A3, QPageSize::A2,
                                                  QPageSize::A1, QPageSize::A0};
    static_assert(std::size(kIds) == sloopform::kPaperSizes.size());
    layout.setPageSize(QPageSize(kIds[paper.SizeIndex]));
    layout.setOrientation(paper.Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    return layout;
}

int PageCount(const sloopform::ScaledSheet& sheet, const QPageLayout& layout)
{
    return static_cast<int>(Tiles(sheet, PrintableAreaMm(layout)).size());
}

int FitToPage(QPrinter& printer, const sloopform::HullRecord& hull)
{
    int best = 0;
    QPageLayout::Orientation bestOrientation = printer.pageLayout().orientation();
    for (const auto orientation : {QPageLayout::Portrait, QPageLayout::Landscape}) {
        QPageLayout layout = printer.pageLayout();
        layout.setOrientation(orientation);
        const QSizeF area = PrintableAreaMm(layout);
        const int scale = sloopform::FittingScale(hull, area.width(), area.height());
        if (scale > 0 && (best == 0 || scale < best)) {
            best = scale;
            bestOrientation = orientation;
        }
    }
    printer.setPageOrientation(bestOrientation);
    return best;
}

int PrintScaledSheet(QPrinter& printer, const sloopform::ScaledSheet& sheet)
{
    const QSizeF area = PrintableAreaMm(printer.pageLayout());
    const auto tiles = Tiles(sheet, area);
    QtCanvas canvas(printer);
    if (!canvas.begin()) return 0;
    canvas.SetSmooth(sloopform::ProgramSettings().Drawing.SmoothLines);
    const long double pixelsPerMm = printer.resolution() / kMmPerInch;
    const int rows = tiles.back().Row + 1;
    const int columns = tiles.back().Column + 1;
    const int pageCount = static_cast<int>(tiles.size());
    for (const sloopform::SheetTile& tile : tiles) {
        if (&tile != &tiles.front()) printer.newPage();
        sheet.Draw(canvas, pixelsPerMm, tile.LeftMm, tile.TopMm);
        sloopform::DrawTileMarks(canvas, pixelsPerMm, tile, pageCount, rows, columns, area.width(),
                                 area.height());
    }
    canvas.end();
    return pageCount;
}
