#pragma once
#include <array>

namespace sloopform {

// A cubic on 0 .. 1 by its Bézier ordinates.
using CubicOrdinates = std::array<double, 4>;

double CubicAt(const CubicOrdinates& f, double u);

// Where the cubic changes sign inside (0, 1), in increasing order.
struct SignChanges {
    int Count = 0;
    std::array<double, 3> At{};
};
SignChanges CubicSignChanges(const CubicOrdinates& f);

// The parts of 0 .. 1 where the cubic is positive: at most two intervals.
struct PositiveParts {
    int Count = 0;
    std::array<std::array<double, 2>, 2> Part{};
};
PositiveParts CubicPositiveParts(const CubicOrdinates& f);

}  // namespace sloopform
