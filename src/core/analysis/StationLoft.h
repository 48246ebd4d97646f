#pragma once
#include <array>
#include <vector>

#include "analysis/ExtendedBSpline.h"
#include "model/HullRecord.h"

namespace sloopform {

// The section outlines between the stations: every coordinate of the six
// control points interpolated along the length by the cubic through the four
// nearest stations, so the loft passes through each station's own outline.
// Positions are in station units, 0 (forward end of the waterline) to 20.
class StationLoft {
public:
    explicit StationLoft(const HullRecord& hull);

    std::vector<ExtendedPoint> OutlineAt(long double station) const;

private:
    std::array<std::vector<ExtendedPoint>, kStationCount> outlines_;
};

}  // namespace sloopform
