#pragma once
#include <QPrinter>
#include <QString>
#include <QWidget>

class QChart;
class QChartView;

// A window that shows one chart under a File menu that exports it as a PNG
// picture, an SVG drawing or the table drawn (CSV), and prints it on a page.
class ChartWindow : public QWidget {
    Q_OBJECT
public:
    // `printFailure`: the message when the page cannot be printed.
    ChartWindow(QWidget* parent, const QString& chartName, const QString& printFailure);

    void exportPng();
    void exportSvg();
    // The table last drawn; nothing before a chart is drawn.
    virtual void exportCsv() = 0;
    void print();
    // The chart on one page of the printer; the number of pages, 0 on failure.
    int printOn(QPrinter& printer);

    QChart& chart() const;

protected:
    QChartView& view() const { return *view_; }
    // The File menu, on the layout the window has been given.
    void buildMenu();

private:
    QChartView* view_;
    QString printFailure_;
    QPrinter printer_{QPrinter::HighResolution};
};
