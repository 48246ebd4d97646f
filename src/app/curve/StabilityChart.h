#pragma once
#include "analysis/Stability.h"

class QChart;

// Replaces the chart's series with the stability curve: GZ over the heel
// ("gz"), GM's tangent at 0° reaching GM at one radian ("gm"), and marks at
// the largest GZ ("gz_max") and at the angle of vanishing stability ("avs").
void ShowStabilityCurve(QChart& chart, const sloopform::StabilityResult& result);
