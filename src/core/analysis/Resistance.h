#pragma once
#include "model/HullRecord.h"
#include "numeric/Real48.h"

namespace sloopform {

// What the resistance regression reads of a hull: the principal parameters and
// the water constants. LCB is in per cent of Lwl forward of midships, the form
// the regression uses (the hull record keeps it aft of the waterline's forward end).
struct ResistanceParameters {
    Real48 Lwl;
    Real48 Bwl;
    Real48 Tc;
    Real48 Cp;
    Real48 Cm;
    Real48 LCB;
    Real48 Gravity;
    Real48 WaterDensity;
    Real48 Viscosity;
};

// 50 - lcb: turns an LCB aft of the forward end into one forward of midships
// and back again.
Real48 SwapLCBForm(long double lcb);

// The parameters of a hull record with its LCB turned to the midships form.
ResistanceParameters ResistanceParametersOf(const HullRecord& hull);

struct ResistanceResult {
    Real48 Fn;
    Real48 Velocity;               // m/s
    Real48 WaterplaneCoefficient;  // estimate used by the high-speed regression
    Real48 TotalResistance;        // N
    Real48 FrictionShare;          // N, the friction term summed into the total
    Real48 WettedArea;             // m²
    Real48 FrictionResistance;     // N
    Real48 ResiduaryResistance;    // N
};

// Upright calm-water resistance at a Froude number 0.125 .. 0.75: ITTC-1957
// friction over the Delft wetted area plus the Delft residuary regression.
// Zero dimensions or coefficients raise the arithmetic faults.
ResistanceResult EstimateResistance(const ResistanceParameters& hull, Real48 fn);

// The three steps of the estimate, in the order it runs them.
void WettedAreaDelft(const ResistanceParameters& hull, ResistanceResult& result);
void FrictionResistance(const ResistanceParameters& hull, ResistanceResult& result);
void ResiduaryResistance(const ResistanceParameters& hull, ResistanceResult& result);

// Lwl * Bwl * Tc * Cp * Cm in that order.
Real48 DisplacedVolume(const ResistanceParameters& hull);

}  // namespace sloopform
