#include "HandBuiltHull.h"

#include <cmath>

#include "BundledDesigns.h"
#include "numeric/Geometry.h"

namespace sloopform::test {

void LayOutDiagonals(HullRecord& hull)
{
    const Real48 angle1 = 0.7853981634L;
    const Real48 angle3 = std::atan(2.0L);
    const Real48 angles[4] = {angle1, (angle1 + angle3) * 0.5L, angle3, Real48(0.1745329252L)};
    const long double heights[3] = {0, hull.Bwl * 0.125L, hull.Bwl * 0.25L};
    for (int d = 1; d <= 3; ++d) {
        TDiagonal& diagonal = hull.Diagonals[d];
        diagonal.Y0 = 0;
        diagonal.Z0 = heights[d - 1] + hull.Tc;
        diagonal.Angle = angles[d - 1];
        diagonal.DY = std::sin(static_cast<long double>(diagonal.Angle));
        diagonal.DZ = -std::cos(static_cast<long double>(diagonal.Angle));
    }
    hull.Diagonals[4].Angle = angles[3];
}

std::unique_ptr<HullRecord> HandBuiltHull()
{
    auto hull = BundledDesign("cruiser-10m");
    SetDefaultGoals(*hull);
    hull->TransomRise = 0.12L;
    for (int s = 0; s <= kLastStation; ++s) {
        TStation& station = hull->Stations[static_cast<std::size_t>(s)];
        const long double u = s / 20.0L;  // 0 at the bow end, 1 aft
        const long double lengthwise = std::sin(kPi * u);
        station.KeelHeight = hull->Tc * (1 - lengthwise);
        station.SheerBeam = hull->BMax * (0.62L + 0.38L * std::sin(kPi * (0.15L + 0.85L * u)));
        station.SheerHeight = hull->Tc + hull->FreeCenter + 0.25L * (1 - u) * (1 - u) - 0.1L * u * u;
        station.DesignWaterlineBeam = hull->Bwl * std::pow(std::fabs(lengthwise), 0.6L);
    }
    LayOutDiagonals(*hull);
    return hull;
}

}  // namespace sloopform::test
