#include "analysis/Hydrostatics.h"

#include "numeric/ArithmeticFault.h"
#include "numeric/Geometry.h"

namespace sloopform {

namespace {

int SimpsonMultiplier(int i)
{
    if (i == 0 || i == kLastStation) return 1;
    return i % 2 == 1 ? 4 : 2;
}

// The Simpson sums over the stations, each held and accumulated as a 6-byte real.
struct StationSums {
    Real48 SA;    // s A
    Real48 SB;    // s B
    Real48 SBX;   // s B x%
    Real48 SAV;   // s A v
    Real48 SAX;   // s A x%
    Real48 SY3;   // s (B/2)^3
    Real48 SBX2;  // s B x^2
};

StationSums SumStations(const HullRecord& hull)
{
    StationSums sums;
    for (int i = 0; i <= kLastStation; ++i) {
        const TStation& station = hull.Stations[i];
        const long double s = SimpsonMultiplier(i);
        const long double percent = 5.0L * i;
        const long double x = 0.05L * i * hull.Lwl;
        const long double a = station.SectionArea;
        const long double b = station.WaterlineBeam;
        sums.SA += s * a;
        sums.SB += s * b;
        sums.SBX += s * b * percent;
        sums.SAV += s * a * station.SectionVca;
        sums.SAX += s * a * percent;
        sums.SY3 += s * Cube(0.5L * b);
        sums.SBX2 += s * b * (x * x);
    }
    return sums;
}

}  // namespace

Hydrostatics ComputeHydrostatics(const HullRecord& hull)
{
    const StationSums sums = SumStations(hull);
    const long double lwl = hull.Lwl;
    const TStation& midship = hull.Stations[kMidshipStation];

    Hydrostatics h;
    h.Volume = sums.SA * (1.0L / 3.0L) * lwl * 0.05L;
    h.Displacement = h.Volume * hull.WaterDensity;
    h.LCB = Divide(sums.SAX, sums.SA);
    h.VCB = Divide(sums.SAV, sums.SA);
    h.WaterplaneArea = sums.SB * (1.0L / 3.0L) * lwl * 0.05L;
    h.KgPerCm = h.WaterplaneArea * hull.WaterDensity * 0.01L;
    h.LCF = Divide(sums.SBX, sums.SB);
    h.MidshipArea = midship.SectionArea;
    h.Cm = Divide(h.MidshipArea, midship.WaterlineBeam * (hull.Tc - midship.KeelHeight));
    h.Cb = Divide(h.Volume, lwl * hull.Bwl * hull.Tc);
    h.Cp = Divide(h.Volume, lwl * h.MidshipArea);
    h.Cwl = Divide(h.WaterplaneArea, lwl * hull.Bwl);
    // (2/3) of the integral of y^3 by Simpson's rule: the transverse second moment.
    h.BMT = Divide(2.0L / 9.0L * 0.05L * lwl * sums.SY3, h.Volume);
    // Second moment about station 0, moved to the centre of flotation.
    const long double lcfMetres = 0.01L * h.LCF * lwl;
    h.BML = Divide(lwl / 60.0L * sums.SBX2 - h.WaterplaneArea * (lcfMetres * lcfMetres), h.Volume);
    h.MCT = Divide(h.Displacement * h.BML, 100.0L * lwl);
    return h;
}

}  // namespace sloopform
