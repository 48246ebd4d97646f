#include "analysis/StationLoft.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "analysis/GaussLegendre.h"
#include "model/StationOutline.h"

namespace sloopform {

LoftWindow CubicLoftWindow(long double position, int count)
{
    constexpr int n = LoftWindow::kSections;
    if (!(position >= 0 && position <= count - 1) || count < n)
        throw std::out_of_range("no section outside the loft");
    LoftWindow window;
    window.First = std::clamp(static_cast<int>(std::floor(position)) - 1, 0, count - n);
    for (int j = 0; j < n; ++j) {
        long double w = 1;
        long double slope = 0;  // the product rule over the factors of w
        for (int m = 0; m < n; ++m) {
            if (m == j) continue;
            const long double factor = (position - (window.First + m)) / (j - m);
            slope = slope * factor + w / (j - m);
            w *= factor;
        }
        window.Weight[static_cast<std::size_t>(j)] = w;
        window.Slope[static_cast<std::size_t>(j)] = slope;
    }
    return window;
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
                const LoftWindow window = CubicLoftWindow(station, kStationCount);
                for (int j = 0; j < LoftWindow::kSections; ++j) {
                    const auto s = static_cast<std::size_t>(window.First + j);
                    sums.Area[s] += node.w * window.Weight[static_cast<std::size_t>(j)];
                    sums.Moment[s] += node.w * window.Weight[static_cast<std::size_t>(j)] * station;
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

std::vector<ExtendedPoint> StationLoft::Combine(
    int first, const std::array<long double, LoftWindow::kSections>& weight) const
{
    // Point by point, each coordinate summed over the sections in their
    // order, so that the sums stay in registers.
    std::vector<ExtendedPoint> outline(kStationOutlinePoints);
    for (std::size_t p = 0; p < outline.size(); ++p) {
        long double a = 0, b = 0;
        for (int j = 0; j < LoftWindow::kSections; ++j) {
            const ExtendedPoint& near = outlines_[static_cast<std::size_t>(first + j)][p];
            a += weight[static_cast<std::size_t>(j)] * near.a;
            b += weight[static_cast<std::size_t>(j)] * near.b;
        }
        outline[p] = {a, b};
    }
    return outline;
}

std::vector<ExtendedPoint> StationLoft::OutlineAt(long double station) const
{
    const LoftWindow window = CubicLoftWindow(station, kStationCount);
    return Combine(window.First, window.Weight);
}

StationLoft::OutlineAndSlope StationLoft::OutlineAndSlopeAt(long double station) const
{
    const LoftWindow window = CubicLoftWindow(station, kStationCount);
    return {Combine(window.First, window.Weight), Combine(window.First, window.Slope)};
}

}  // namespace sloopform
