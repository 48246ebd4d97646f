#include "analysis/StationLoft.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "analysis/GaussLegendre.h"
#include "model/StationOutline.h"

namespace sloopform {

LoftWeights LoftWeightsAt(long double station)
{
    if (!(station >= 0 && station <= kLastStation))
        throw std::out_of_range("no section outside the waterline");
    // Shifted inwards at the ends of the waterline.
    LoftWeights weights;
    weights.First = std::clamp(static_cast<int>(std::floor(station)) - 1, 0, kLastStation - kLoftPoints + 1);
    for (int j = 0; j < kLoftPoints; ++j) {
        long double w = 1;
        for (int m = 0; m < kLoftPoints; ++m)
            if (m != j) w *= (station - (weights.First + m)) / (j - m);
        weights.Weight[static_cast<std::size_t>(j)] = w;
    }
    return weights;
}

const LoftIntegrals& StationLoftIntegrals()
{
    // The weights are cubics on each station spacing: three Gauss points
    // integrate them, and them times the position, exactly.
    static const LoftIntegrals integrals = [] {
        LoftIntegrals sums;
        for (int spacing = 0; spacing < kLastStation; ++spacing)
            for (const QuadratureNode& node : GaussLegendre(3)) {
                const long double station = spacing + node.x;
                const LoftWeights weights = LoftWeightsAt(station);
                for (int j = 0; j < kLoftPoints; ++j) {
                    const auto s = static_cast<std::size_t>(weights.First + j);
                    sums.Area[s] += node.w * weights.Weight[static_cast<std::size_t>(j)];
                    sums.Moment[s] += node.w * weights.Weight[static_cast<std::size_t>(j)] * station;
                }
            }
        return sums;
    }();
    return integrals;
}

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
    const LoftWeights weights = LoftWeightsAt(station);
    std::vector<ExtendedPoint> outline(kStationOutlinePoints, ExtendedPoint{0, 0});
    for (int j = 0; j < kLoftPoints; ++j) {
        const long double w = weights.Weight[static_cast<std::size_t>(j)];
        const auto& near = outlines_[static_cast<std::size_t>(weights.First + j)];
        for (std::size_t p = 0; p < outline.size(); ++p) {
            outline[p].a += w * near[p].a;
            outline[p].b += w * near[p].b;
        }
    }
    return outline;
}

}  // namespace sloopform
