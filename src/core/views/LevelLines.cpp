#include "views/LevelLines.h"

#include <functional>
#include <optional>

#include "analysis/Offsets.h"
#include "analysis/StationLoft.h"

namespace sloopform {

namespace {

constexpr int kSectionsPerStation = 4;  // enough for a smooth line at any zoom that fits the hull
// Pieces of each knot span of a section searched for a diagonal, and the
// halvings that then bring the crossing below a micrometre.
constexpr int kDiagonalSearchPieces = 16;
constexpr int kDiagonalBisections = 60;

struct LevelPoint {
    long double y;
    long double z;
};

// Where the line at one level meets the section, if it does.
using LevelCut = std::function<std::optional<LevelPoint>(const ExtendedBSpline& section, long double level)>;

void EmitLevelLines(const HullRecord& hull, const std::vector<long double>& levels, const LevelCut& cut,
                    LineSink& sink)
{
    if (levels.empty()) return;
    const StationLoft loft(hull);
    const long double spacing = 0.05L * hull.Lwl / kSectionsPerStation;
    for (long double level : levels) {
        std::optional<LevelPoint> previous;
        for (int i = 0; i <= kLastStation * kSectionsPerStation; ++i) {
            const long double station = static_cast<long double>(i) / kSectionsPerStation;
            const auto point = cut(ExtendedBSpline(kCubic, loft.OutlineAt(station)), level);
            if (point && previous) {
                const long double x1 = hull.Fovh + (i - 1) * spacing;
                const long double x2 = hull.Fovh + i * spacing;
                sink.Line3D(x1, previous->y, previous->z, x2, point->y, point->z);
                sink.Line3D(x1, -previous->y, previous->z, x2, -point->y, point->z);
            }
            previous = point;
        }
    }
}

// Where a section first crosses the diagonal's line going up from the keel,
// which lies on the line's lower side.
std::optional<LevelPoint> DiagonalCut(const ExtendedBSpline& section, const TDiagonal& diagonal)
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
        const ExtendedPoint p = section.PositionAt(hi);
        return LevelPoint{p.a, p.b};
    }
    return std::nullopt;
}

}  // namespace

void EmitDiagonal(const HullRecord& hull, int d, LineSink& sink)
{
    const TDiagonal& diagonal = hull.Diagonals[d];
    EmitLevelLines(hull, {0},
                   [&](const ExtendedBSpline& section, long double) { return DiagonalCut(section, diagonal); },
                   sink);
}

void EmitWaterlines(const HullRecord& hull, const std::vector<long double>& heights, LineSink& sink)
{
    EmitLevelLines(hull, heights,
                   [](const ExtendedBSpline& section, long double z) -> std::optional<LevelPoint> {
                       if (const auto y = SectionHalfBreadth(section, z)) return LevelPoint{*y, z};
                       return std::nullopt;
                   },
                   sink);
}

void EmitButtocks(const HullRecord& hull, const std::vector<long double>& distances, LineSink& sink)
{
    EmitLevelLines(hull, distances,
                   [](const ExtendedBSpline& section, long double y) -> std::optional<LevelPoint> {
                       if (const auto z = SectionHeight(section, y)) return LevelPoint{y, *z};
                       return std::nullopt;
                   },
                   sink);
}

}  // namespace sloopform
