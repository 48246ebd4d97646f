#pragma once
#include "model/HullRecord.h"

namespace sloopform {

// The design waterline of the robust method: the classic nine control points,
// with the two shoulder half-breadths solved together so that the station
// beams the sections will be built to (Bwl at midship) integrate to Cwp with
// the centre of flotation at LCF. Area and moment are linear in the two
// shoulders, so the solve is direct. The widest part stands at LCF unless a
// shoulder would not fit there or sections between the family's coefficient
// limits could not carry the volume at LCB on its beams; then it moves to the
// nearest place where both fit. A request that needs a shoulder below the
// centre line or wider than Bwl wherever the widest part stands ends the run
// with a plain-words fatal line.
void CreateRobustWaterline(HullRecord& hull);

// The same waterline aimed at other figures than the requested ones: the
// hull stage moves the aim by what the sections lofted between the stations
// miss of Cwp and LCF.
struct WaterlineAim {
    long double Cwp;
    long double LCF;  // per cent of Lwl
};
void AimRobustWaterline(HullRecord& hull, const WaterlineAim& aim);

}  // namespace sloopform
