#include "model/StationOutline.h"

namespace sloopform {

TPointBlock2 StationOutline(const HullRecord& hull, int s)
{
    const TStation& station = hull.Stations.at(static_cast<std::size_t>(s));
    TPointBlock2 points;
    points[1] = {0, station.KeelHeight};
    points[2] = {(hull.Tc - station.KeelHeight) * Tan(hull.Diagonals[4].Angle), station.KeelHeight};
    for (int d = 1; d <= 3; ++d) {
        const TDiagonal& diagonal = hull.Diagonals[d];
        points[d + 2] = {DiagonalY(diagonal, station.DiagonalOffset[d]),
                         DiagonalZ(diagonal, station.DiagonalOffset[d])};
    }
    points[6] = {station.SheerBeam * 0.5L, station.SheerHeight};
    return points;
}

}  // namespace sloopform
