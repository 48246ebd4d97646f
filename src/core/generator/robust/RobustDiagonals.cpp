#include "generator/robust/RobustDiagonals.h"

#include <cmath>

#include "generator/Diagonals.h"

namespace sloopform {

namespace {

// Where the first two diagonals cross the midship section's bounding box,
// as shares of Bwl/2 out and of Tc up from the base line.
constexpr long double kFloorOut = 0.5L;
constexpr long double kBilgeOut = 1.0L;
constexpr long double kBilgeUp = 0.15L;

void AimThrough(TDiagonal& diagonal, long double y, long double z)
{
    diagonal.Angle = std::atan2(y, static_cast<long double>(diagonal.Z0) - z);
    diagonal.DY = std::sin(static_cast<long double>(diagonal.Angle));
    diagonal.DZ = -std::cos(static_cast<long double>(diagonal.Angle));
}

}  // namespace

void CreateRobustDiagonals(HullRecord& hull)
{
    CreateDiagonals(hull);
    const long double halfBeam = hull.Bwl * 0.5L;
    AimThrough(hull.Diagonals[1], kFloorOut * halfBeam, 0);
    AimThrough(hull.Diagonals[2], kBilgeOut * halfBeam, kBilgeUp * hull.Tc);
}

}  // namespace sloopform
