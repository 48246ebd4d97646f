#include "HandMadeHull.h"

#include <cmath>

namespace sloopform::test {

std::unique_ptr<HullRecord> HandMadeHull()
{
    auto hull = HullRecord::Create();
    hull->Loa = 10.5L;
    hull->Lwl = 9.0L;
    hull->Fovh = 0.5L;
    hull->BMax = 3.2L;
    hull->Bwl = 2.8L;
    hull->Tc = 1.5L;
    hull->FreeBow = 1.0L;
    hull->FreeCenter = 0.9L;
    hull->FreeAft = 0.8L;
    hull->TransomRise = 0.25L;

    // Stem head down to the keel and up to the transom top.
    for (int i = 1; i <= 23; ++i) {
        const long double t = (i - 1) / 22.0L;
        hull->ProfilePoints[i] = {10.0L * t, 2.5L - 2.4L * std::sin(kPi * t) - 0.1L * t};
    }
    hull->SheerPoints[1] = {0.0L, 0.0L, 2.5L};
    hull->SheerPoints[2] = {5.0L, 1.8L, 2.3L};
    hull->SheerPoints[3] = {10.0L, 1.1L, 2.4L};
    for (int i = 1; i <= 3; ++i) hull->TransomPoints[i] = {9.6L, 0.0L, 1.75L};
    hull->TransomPoints[4] = {9.7L, 0.5L, 1.9L};
    hull->TransomPoints[5] = {9.85L, 0.9L, 2.1L};
    hull->TransomPoints[6] = {10.0L, 1.1L, 2.4L};

    const long double angles[] = {0.3L, 0.7L, 1.1L};
    for (int d = 1; d <= 3; ++d) {
        const long double a = angles[d - 1];
        hull->Diagonals[d] = {0.0L, hull->Tc, std::cos(a), -std::sin(a), a};
    }
    hull->Diagonals[4].Angle = kPi / 18;

    for (int s = 0; s <= kLastStation; ++s) {
        TStation& station = hull->Stations[static_cast<std::size_t>(s)];
        const long double fullness = std::sin(kPi * s / 20);
        station.KeelHeight = 0.2L + 0.8L * (1 - fullness);
        station.SheerBeam = 2.2L + 0.9L * fullness;
        station.SheerHeight = 2.5L;
        station.WaterlineBeam = 2.8L * fullness;
        for (int d = 1; d <= 3; ++d) station.DiagonalOffset[d] = 0.4L + 0.9L * fullness;
    }
    hull->ProfileDone = hull->SheerDone = hull->WaterlineDone = true;
    hull->HullComplete = hull->TransomDone = true;
    return hull;
}

}  // namespace sloopform::test
