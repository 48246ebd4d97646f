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
constexpr int kLoftPoints = 4;  // stations per interpolating cubic

// The Lagrange weights of the four stations from `First` at a position.
struct LoftWeights {
    int First = 0;
    std::array<long double, kLoftPoints> Weight{};
};
LoftWeights LoftWeightsAt(long double station);

// What a quantity given at the 21 stations integrates to along the loft, in
// station units: sum over s of Area[s] q[s], and with the position as a
// factor, sum over s of Moment[s] q[s].
struct LoftIntegrals {
    std::array<long double, kStationCount> Area{};
    std::array<long double, kStationCount> Moment{};
};
const LoftIntegrals& StationLoftIntegrals();

class StationLoft {
public:
    explicit StationLoft(const HullRecord& hull);

    std::vector<ExtendedPoint> OutlineAt(long double station) const;

private:
    std::array<std::vector<ExtendedPoint>, kStationCount> outlines_;
};

}  // namespace sloopform
