#pragma once
#include "model/HullRecord.h"
#include "numeric/Real48.h"

namespace sloopform {

// Displacement, centres, waterplane, coefficients and metacentric radii of the
// generated hull, integrated over the 21 stations with Simpson's rule.
struct Hydrostatics {
    Real48 Volume;             // m³
    Real48 Displacement;       // kg
    Real48 LCB;                // % of Lwl aft of station 0
    Real48 VCB;                // m above the base line
    Real48 WaterplaneArea;     // m²
    Real48 KgPerCm;            // kg per centimetre of immersion
    Real48 LCF;                // % of Lwl aft of station 0
    Real48 MidshipArea;        // m²
    Real48 Cm;
    Real48 Cb;
    Real48 Cp;
    Real48 Cwl;
    Real48 BMT;                // m
    Real48 BML;                // m
    Real48 MCT;                // kg m to change trim one centimetre
};

// Reads the station data as they are; a zero volume, waterplane or midship
// section raises an arithmetic fault.
Hydrostatics ComputeHydrostatics(const HullRecord& hull);

}  // namespace sloopform
