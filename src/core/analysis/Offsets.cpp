#include "analysis/Offsets.h"

#include <algorithm>
#include <cmath>

#include "analysis/CurveCrossing.h"
#include "model/HullOutlines.h"
#include "model/StationOutline.h"
#include "numeric/BSpline.h"

namespace sloopform {

namespace {

constexpr int kWaterlineSteps = 4;  // below the design waterline
constexpr int kFreeboardSteps = 2;  // above it
constexpr int kButtockSteps = 8;
// Pieces of each knot span searched for a crossing: short enough that a
// section's breadth or height turns back at most once in a piece.
constexpr int kCrossingResolution = 8;
// Rounding that must not make a level miss the top of its own range, nor a
// waterline at a section's keel height (the design waterline at the ends of
// the waterline) miss the keel.
constexpr long double kLevelSlack = 1e-9L;

long double WholeMillimetres(long double metres) { return std::round(metres * 1000) / 1000; }

long double LowestKeel(const HullRecord& hull)
{
    long double lowest = hull.Stations[0].KeelHeight;
    for (const TStation& station : hull.Stations) lowest = std::min<long double>(lowest, station.KeelHeight);
    return lowest;
}

// The level where a line crossing the section at `level` along `axis` meets
// it, read on the other axis.
std::optional<long double> Crossing(const ExtendedBSpline& section, CurveAxis axis, long double level)
{
    const CurvePoint start = section.At(0);
    const CurveAxis other = axis == CurveAxis::A ? CurveAxis::B : CurveAxis::A;
    if (Coordinate(start, axis) > level + kLevelSlack) return std::nullopt;
    if (Coordinate(start, axis) >= level) return Coordinate(start, other);
    const auto crossing = FirstCrossing(section, axis, level, kCrossingResolution);
    if (!crossing) return std::nullopt;
    return Coordinate(section.At(*crossing), other);
}

}  // namespace

std::optional<long double> SectionHalfBreadth(const ExtendedBSpline& section, long double height)
{
    return Crossing(section, CurveAxis::B, height);
}

std::optional<long double> SectionHeight(const ExtendedBSpline& section, long double halfBreadth)
{
    return Crossing(section, CurveAxis::A, halfBreadth);
}

OffsetLevels DefaultOffsetLevels(const HullRecord& hull)
{
    OffsetLevels levels;
    const long double tc = hull.Tc;
    const long double lowest = LowestKeel(hull);
    const long double draftStep = tc / kWaterlineSteps;
    for (int k = 1; draftStep > 0 && lowest + k * draftStep < tc - kLevelSlack; ++k)
        levels.Waterlines.push_back(WholeMillimetres(lowest + k * draftStep));
    levels.Waterlines.push_back(tc);
    const long double freeboard = hull.Stations[kMidshipStation].SheerHeight - tc;
    for (int k = 1; k <= kFreeboardSteps && freeboard > 0; ++k)
        levels.Waterlines.push_back(WholeMillimetres(tc + k * freeboard / kFreeboardSteps));
    const long double buttockStep = hull.BMax / 2 / kButtockSteps;
    for (int k = 1; k < kButtockSteps; ++k) levels.Buttocks.push_back(WholeMillimetres(k * buttockStep));
    return levels;
}

OffsetLevels OverlaidOffsetLevels(const OffsetLevels& base, const OffsetLevels& chosen)
{
    OffsetLevels levels = base;
    if (!chosen.Waterlines.empty()) levels.Waterlines = chosen.Waterlines;
    if (!chosen.Buttocks.empty()) levels.Buttocks = chosen.Buttocks;
    return levels;
}

OffsetLevels ChosenOffsetLevels(const HullRecord& hull, const OffsetLevels& chosen)
{
    return OverlaidOffsetLevels(DefaultOffsetLevels(hull), chosen);
}

OffsetsTable ComputeOffsets(const HullRecord& hull, const OffsetLevels& chosen)
{
    OffsetsTable table;
    table.Levels = ChosenOffsetLevels(hull, chosen);
    const OffsetLevels& levels = table.Levels;
    for (int s = 0; s <= kLastStation; ++s) {
        const TPointBlock2 outline = StationOutline(hull, s);
        const ExtendedBSpline section(kStationOutlinePoints, kCubic, outline);
        StationOffsets& row = table.Stations[static_cast<std::size_t>(s)];
        row.Station = s;
        row.X = StationPosition(hull, s);
        row.KeelZ = outline[1].y;
        row.SheerY = outline[kStationOutlinePoints].x;
        row.SheerZ = outline[kStationOutlinePoints].y;
        for (long double z : levels.Waterlines)
            row.HalfBreadths.push_back(SectionHalfBreadth(section, z));
        for (long double y : levels.Buttocks) row.Heights.push_back(SectionHeight(section, y));
    }
    return table;
}

}  // namespace sloopform
