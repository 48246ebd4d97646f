#pragma once
#include <vector>

namespace sloopform {

// A curve of GZ (m) against heel (degrees) at increasing heels, read as the
// cubic through each interval whose slopes at its ends are those of the
// parabolas through the neighbouring points: exact for a parabola.
class RightingCurve {
public:
    // Throws std::invalid_argument unless there are at least two heels, increasing.
    RightingCurve(std::vector<double> heels, std::vector<double> gz);

    // The area under the curve from `from` to `to` (degrees, inside the curve), m·rad.
    double Area(double from, double to) const;
    double Last() const { return heels_.back(); }

private:
    double Slope(std::size_t i) const;

    std::vector<double> heels_;
    std::vector<double> gz_;
};

}  // namespace sloopform
