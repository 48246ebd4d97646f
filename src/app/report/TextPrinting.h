#pragma once
#include <QFont>
#include <functional>
#include <QRectF>
#include <QString>
#include <QStringList>

class QPainter;
class QPrinter;

// How lines of text go onto pages: in this font, with the tab stops of the
// text editor (its distance scales with the device like the font), either cut
// at the right margin or wrapped there; each page's footer names the document.
struct TextPageFormat {
    QFont font;
    qreal tabStopDistance = 80;
    bool wordWrap = false;
    QString documentName;
};

// The least distance of the text from the paper's edge, for printers that
// report no margin of their own.
inline constexpr qreal kLeastPageMarginMm = 15;

// Where the lines go on each page, in the painter's coordinates on the
// printer: inside the margins, above the footer.
QRectF TextPageBody(const QPrinter& printer, const QFont& font);

// Prints the lines inside the printer's margins (at least the least page
// margin) above a footer with the document's name, the page number and the
// date, starting a new page whenever the next line does not fit. Blank lines
// at the end are left out, so no page is empty. Returns the number of pages,
// 0 when the printer could not be opened.
int PrintTextPages(QPrinter& printer, const QStringList& lines, const TextPageFormat& format);

// One page with a picture drawn into the body the text would take, above the
// same footer. Returns 1, or 0 when the printer could not be opened.
int PrintPicturePage(QPrinter& printer, const std::function<void(QPainter&, const QRectF& body)>& draw,
                     const TextPageFormat& format);
