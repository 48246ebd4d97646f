#pragma once
#include <string>

#include "platform/UiServices.h"

class QChartView;
class QFont;
class QPrinter;

// The save dialog's request for an exported chart file.
sloopform::FileDialogRequest ChartExportRequest(const std::string& title, const std::string& description,
                                                const std::string& extension);

// The chart as the window shows it, as a PNG picture or an SVG drawing (lines
// and texts stay vectors). Each file replaces the target only when complete;
// a failure throws sloopform::ExportFileError.
void SaveChartPng(QChartView& view, const std::string& fileName);
void SaveChartSvg(QChartView& view, const std::string& fileName);

// The chart on one page of the printer, under the window's title; the
// number of pages, 0 on failure.
int PrintChart(QPrinter& printer, QChartView& view, const QFont& font);
