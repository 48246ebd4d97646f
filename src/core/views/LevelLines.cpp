#include "views/LevelLines.h"

#include <functional>
#include <optional>

#include "analysis/CurveCrossing.h"
#include "analysis/Offsets.h"
#include "analysis/SheerCurves.h"
#include "analysis/StationLoft.h"
#include "model/StationOutline.h"

namespace sloopform {

namespace {

constexpr int kSectionsPerStation = 4;  // enough for a smooth line at any zoom that fits the hull
// Pieces of each knot span of a section searched for a diagonal, and the
// halvings that then bring the crossing below a micrometre.
constexpr int kDiagonalSearchPieces = 16;
constexpr int kDiagonalBisections = 60;
// The lines the eye follows along the whole hull are sampled finer.
constexpr int kFineSectionsPerStation = 10;
// Halvings of a section spacing that find where a line leaves the hull:
// well under a micrometre on any hull.
constexpr int kEdgeSteps = 30;
// Pieces of each knot span of the sheer searched for a buttock's end.
constexpr int kSheerResolution = 16;

struct LevelPoint {
    long double x;
    long double y;
    long double z;
};

// Where the line at one level meets the section, as half-breadth and height, if it does.
using LevelCut = std::function<std::optional<ExtendedPoint>(const ExtendedBSpline& section, long double level)>;

long double LoftX(const HullRecord& hull, long double station) { return hull.Fovh + station * 0.05L * hull.Lwl; }

void EmitBothSides(const LevelPoint& from, const LevelPoint& to, LineSink& sink)
{
    sink.Line3D(from.x, from.y, from.z, to.x, to.y, to.z);
    sink.Line3D(from.x, -from.y, from.z, to.x, -to.y, to.z);
}

// Where the sheer forward of station 0 stands `halfBreadth` off the centre
// plane: the end of a buttock in the overhang.
std::optional<LevelPoint> SheerAtHalfBreadth(const HullRecord& hull, long double halfBreadth)
{
    const ExtendedBSpline sheerPlan = SheerPlan(hull);
    const auto t = FirstCrossing(sheerPlan, CurveAxis::B, halfBreadth, kSheerResolution);
    if (!t) return std::nullopt;
    const ExtendedPoint across = sheerPlan.PositionAt(*t);
    if (across.a >= hull.Fovh) return std::nullopt;
    return LevelPoint{across.a, halfBreadth, SheerElevation(hull).PositionAt(*t).b};
}

void EmitLevelLine(const HullRecord& hull, const StationLoft& loft, long double level, const LevelCut& cut,
                   int sectionsPerStation, LineSink& sink)
{
    const auto at = [&](long double station) -> std::optional<LevelPoint> {
        const auto point = cut(ExtendedBSpline(kCubic, loft.OutlineAt(station)), level);
        if (!point) return std::nullopt;
        return LevelPoint{LoftX(hull, station), point->a, point->b};
    };
    std::optional<LevelPoint> previous;
    long double previousStation = 0;
    for (int i = 0; i <= kLastStation * sectionsPerStation; ++i) {
        const long double station = static_cast<long double>(i) / sectionsPerStation;
        const std::optional<LevelPoint> point = at(station);
        if (i > 0 && point.has_value() != previous.has_value()) {
            // The line leaves the hull between these two sections: halved
            // down to where it last meets a section.
            long double inside = point ? station : previousStation;
            long double outside = point ? previousStation : station;
            LevelPoint edge = point ? *point : *previous;
            for (int step = 0; step < kEdgeSteps; ++step) {
                const long double middle = (inside + outside) / 2;
                if (const auto crossing = at(middle)) {
                    inside = middle;
                    edge = *crossing;
                } else {
                    outside = middle;
                }
            }
            EmitBothSides(previous ? *previous : edge, previous ? edge : *point, sink);
        } else if (point && previous) {
            EmitBothSides(*previous, *point, sink);
        }
        previous = point;
        previousStation = station;
    }
}

void EmitLevelLines(const HullRecord& hull, const std::vector<long double>& levels, const LevelCut& cut,
                    int sectionsPerStation, LineSink& sink)
{
    if (levels.empty()) return;
    const StationLoft loft(hull);
    for (long double level : levels) EmitLevelLine(hull, loft, level, cut, sectionsPerStation, sink);
}

std::optional<ExtendedPoint> WaterlineCut(const ExtendedBSpline& section, long double z)
{
    if (const auto y = SectionHalfBreadth(section, z)) return ExtendedPoint{*y, z};
    return std::nullopt;
}

std::optional<ExtendedPoint> ButtockCut(const ExtendedBSpline& section, long double y)
{
    if (const auto z = SectionHeight(section, y)) return ExtendedPoint{y, *z};
    return std::nullopt;
}

// Where a section first crosses the diagonal's line going up from the keel,
// which lies on the line's lower side.
std::optional<ExtendedPoint> DiagonalCut(const ExtendedBSpline& section, const TDiagonal& diagonal)
{
    const long double y0 = diagonal.Y0, z0 = diagonal.Z0, dy = diagonal.DY, dz = diagonal.DZ;
    const auto side = [&](long double t) {
        const ExtendedPoint p = section.PositionAt(t);
        return (p.a - y0) * dz - (p.b - z0) * dy;
    };
    const int pieces = section.LastKnot() * kDiagonalSearchPieces;
    const long double keelSide = side(0);
    for (int i = 1; i <= pieces; ++i) {
        long double hi = static_cast<long double>(i) / kDiagonalSearchPieces;
        if ((side(hi) > 0) == (keelSide > 0)) continue;
        long double lo = hi - 1.0L / kDiagonalSearchPieces;
        for (int k = 0; k < kDiagonalBisections; ++k) {
            const long double mid = (lo + hi) / 2;
            ((side(mid) > 0) == (keelSide > 0) ? lo : hi) = mid;
        }
        return section.PositionAt(hi);
    }
    return std::nullopt;
}

}  // namespace

void EmitDiagonal(const HullRecord& hull, int d, LineSink& sink)
{
    const TDiagonal& diagonal = hull.Diagonals[d];
    EmitLevelLines(hull, {0},
                   [&](const ExtendedBSpline& section, long double) { return DiagonalCut(section, diagonal); },
                   kFineSectionsPerStation, sink);
}

void EmitWaterlines(const HullRecord& hull, const std::vector<long double>& heights, LineSink& sink)
{
    EmitLevelLines(hull, heights, WaterlineCut, kSectionsPerStation, sink);
}

void EmitButtocks(const HullRecord& hull, const std::vector<long double>& distances, LineSink& sink)
{
    EmitLevelLines(hull, distances, ButtockCut, kSectionsPerStation, sink);
    // Forward of station 0 there are no sections: a buttock that meets
    // station 0 runs on to where the sheer crosses it.
    const ExtendedBSpline bow(kStationOutlinePoints, kCubic, StationOutline(hull, 0));
    for (long double y : distances) {
        const auto start = ButtockCut(bow, y);
        const auto end = start ? SheerAtHalfBreadth(hull, y) : std::nullopt;
        if (end) EmitBothSides(*end, {LoftX(hull, 0), start->a, start->b}, sink);
    }
}

void EmitDesignWaterline(const HullRecord& hull, LineSink& sink)
{
    const StationLoft loft(hull);
    EmitLevelLine(hull, loft, hull.Tc, WaterlineCut, kFineSectionsPerStation, sink);
}

}  // namespace sloopform
