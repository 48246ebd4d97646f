#pragma once
#include <array>

#include "model/HullRecord.h"
#include "numeric/Real48.h"

namespace sloopform {

// The design waterline stage: shapes the waterline's two shoulders, by fullness
// and skew in turn, until it meets Cwp and LCF together; then records the
// demanded waterline beam of every station.
void CreateWaterline(HullRecord& hull);

// The nine control points: the widest point three times at LCF, flanked at
// 0.1 Lwl, the ends on the centre line; the shoulders (points 2 and 8) at the
// starting scale.
void SetWaterlinePoints(HullRecord& hull);

// Writes the half-breadths of control points 2 and 8 from the scale, the
// fullness and the skew.
void ApplyWaterlineShape(HullRecord& hull);

// Measures the waterplane coefficient and the centre of flotation (fraction of
// Lwl) of the current waterline into the stage's CwpNow and LcfNow.
void MeasureWaterline(const HullRecord& hull);

struct SimpsonResult {
    Real48 Area;      // with ordinates y: the area between the curve and the axis
    Real48 Centroid;  // distance of its centre from station 0
};

// Simpson's first rule over 21 ordinates at spacing h.
SimpsonResult SimpsonStations(const std::array<Real48, kStationCount>& y, long double h);

// Writes each station's design waterline beam (twice the half-breadth).
void WaterlineStations(HullRecord& hull);

}  // namespace sloopform
