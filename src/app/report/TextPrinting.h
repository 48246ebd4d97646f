#pragma once
#include <QFont>
#include <QStringList>

class QPrinter;

// How lines of text go onto pages: in this font, with the tab stops of the
// text editor (its distance scales with the device like the font), either cut
// at the right margin or wrapped there.
struct TextPageFormat {
    QFont font;
    qreal tabStopDistance = 80;
    bool wordWrap = false;
};

// Prints the lines inside the page's margins, starting a new page whenever
// the next line does not fit. Returns the number of pages, 0 when the printer
// could not be opened.
int PrintTextPages(QPrinter& printer, const QStringList& lines, const TextPageFormat& format);
