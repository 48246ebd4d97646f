#include "analysis/StationLoft.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "model/StationOutline.h"

namespace sloopform {

namespace {

constexpr int kLoftPoints = 4;  // stations per interpolating cubic

}  // namespace

StationLoft::StationLoft(const HullRecord& hull)
{
    for (int s = 0; s <= kLastStation; ++s) {
        const TPointBlock2 outline = StationOutline(hull, s);
        for (int p = 1; p <= kStationOutlinePoints; ++p)
            outlines_[static_cast<std::size_t>(s)].push_back({outline[p].x, outline[p].y});
    }
}

std::vector<ExtendedPoint> StationLoft::OutlineAt(long double station) const
{
    if (!(station >= 0 && station <= kLastStation))
        throw std::out_of_range("no section outside the waterline");
    // Lagrange weights of the four stations around the position, shifted
    // inwards at the ends of the waterline.
    const int first =
        std::clamp(static_cast<int>(std::floor(station)) - 1, 0, kLastStation - kLoftPoints + 1);
    std::array<long double, kLoftPoints> weight{};
    for (int j = 0; j < kLoftPoints; ++j) {
        long double w = 1;
        for (int m = 0; m < kLoftPoints; ++m)
            if (m != j) w *= (station - (first + m)) / (j - m);
        weight[static_cast<std::size_t>(j)] = w;
    }
    std::vector<ExtendedPoint> outline(kStationOutlinePoints, ExtendedPoint{0, 0});
    for (int j = 0; j < kLoftPoints; ++j) {
        const auto& near = outlines_[static_cast<std::size_t>(first + j)];
        for (std::size_t p = 0; p < outline.size(); ++p) {
            outline[p].a += weight[static_cast<std::size_t>(j)] * near[p].a;
            outline[p].b += weight[static_cast<std::size_t>(j)] * near[p].b;
        }
    }
    return outline;
}

}  // namespace sloopform
