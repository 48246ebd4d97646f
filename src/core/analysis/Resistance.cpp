#include "analysis/Resistance.h"

#include <cmath>

#include "analysis/ResiduaryTables.h"
#include "analysis/VelocityConversion.h"
#include "numeric/ArithmeticFault.h"
#include "numeric/Geometry.h"

namespace sloopform {

namespace {

// The regression's exponents, held as 6-byte reals like every stored constant.
const Real48 kOneThird = 1.0L / 3.0L;
const Real48 kTwoThirds = 2.0L / 3.0L;

// A constant of the residuary regression, not the hull's gravity.
constexpr long double kRegressionGravity = 9.81L;

long double LowSpeedResiduary(const ResistanceParameters& hull, long double fn, long double q)
{
    const ResiduaryTable& table = ResiduaryTableLow();
    const auto a = [&](int k) -> long double { return ResiduaryCoefficient(table, k, fn); };
    const long double cp = hull.Cp;
    const long double lcb = hull.LCB;
    return a(0) + a(1) * cp + a(2) * lcb + Divide(a(3) * hull.Bwl, hull.Tc) + a(4) * q +
           a(5) * (cp * cp) + a(6) * cp * q + a(7) * (lcb * lcb) + a(8) * (q * q) +
           a(9) * Cube(q);
}

long double HighSpeedResiduary(const ResistanceParameters& hull, long double fn,
                               long double waterplaneCoefficient, long double volume)
{
    const ResiduaryTable& table = ResiduaryTableHigh();
    const auto c = [&](int k) -> long double { return ResiduaryCoefficient(table, k, fn); };
    const long double aw = waterplaneCoefficient * hull.Lwl * hull.Bwl;
    const long double w = Divide(aw, Power(volume, kTwoThirds));
    const long double slenderness = Divide(hull.Lwl, hull.Bwl);
    return c(0) + Divide(c(1) * hull.Lwl, hull.Bwl) + c(2) * w + c(3) * hull.LCB +
           c(4) * (slenderness * slenderness) + c(5) * slenderness * Cube(w);
}

}  // namespace

Real48 SwapLCBForm(long double lcb) { return 50 - lcb; }

ResistanceParameters ResistanceParametersOf(const HullRecord& hull)
{
    return {hull.Lwl, hull.Bwl, hull.Tc, hull.Cp, hull.Cm, SwapLCBForm(hull.LCB),
            hull.Gravity, hull.WaterDensity, hull.Viscosity};
}

Real48 DisplacedVolume(const ResistanceParameters& hull)
{
    return hull.Lwl * hull.Bwl * hull.Tc * hull.Cp * hull.Cm;
}

ResistanceResult EstimateResistance(const ResistanceParameters& hull, Real48 fn)
{
    ResistanceResult result;
    result.Fn = fn;
    result.Velocity = FroudeCelerity(hull.Gravity, hull.Lwl) * fn;
    WettedAreaDelft(hull, result);
    FrictionResistance(hull, result);
    ResiduaryResistance(hull, result);
    result.TotalResistance = result.FrictionShare + result.ResiduaryResistance;
    return result;
}

void WettedAreaDelft(const ResistanceParameters& hull, ResistanceResult& result)
{
    const Real48 volume = DisplacedVolume(hull);
    result.WettedArea = (1.97L + Divide(0.171L * hull.Bwl, hull.Tc)) *
                        (std::sqrt(hull.Lwl * volume) * Power(Divide(0.65L, hull.Cm), kOneThird));
}

void FrictionResistance(const ResistanceParameters& hull, ResistanceResult& result)
{
    // ITTC-1957 line with 0.7 Lwl as the reference length.
    const long double v = result.Velocity;
    const Real48 reynolds = Divide(v * 0.7L * hull.Lwl, hull.Viscosity);
    const long double logTerm = Log10(reynolds) - 2;
    const long double cf = Divide(0.075L, logTerm * logTerm);
    result.FrictionResistance =
        (cf * 1.0L * 0.5L) * hull.WaterDensity * result.WettedArea * (v * v);
    result.FrictionShare = result.FrictionResistance;
}

void ResiduaryResistance(const ResistanceParameters& hull, ResistanceResult& result)
{
    const Real48 volume = DisplacedVolume(hull);
    const long double q = Divide(hull.Lwl, Power(volume, kOneThird));
    const long double cp = hull.Cp;
    result.WaterplaneCoefficient = 1.313L * cp + 0.0371L * q - 0.0857L * cp * q;
    const long double fn = result.Fn;
    // Residuary resistance per unit displacement weight, times 1000.
    const long double perWeight = fn <= 0.45L
        ? LowSpeedResiduary(hull, fn, q)
        : HighSpeedResiduary(hull, fn, result.WaterplaneCoefficient, volume);
    result.ResiduaryResistance =
        ((perWeight * kRegressionGravity) * volume) * hull.WaterDensity * 0.001L;
}

}  // namespace sloopform
