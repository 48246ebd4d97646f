#include "HandMadeHull.h"

#include <cmath>

#include "numeric/Geometry.h"

namespace sloopform::test {

namespace {

constexpr long double kDiagonalOrigin = 0.9L;  // diagonals start on the centre plane here

void FillProfile(HullRecord& hull)
{
    // Stem from the stem head down to the forefoot, then the keel to the transom.
    for (int i = 1; i <= 23; ++i) {
        const long double t = (i - 1) / 22.0L;
        const long double x = 9.8L * t;
        const long double stem = 1.8L * std::pow(1.0L - std::min(t * 6.0L, 1.0L), 2.0L);
        const long double keel = 0.5L * (1.0L - std::sin(kPi * std::min(t * 1.05L, 1.0L)));
        hull.ProfilePoints[i] = {x, std::max(stem, keel)};
    }
}

void FillStations(HullRecord& hull)
{
    const long double angles[] = {60, 35, 10};
    const long double lengths[] = {0.9L, 1.3L, 1.5L};
    for (int d = 1; d <= 3; ++d) {
        const long double a = DegreesToRadians(angles[d - 1]);
        hull.Diagonals[d] = {0, kDiagonalOrigin, std::cos(a), -std::sin(a), a};
    }
    hull.Diagonals[4].Angle = DegreesToRadians(10);
    for (int k = 0; k <= kLastStation; ++k) {
        TStation& station = hull.Stations[k];
        const long double fullness = std::sqrt(std::sin(kPi * (k + 1) / 22.0L));
        station.KeelHeight = kDiagonalOrigin - 0.9L * fullness;
        station.SheerBeam = 2 * (0.05L + 1.55L * fullness);
        station.SheerHeight = 1.0L + 0.6L * std::pow(1.0L - k / 20.0L, 2.0L);
        station.WaterlineBeam = 2.8L * std::sin(kPi * (k + 0.5L) / 21.0L);
        for (int d = 1; d <= 3; ++d) station.DiagonalOffset[d] = lengths[d - 1] * fullness;
    }
}

}  // namespace

std::unique_ptr<HullRecord> HandMadeHull()
{
    auto hull = HullRecord::Create();
    hull->Loa = 10;
    hull->Lwl = 8.5L;
    hull->Fovh = 0.8L;
    hull->BMax = 3.2L;
    hull->Bwl = 2.8L;
    hull->Tc = 0.5L;
    hull->FreeBow = 1.3L;
    hull->FreeCenter = 1.0L;
    hull->FreeAft = 0.9L;
    FillProfile(*hull);
    hull->SheerPoints[1] = {0, 0, 1.8L};
    hull->SheerPoints[2] = {4.5L, 2.2L, 0.9L};
    hull->SheerPoints[3] = {9.8L, 1.3L, 1.4L};
    FillStations(*hull);
    const TPoint3r transom[] = {{9.5L, 0, 0.55L},     {9.55L, 0.4L, 0.6L},  {9.6L, 0.8L, 0.7L},
                                {9.65L, 1.1L, 0.9L},  {9.75L, 1.25L, 1.15L}, {9.8L, 1.3L, 1.4L}};
    for (int i = 1; i <= 6; ++i) hull->TransomPoints[i] = transom[i - 1];
    hull->ProfileDone = hull->SheerDone = hull->WaterlineDone = true;
    hull->HullComplete = hull->TransomDone = true;
    return hull;
}

}  // namespace sloopform::test
