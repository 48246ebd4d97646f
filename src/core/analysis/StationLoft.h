#pragma once
#include <array>
#include <vector>

#include "analysis/ExtendedBSpline.h"
#include "model/HullRecord.h"

namespace sloopform {

// The cubic that carries a loft through `count` sections at the positions
// 0 .. count - 1: the four consecutive sections nearest the position (shifted
// inwards at the ends), each with its Lagrange weight and the weight's
// derivative by the position.
struct LoftWindow {
    static constexpr int kSections = 4;
    int First = 0;
    std::array<long double, kSections> Weight{};
    std::array<long double, kSections> Slope{};
};

// Throws std::out_of_range outside 0 .. count - 1 or with fewer than four sections.
LoftWindow CubicLoftWindow(long double position, int count);

// What a quantity given at the 21 stations integrates to along the station
// loft, in station units: the sum over s of Area[s] q[s], and with the
// position as a factor, the sum over s of Moment[s] q[s].
struct LoftIntegrals {
    std::array<long double, kStationCount> Area{};
    std::array<long double, kStationCount> Moment{};
};
const LoftIntegrals& StationLoftIntegrals();

// The section outlines between the stations: every coordinate of the six
// control points interpolated along the length by the cubic through the four
// nearest stations, so the loft passes through each station's own outline.
// Positions are in station units, 0 (forward end of the waterline) to 20.
class StationLoft {
public:
    explicit StationLoft(const HullRecord& hull);

    std::vector<ExtendedPoint> OutlineAt(long double station) const;
    // The outline and how fast each of its control points moves along the
    // length, per station unit: the derivative of the same cubic (at a
    // station, of the cubic that carries the loft from it aftwards).
    struct OutlineAndSlope {
        std::vector<ExtendedPoint> Outline;
        std::vector<ExtendedPoint> Slope;
    };
    OutlineAndSlope OutlineAndSlopeAt(long double station) const;

private:
    std::vector<ExtendedPoint> Combine(
        int first, const std::array<long double, LoftWindow::kSections>& weight) const;

    std::array<std::vector<ExtendedPoint>, kStationCount> outlines_;
};

}  // namespace sloopform
