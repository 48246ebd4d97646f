#include "report/TextPrinting.h"

#include <QPainter>
#include <QPrinter>
#include <QTextLayout>

namespace {

// One line of the text laid out in the page's width; a line that is not
// wrapped keeps its full length and is cut by the clip.
void LayOut(QTextLayout& layout, const QTextOption& option, qreal width)
{
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
        line.setLineWidth(width);
    layout.endLayout();
}

}  // namespace

int PrintTextPages(QPrinter& printer, const QStringList& lines, const TextPageFormat& format)
{
    QPainter painter;
    if (!painter.begin(&printer)) return 0;
    // The painter's origin is the top left corner inside the page's margins.
    const QSizeF page = printer.pageLayout().paintRectPixels(printer.resolution()).size();
    painter.setClipRect(QRectF(QPointF(0, 0), page));
    painter.setFont(format.font);

    QTextOption option;
    option.setWrapMode(format.wordWrap ? QTextOption::WrapAtWordBoundaryOrAnywhere
                                       : QTextOption::NoWrap);
    option.setTabStopDistance(format.tabStopDistance);

    int pages = 1;
    qreal y = 0;
    for (const QString& text : lines) {
        QTextLayout layout(text, format.font, &printer);
        LayOut(layout, option, page.width());
        for (int i = 0; i < layout.lineCount(); ++i) {
            const QTextLine line = layout.lineAt(i);
            if (y > 0 && y + line.height() > page.height()) {
                printer.newPage();
                ++pages;
                y = 0;
            }
            line.draw(&painter, QPointF(0, y - line.y()));
            y += line.height();
        }
    }
    painter.end();
    return pages;
}
