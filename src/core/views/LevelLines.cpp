#include "views/LevelLines.h"

#include <functional>
#include <optional>

#include "analysis/Offsets.h"
#include "analysis/StationLoft.h"

namespace sloopform {

namespace {

constexpr int kSectionsPerStation = 4;  // enough for a smooth line at any zoom that fits the hull

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

}  // namespace

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
