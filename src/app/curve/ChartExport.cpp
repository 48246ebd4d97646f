#include "curve/ChartExport.h"

#include <QChartView>
#include <QPainter>
#include <QPrinter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <functional>

#include "export/ExportTextFile.h"
#include "report/TextPrinting.h"

namespace {

// Writes through a temporary file that replaces the target only when complete.
void WriteWhole(const std::string& fileName, const std::function<bool(QIODevice&)>& write)
{
    QSaveFile file(QString::fromStdString(fileName));
    if (!file.open(QIODevice::WriteOnly) || !write(file) || !file.commit())
        throw sloopform::ExportFileError("Unable to write " + fileName);
}

}  // namespace

sloopform::FileDialogRequest ChartExportRequest(const std::string& title, const std::string& description,
                                                const std::string& extension)
{
    sloopform::FileDialogRequest request;
    request.title = title;
    request.filter = description + " (*." + extension + ")|*." + extension + "|All files (*.*)|*.*";
    request.defaultExtension = extension;
    request.confirmOverwrite = true;
    return request;
}

void SaveChartPng(QChartView& view, const std::string& fileName)
{
    WriteWhole(fileName, [&view](QIODevice& file) { return view.grab().save(&file, "PNG"); });
}

void SaveChartSvg(QChartView& view, const std::string& fileName)
{
    WriteWhole(fileName, [&view](QIODevice& file) {
        QSvgGenerator generator;
        generator.setOutputDevice(&file);
        generator.setSize(view.size());
        generator.setViewBox(view.rect());
        generator.setTitle(view.window()->windowTitle());
        QPainter painter;
        if (!painter.begin(&generator)) return false;
        view.render(&painter);
        return painter.end();
    });
}

int PrintChart(QPrinter& printer, QChartView& view, const QFont& font)
{
    const QString title = view.window()->windowTitle();
    printer.setDocName(title);
    TextPageFormat format;
    format.font = font;
    format.documentName = title;
    return PrintPicturePage(
        printer, [&view](QPainter& painter, const QRectF& body) { view.render(&painter, body); }, format);
}
