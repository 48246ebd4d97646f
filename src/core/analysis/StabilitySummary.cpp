#include "analysis/StabilitySummary.h"

#include <algorithm>
#include <stdexcept>

#include "numeric/Geometry.h"

namespace sloopform {

namespace {

// The integrals from 0 to t of the cubic Hermite basis: the value at the
// start, the slope at the start, the value at the end, the slope at the end.
double ValueStart(double t) { return t * (1 + t * t * (t / 2 - 1)); }
double SlopeStart(double t) { return t * t * (0.5 + t * (t / 4 - 2.0 / 3)); }
double ValueEnd(double t) { return t * t * t * (1 - t / 2); }
double SlopeEnd(double t) { return t * t * t * (t / 4 - 1.0 / 3); }

}  // namespace

RightingCurve::RightingCurve(std::vector<double> heels, std::vector<double> gz)
    : heels_(std::move(heels)), gz_(std::move(gz))
{
    if (heels_.size() < 2 || heels_.size() != gz_.size() ||
        std::adjacent_find(heels_.begin(), heels_.end(), std::greater_equal<>()) != heels_.end())
        throw std::invalid_argument("a righting curve needs two or more increasing heels");
}

double RightingCurve::Slope(std::size_t i) const
{
    const std::size_t n = heels_.size();
    if (n == 2) return (gz_[1] - gz_[0]) / (heels_[1] - heels_[0]);
    // The parabola through three neighbours, i among them.
    const std::size_t first = std::clamp<std::size_t>(i, 1, n - 2) - 1;
    const double x0 = heels_[first], x1 = heels_[first + 1], x2 = heels_[first + 2];
    const double d1 = (gz_[first + 1] - gz_[first]) / (x1 - x0);
    const double d2 = (gz_[first + 2] - gz_[first + 1]) / (x2 - x1);
    const double curvature = (d2 - d1) / (x2 - x0);
    // The parabola's slope d1 + curvature (2x - x0 - x1) at the point.
    return d1 + curvature * (2 * heels_[i] - x0 - x1);
}

double RightingCurve::Area(double from, double to) const
{
    if (!(from >= heels_.front() && to <= heels_.back() && from <= to))
        throw std::invalid_argument("an area outside the righting curve");
    double area = 0;
    for (std::size_t i = 0; i + 1 < heels_.size(); ++i) {
        const double a = std::max(from, heels_[i]);
        const double b = std::min(to, heels_[i + 1]);
        if (b <= a) continue;
        const double width = heels_[i + 1] - heels_[i];
        const auto integral = [&](double x) {
            const double t = (x - heels_[i]) / width;
            return gz_[i] * ValueStart(t) + width * Slope(i) * SlopeStart(t) + gz_[i + 1] * ValueEnd(t) +
                   width * Slope(i + 1) * SlopeEnd(t);
        };
        area += width * (integral(b) - integral(a));
    }
    return area * static_cast<double>(kPi) / 180;
}

}  // namespace sloopform
