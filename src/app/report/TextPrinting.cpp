#include "report/TextPrinting.h"

#include <QDate>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPrinter>
#include <QTextLayout>
#include <algorithm>

namespace {

constexpr qreal kMmPerInch = 25.4;

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

// The printable area in the painter's coordinates (origin at the printer's
// margins), moved in where a printer margin is narrower than the least one.
QRectF MarginArea(const QPrinter& printer)
{
    const QPageLayout page = printer.pageLayout();
    const QMarginsF margins = page.margins(QPageLayout::Millimeter);
    const qreal pixelsPerMm = printer.resolution() / kMmPerInch;
    const auto inset = [pixelsPerMm](qreal marginMm) {
        return std::max<qreal>(0, kLeastPageMarginMm - marginMm) * pixelsPerMm;
    };
    const QRectF printable(QPointF(0, 0), page.paintRectPixels(printer.resolution()).size());
    return printable.adjusted(inset(margins.left()), inset(margins.top()), -inset(margins.right()),
                              -inset(margins.bottom()));
}

void DrawFooter(QPainter& painter, const QRectF& band, const QString& name, int page,
                const QString& date)
{
    painter.drawText(band, Qt::AlignLeft | Qt::AlignBottom, name);
    painter.drawText(band, Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("Page %1").arg(page));
    painter.drawText(band, Qt::AlignRight | Qt::AlignBottom, date);
}

QRectF FooterBand(const QPrinter& printer, const QRectF& body)
{
    return {body.bottomLeft(), MarginArea(printer).bottomRight()};
}

QString Today() { return QLocale().toString(QDate::currentDate(), QLocale::ShortFormat); }

}  // namespace

QRectF TextPageBody(const QPrinter& printer, const QFont& font)
{
    // The footer takes one line at the foot, with one line's gap above it.
    const qreal footerHeight = 2 * QFontMetricsF(font, &printer).height();
    const QRectF area = MarginArea(printer);
    return {area.topLeft(), QSizeF(area.width(), std::max<qreal>(0, area.height() - footerHeight))};
}

int PrintTextPages(QPrinter& printer, const QStringList& lines, const TextPageFormat& format)
{
    QPainter painter;
    if (!painter.begin(&printer)) return 0;
    painter.setFont(format.font);

    const QRectF body = TextPageBody(printer, format.font);
    const QRectF footer = FooterBand(printer, body);
    const QString date = Today();

    QTextOption option;
    option.setWrapMode(format.wordWrap ? QTextOption::WrapAtWordBoundaryOrAnywhere
                                       : QTextOption::NoWrap);
    option.setTabStopDistance(format.tabStopDistance);

    qsizetype count = lines.size();
    while (count > 0 && lines[count - 1].trimmed().isEmpty()) --count;

    int pages = 1;
    qreal y = 0;
    painter.setClipRect(body);
    for (qsizetype n = 0; n < count; ++n) {
        QTextLayout layout(lines[n], format.font, &printer);
        LayOut(layout, option, body.width());
        for (int i = 0; i < layout.lineCount(); ++i) {
            const QTextLine line = layout.lineAt(i);
            if (y > 0 && y + line.height() > body.height()) {
                painter.setClipping(false);
                DrawFooter(painter, footer, format.documentName, pages, date);
                printer.newPage();
                painter.setClipRect(body);
                ++pages;
                y = 0;
            }
            line.draw(&painter, body.topLeft() + QPointF(0, y - line.y()));
            y += line.height();
        }
    }
    painter.setClipping(false);
    DrawFooter(painter, footer, format.documentName, pages, date);
    painter.end();
    return pages;
}

int PrintPicturePage(QPrinter& printer, const std::function<void(QPainter&, const QRectF& body)>& draw,
                     const TextPageFormat& format)
{
    QPainter painter;
    if (!painter.begin(&printer)) return 0;
    painter.setFont(format.font);
    const QRectF body = TextPageBody(printer, format.font);
    painter.save();
    draw(painter, body);
    painter.restore();
    DrawFooter(painter, FooterBand(printer, body), format.documentName, 1, Today());
    painter.end();
    return 1;
}
