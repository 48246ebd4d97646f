#pragma once
#include <optional>
#include <vector>

#include "analysis/HullFault.h"
#include "model/HullRecord.h"

namespace sloopform {

// Limits of the outline checks, as shares of the measure named.
constexpr long double kProfileRunBackShare = 0.005L;  // of Loa
constexpr long double kOutsideSheerShare = 0.01L;     // of BMax/2

// How far the centre-line profile, walked from the stem head to its aftmost
// point, runs back towards the bow: the largest fall of x below the
// farthest x already reached, between the two x.
struct ProfileRunBack {
    long double Distance = 0;
    long double FromX = 0;  // the forward end of the stretch
    long double ToX = 0;    // where the profile turned back
};
ProfileRunBack WorstProfileRunBack(const HullRecord& hull);

// How far the design waterline stands outside the sheer line in plan at each
// station; 0 where it is inside or where one of the curves does not reach.
std::vector<long double> WaterlineOutsideSheerAtStations(const HullRecord& hull);

// The faults of the profile and of the design waterline in plan.
std::optional<HullFault> CheckProfile(const HullRecord& hull);
std::optional<HullFault> CheckWaterlineInsideSheer(const HullRecord& hull);

}  // namespace sloopform
