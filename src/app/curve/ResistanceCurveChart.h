#pragma once
#include <QString>
#include <vector>

#include "analysis/Resistance.h"
#include "analysis/VelocityConversion.h"

class QChart;

// One design's curve as the chart shows it: its points and the words its
// lines carry in the legend after the component's caption.
struct ChartedCurve {
    std::vector<sloopform::ResistanceResult> points;
    QString legendSuffix;  // empty for the current design
    bool optimum = false;  // drawn dash-dotted
};

// The prefix of the optimum's series names and CSV columns.
inline constexpr const char* kOptimumPrefix = "optimum_";

// Replaces the chart's lines with one per component of each curve, named as
// the CSV columns (the second curve's with kOptimumPrefix), over the speed in
// the unit (Froude number or knots) and the resistance in newtons. The speeds
// above the regression's fitted range go to a dashed line of their own, named
// with kExtrapolatedSuffix, that starts at the last fitted speed.
void ShowResistanceCurves(QChart& chart, sloopform::SpeedUnit unit, const std::vector<ChartedCurve>& curves);

inline constexpr const char* kExtrapolatedSuffix = "_extrapolated";

// A point's speed on the chart's x axis.
double ChartSpeed(const sloopform::ResistanceResult& point, sloopform::SpeedUnit unit);
