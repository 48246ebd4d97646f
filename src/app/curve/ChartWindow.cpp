#include "curve/ChartWindow.h"

#include <QChart>
#include <QChartView>
#include <QLayout>
#include <QMenuBar>
#include <QPainter>
#include <QPrintDialog>

#include "curve/ChartExport.h"
#include "export/ChosenFileExport.h"

ChartWindow::ChartWindow(QWidget* parent, const QString& chartName, const QString& printFailure)
    : QWidget(parent, Qt::Window), view_(new QChartView(new QChart)), printFailure_(printFailure)
{
    view_->setObjectName(chartName);
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setMinimumSize(560, 360);
    view_->chart()->legend()->setAlignment(Qt::AlignBottom);
}

void ChartWindow::buildMenu()
{
    auto* bar = new QMenuBar(this);
    QMenu* file = bar->addMenu("&File");
    file->addAction("Export &PNG...", this, [this] { exportPng(); });
    file->addAction("Export &SVG...", this, [this] { exportSvg(); });
    file->addAction("Export &CSV...", this, [this] { exportCsv(); });
    file->addSeparator();
    file->addAction("&Print...", this, [this] { print(); })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    file->addSeparator();
    file->addAction("&Close", this, [this] { close(); });
    layout()->setMenuBar(bar);
}

QChart& ChartWindow::chart() const { return *view_->chart(); }

void ChartWindow::exportPng()
{
    sloopform::ExportToChosenFile(ChartExportRequest("Export PNG", "PNG picture", "png"),
                                  [this](const std::string& fileName) { SaveChartPng(*view_, fileName); });
}

void ChartWindow::exportSvg()
{
    sloopform::ExportToChosenFile(ChartExportRequest("Export SVG", "SVG drawing", "svg"),
                                  [this](const std::string& fileName) { SaveChartSvg(*view_, fileName); });
}

void ChartWindow::print()
{
    auto* dialog = new QPrintDialog(&printer_, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this] { printOn(printer_); });
    dialog->open();
}

int ChartWindow::printOn(QPrinter& printer)
{
    const int pages = PrintChart(printer, *view_, font());
    if (pages == 0)
        sloopform::Ui().ShowMessage(printFailure_.toStdString(), sloopform::MessageIcon::Error,
                                    sloopform::MessageButtons::Ok);
    return pages;
}
