#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "BundledDesigns.h"
#include "analysis/ExtendedBSpline.h"
#include "model/HullOutlines.h"
#include "model/StationOutline.h"
#include "views/LevelLines.h"

using namespace sloopform;

namespace {

struct Point {
    long double x, y, z;
};

class PointRecorder : public LineSink {
public:
    void Line3D(Real48 x1, Real48 y1, Real48 z1, Real48 x2, Real48 y2, Real48 z2) override
    {
        points.push_back({x1, y1, z1});
        points.push_back({x2, y2, z2});
    }
    std::vector<Point> points;
};

// The distance of a body-plan point from a section curve, by dense sampling.
long double DistanceFromSection(const ExtendedBSpline& section, long double y, long double z)
{
    constexpr int kSamples = 4000;
    long double nearest = 1e9L;
    for (int i = 0; i <= kSamples; ++i) {
        const ExtendedPoint p = section.PositionAt(static_cast<long double>(i) * section.LastKnot() / kSamples);
        nearest = std::min(nearest, std::hypot(p.a - y, p.b - z));
    }
    return nearest;
}

}  // namespace

TEST(LevelLines, EachDiagonalLiesOnItsLineAndOnTheStationsItCrosses)
{
    const HullRecord& hull = test::SharedGeneratedDesign("cruiser-10m");
    for (int d = 1; d <= 3; ++d) {
        SCOPED_TRACE(d);
        const TDiagonal& diagonal = hull.Diagonals[d];
        PointRecorder recorder;
        EmitDiagonal(hull, d, recorder);
        ASSERT_GT(recorder.points.size(), 40u);
        int atStations = 0;
        for (const Point& p : recorder.points) {
            // On the diagonal's line, both sides of the centre plane.
            const long double across =
                (std::fabs(p.y) - diagonal.Y0) * diagonal.DZ - (p.z - diagonal.Z0) * diagonal.DY;
            EXPECT_NEAR(static_cast<double>(across), 0, 1e-9);
            for (int s = 0; s <= kLastStation; ++s) {
                if (std::fabs(p.x - StationPosition(hull, s)) > 1e-9L) continue;
                const ExtendedBSpline section(kStationOutlinePoints, kCubic, StationOutline(hull, s));
                EXPECT_LT(static_cast<double>(DistanceFromSection(section, std::fabs(p.y), p.z)), 2e-3) << s;
                ++atStations;
            }
        }
        EXPECT_GE(atStations, 30);
    }
}
