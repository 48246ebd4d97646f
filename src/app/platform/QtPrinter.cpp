#include "platform/QtPrinter.h"

#include <QPrinter>
#include <stdexcept>

QtPrinter::QtPrinter(QPrinter& printer) : printer_(printer), page_(printer) {}

void QtPrinter::SetPortrait() { printer_.setPageOrientation(QPageLayout::Portrait); }

void QtPrinter::SetTitle(const std::string& title)
{
    printer_.setDocName(QString::fromStdString(title));
}

void QtPrinter::BeginDoc()
{
    if (!page_.begin()) {
        const QString where = printer_.outputFileName().isEmpty()
                                  ? printer_.printerName()
                                  : printer_.outputFileName();
        throw std::runtime_error("The printer could not start the document: " +
                                 where.toStdString());
    }
}

void QtPrinter::EndDoc() { page_.end(); }

// The printable area, as the canvas covers it.
long double QtPrinter::PageWidthMm() const
{
    return printer_.pageLayout().paintRect(QPageLayout::Millimeter).width();
}

long double QtPrinter::PageHeightMm() const
{
    return printer_.pageLayout().paintRect(QPageLayout::Millimeter).height();
}
