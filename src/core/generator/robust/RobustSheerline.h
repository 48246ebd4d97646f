#pragma once
#include "model/HullRecord.h"

namespace sloopform {

// The sheerline as the classic method makes it. A transom raked forward from
// its foot at Loa may have its top forward of the waterline's aft end: the
// deck then ends before the last station, whose section ends on the
// transom's face instead, where the station's plane crosses it, at the
// transom's half-beam until the transom's outline is known.
void CreateRobustSheerline(HullRecord& hull);

// Once the transom is made: a last station whose section ends on the
// transom's face ends on its outline, at the outline's half-breadth at the
// station's height.
void EndLastStationOnTheTransomOutline(HullRecord& hull);

// Where the deck edge would stand inside the design waterline at some station
// (a full waterplane under the sheer's fine entry), the sheer's middle control
// point moves forward as little as makes the deck at least as wide as the
// waterline at every station, its widest half-breadth kept at BMax/2; the
// console shows the move in metres as "WidenDeck(shift)". A topside that had
// to come in from the waterline to a narrower deck left the sections little
// room for a fine, hollow shape below it. When no move up to a quarter of Lwl
// suffices, the deck stays as fitted.
void WidenDeckOverWaterline(HullRecord& hull);

// Where the deck is still not wider than the design waterline by the room
// the sections need to flare out to it, the quadratic sheer becomes the same
// curve of five cubic control points, and its three inner points move out
// towards BMax/2 as little as gives that room at every station (or as far as
// they go), the widest half-breadth kept at BMax/2 and the sheer heights as
// they were; the console shows how far, from 0 to 1, as "FillDeck(fullness)".
void FillDeckOverWaterline(HullRecord& hull);

}  // namespace sloopform
