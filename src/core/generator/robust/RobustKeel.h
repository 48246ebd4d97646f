#pragma once
#include <vector>

#include "generator/robust/AreaCurve.h"
#include "model/HullRecord.h"

namespace sloopform {

// The keel line leaves the flat of the midship body towards the forefoot and
// towards the stern through a height above the base at a quarter of Lwl from
// each end: Tc/6 forward and Tc/5 aft unless the robust method moves them.
enum class KeelQuarter { Forward, Aft };

struct KeelMove {
    KeelQuarter Quarter;
    bool Deeper;
};

// The moves that let a body carry the volume its sections could not, the
// body that should gain volume first: a body asked to be fuller than its
// sections can be goes deeper, one asked to be finer grows shallower. Empty
// when the curve was not held by either body's limits in the direction the
// LCB must go.
std::vector<KeelMove> KeelMovesTowards(const HullRecord& hull, const AreaCurve& curve, bool lcbAft);

// The moves that let the bodies carry more (or less) volume than their
// sections can: each body held at the fullest (finest) sections goes deeper
// (grows shallower).
std::vector<KeelMove> KeelMovesForVolume(const HullRecord& hull, const AreaCurve& curve, bool more);

// The moves that take the bodies out of the family's limits, wherever the
// curve is held by them.
std::vector<KeelMove> KeelMovesOutOfLimits(const HullRecord& hull, const AreaCurve& curve);

// Moves the keel at the quarter as little as lets the area curve, predicted
// on the new depths, meet the request, at most to the base or 0.4 Tc, and
// from 0.4 Tc on to 0.6 Tc;
// rebuilds the profile and the sheerline, whose aft end follows the transom.
// False when the keel is already at that end.
bool MoveKeel(HullRecord& hull, const AreaCurve& curve, const VolumeRequest& request, KeelMove move);

}  // namespace sloopform
