#pragma once
#include <QPageLayout>

#include "views/ScaledSheet.h"

class QPrinter;

// The paper of a print to scale: one of kPaperSizes, upright or on its side.
struct PaperChoice {
    int SizeIndex = 0;  // into kPaperSizes
    bool Landscape = false;
};

// The layout with the paper's size and orientation, its margins kept.
QPageLayout PaperLayout(QPageLayout layout, const PaperChoice& paper);

// The pages the sheet takes on the layout's printable area.
int PageCount(const sloopform::ScaledSheet& sheet, const QPageLayout& layout);

// Turns the printer's page the way the lines plan of the hull comes out
// largest and returns that scale (see FittingScale), 0 when it fits neither way.
int FitToPage(QPrinter& printer, const sloopform::HullRecord& hull);

// Prints the sheet at its scale on the printer's pages as they are set,
// tiled over several pages with overlap marks when it does not fit on one.
// Returns the number of pages, or 0 when the printer could not start.
int PrintScaledSheet(QPrinter& printer, const sloopform::ScaledSheet& sheet);
