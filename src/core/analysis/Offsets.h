#pragma once
#include <array>
#include <optional>
#include <vector>

#include "analysis/ExtendedBSpline.h"
#include "model/HullRecord.h"

namespace sloopform {

// Where the table of offsets cuts the hull, in metres: waterlines by their
// height above the base line (the design waterline is at Tc), buttocks by
// their distance from the centre plane.
struct OffsetLevels {
    std::vector<long double> Waterlines;
    std::vector<long double> Buttocks;
};

// Every quarter of Tc above the lowest point of the canoe body up to the
// design waterline, then every half of the midship freeboard up to the sheer;
// buttocks every eighth of BMax/2 between the centre plane and the widest beam.
// Rounded to whole millimetres, so that the three decimals of a table's
// heading name the level exactly.
OffsetLevels DefaultOffsetLevels(const HullRecord& hull);

// `chosen`'s lists over `base`'s: an empty list of either kind keeps `base`'s.
OffsetLevels OverlaidOffsetLevels(const OffsetLevels& base, const OffsetLevels& chosen);

// The levels chosen by the user, where an empty list of either kind stands for
// the hull's default levels of that kind.
OffsetLevels ChosenOffsetLevels(const HullRecord& hull, const OffsetLevels& chosen);

// One station's row of the table; a line that misses the station has no value.
struct StationOffsets {
    int Station = 0;
    long double X = 0;       // as the drawing and the exports place the station
    long double KeelZ = 0;   // height of the section's lowest point on the centre plane
    long double SheerY = 0;  // half-breadth at the sheer
    long double SheerZ = 0;
    std::vector<std::optional<long double>> HalfBreadths;  // at each waterline
    std::vector<std::optional<long double>> Heights;       // of each buttock
};

struct OffsetsTable {
    OffsetLevels Levels;
    std::array<StationOffsets, kStationCount> Stations;
};

// Where a section curve (a = half-breadth, b = height, from the keel up) first
// meets a waterline, as its half-breadth, or a buttock, as its height; nothing
// where the line misses the section.
std::optional<long double> SectionHalfBreadth(const ExtendedBSpline& section, long double height);
std::optional<long double> SectionHeight(const ExtendedBSpline& section, long double halfBreadth);

// The offsets of the generated section curves at the chosen levels (see
// ChosenOffsetLevels), measured on the exact curves in extended precision,
// where each line first meets the section going up from the keel.
OffsetsTable ComputeOffsets(const HullRecord& hull, const OffsetLevels& chosen);

}  // namespace sloopform
