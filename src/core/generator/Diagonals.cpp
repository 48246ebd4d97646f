#include "generator/Diagonals.h"

#include <cmath>

namespace sloopform {

void CreateDiagonals(HullRecord& hull)
{
    OneBased<TDiagonal, 4>& d = hull.Diagonals;
    d[1].Angle = kDiagonal1Angle;
    d[3].Angle = std::atan(2.0L);
    d[2].Angle = (d[1].Angle + d[3].Angle) * 0.5L;
    d[4].Angle = kKeelFlatAngle;

    // All three start on the centre line, at and above the design waterline.
    const long double origins[] = {hull.Tc, hull.Bwl * 0.125L + hull.Tc, hull.Bwl * 0.25L + hull.Tc};
    for (int i = 1; i <= 3; ++i) {
        TDiagonal& diagonal = d[i];
        diagonal.Y0 = 0.0L;
        diagonal.Z0 = origins[i - 1];
        diagonal.DY = std::sin(static_cast<long double>(diagonal.Angle));
        diagonal.DZ = -std::cos(static_cast<long double>(diagonal.Angle));
    }
}

}  // namespace sloopform
