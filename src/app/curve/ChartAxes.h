#pragma once
#include <QString>

class QChart;
class QValueAxis;

// A value axis with its title and plain number labels.
QValueAxis* ChartAxis(const QString& title);

// Ticks at whole multiples of 1, 2 or 5 times a power of ten, about six of them.
void PlaceChartTicks(QValueAxis& axis, double from, double to);

// The chart without its series and axes, ready to be drawn again.
void ClearChart(QChart& chart);
