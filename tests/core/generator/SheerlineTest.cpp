#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "StageFixture.h"
#include "generator/Profile.h"
#include "generator/Sheerline.h"
#include "numeric/BSpline.h"

using namespace sloopform;

namespace {

class SheerlineTest : public test::StageFixture {
protected:
    std::unique_ptr<HullRecord> ProfiledDesign(const std::string& name)
    {
        auto hull = Design(name);
        CreateProfile(*hull);
        return hull;
    }
};

constexpr double kRounding = 1e-9;

// The sheer sampled much finer than the stage samples it, for reference values.
std::vector<TPoint3r> FineSheer(const HullRecord& hull)
{
    return SampleBSpline3d(kSheerPointCount, 3, hull.SheerPoints, 20000);
}

// Half-breadth and height of the fine sheer at x, linearly between samples.
std::pair<long double, long double> FineSheerAt(const std::vector<TPoint3r>& fine, long double x)
{
    const auto after = std::find_if(fine.begin(), fine.end(), [x](const TPoint3r& p) { return p.x >= x; });
    if (after == fine.begin()) return {after->y, after->z};
    const TPoint3r& a = *(after - 1);
    const TPoint3r& b = *after;
    const long double f = (x - a.x) / (b.x - a.x);
    return {a.y + f * (b.y - a.y), a.z + f * (b.z - a.z)};
}

}  // namespace

TEST_F(SheerlineTest, BundledDesignsReachHalfTheMaximumBeam)
{
    for (const std::string& name : test::BundledDesignNames()) {
        SCOPED_TRACE(name);
        auto hull = ProfiledDesign(name);
        CreateSheerline(*hull);

        EXPECT_FALSE(CancelFlag());
        EXPECT_TRUE(hull->SheerDone);
        const auto samples = SampleBSpline3d(kSheerPointCount, 3, hull->SheerPoints, 150);
        long double widest = 0;
        for (const TPoint3r& p : samples) widest = std::max<long double>(widest, p.y);
        EXPECT_NEAR(widest, hull->BMax * 0.5L, hull->DimensionGoal);
        EXPECT_EQ(SheerMaxHalfBeam(*hull), Real48(widest));

        // From the stem head on the centre line to the transom top at half its beam.
        const TPointBlock3& p = hull->SheerPoints;
        EXPECT_NEAR(p[1].x, 0.0, kRounding);
        EXPECT_NEAR(p[1].y, 0.0, kRounding);
        EXPECT_NEAR(p[1].z, hull->Tc + hull->FreeBow, kRounding);
        EXPECT_NEAR(hull->TransomTopX,
                    hull->Loa - (hull->FreeAft - hull->TransomRise) * std::tan(hull->TransomAngle * kPi / 180),
                    kRounding);
        EXPECT_NEAR(p[3].x, hull->TransomTopX, kRounding);
        EXPECT_NEAR(p[3].y, hull->BTransom * 0.5L, kRounding);
        EXPECT_NEAR(p[3].z, hull->Tc + hull->FreeAft, kRounding);

        // The stage interpolates between 150 samples: within a millimetre of the curve.
        const auto fine = FineSheer(*hull);
        for (int s = 0; s <= kLastStation; ++s) {
            const auto [halfBreadth, height] = FineSheerAt(fine, hull->StationX(s));
            EXPECT_NEAR(hull->Stations[s].SheerBeam, 2 * halfBreadth, hull->DimensionGoal) << "station " << s;
            EXPECT_NEAR(hull->Stations[s].SheerHeight, height, hull->DimensionGoal) << "station " << s;
        }
        // Only the widest point is held: mid-length has moved off BMax / 2.
        EXPECT_GT(std::fabs(FineSheerAt(fine, hull->StationX(10)).first - hull->BMax * 0.5L), 1e-4);
        EXPECT_TRUE(memo.Lines().empty());
    }
}

TEST_F(SheerlineTest, FitPassesThroughTheWidestPointAndTheTransomTop)
{
    auto hull = ProfiledDesign("daysailer-6m");
    hull->TransomAngle = 0;
    FitSheer(*hull);
    EXPECT_EQ(hull->TransomTopX, hull->Loa);

    // A quadratic with three points is one segment: it passes through the
    // middle point at that point's chord-length parameter.
    const TPointBlock3& c = hull->SheerPoints;
    const TPoint3r s1{0.0L, 0.0L, hull->FreeBow + hull->Tc};
    const TPoint3r s2{hull->Fovh + hull->Lwl * 0.5L, hull->BMax * 0.5L, hull->Tc + hull->FreeCenter};
    const TPoint3r s3{hull->Loa, hull->BTransom * 0.5L, hull->FreeAft + hull->Tc};
    const auto distance = [](const TPoint3r& a, const TPoint3r& b) {
        return std::sqrt(std::pow(b.x - a.x, 2.0L) + std::pow(b.y - a.y, 2.0L) + std::pow(b.z - a.z, 2.0L));
    };
    const long double t = distance(s1, s2) / (distance(s1, s2) + distance(s2, s3));
    const auto at = [&](Real48 TPoint3r::*axis) {
        return (1 - t) * (1 - t) * (c[1].*axis) + 2 * t * (1 - t) * (c[2].*axis) + t * t * (c[3].*axis);
    };
    EXPECT_NEAR(at(&TPoint3r::x), s2.x, 1e-8);
    EXPECT_NEAR(at(&TPoint3r::y), s2.y, 1e-8);
    EXPECT_NEAR(at(&TPoint3r::z), s2.z, 1e-8);
    EXPECT_NEAR(c[3].x, hull->Loa, kRounding);
}

TEST_F(SheerlineTest, WidestHalfBreadthIsNeverBelowZero)
{
    auto hull = Design("cruiser-10m");
    for (int i = 1; i <= kSheerPointCount; ++i) hull->SheerPoints[i] = {1.0L * i, -1.0L, 1.0L};
    EXPECT_EQ(SheerMaxHalfBeam(*hull), 0.0L);
}
