// The keel line's moves: which body gives or takes depth, how far the keel
// moves, and that it stays between the base and 0.6 Tc.
#include <gtest/gtest.h>

#include <vector>

#include "BundledDesigns.h"
#include "GeneratorFixture.h"
#include "generator/RunGeneration.h"
#include "generator/robust/RobustKeel.h"

namespace sloopform::test {
namespace {

class RobustKeel : public GeneratorFixture {
protected:
    void SetUp() override
    {
        GeneratorFixture::SetUp();
        hull = BundledDesign("cruiser-10m");
        RunGeneration(*hull, console, GoalAccuracies{}, GeneratorMethod::Robust);
        ASSERT_TRUE(hull->HullComplete);
        request = {hull->Cp * hull->Cm * hull->Lwl * hull->Bwl * hull->Tc, 0.01L, hull->LCB, 0.1L};
    }
    // A curve asking the aft body to be far fuller, and the forward body far
    // finer, than any section can be.
    static AreaCurve LcbFarAft()
    {
        AreaCurve curve;
        curve.Terms = {-5, 0, 5, 0};
        return curve;
    }
    std::unique_ptr<HullRecord> hull;
    VolumeRequest request{};
};

bool operator==(const KeelMove& a, const KeelMove& b) { return a.Quarter == b.Quarter && a.Deeper == b.Deeper; }

TEST_F(RobustKeel, TheBodyThatShouldGainVolumeGoesDeeperFirst)
{
    const AreaCurve curve = LcbFarAft();
    const std::vector<KeelMove> towardsAft = KeelMovesTowards(*hull, curve, true);
    ASSERT_EQ(towardsAft.size(), 2u);
    EXPECT_TRUE((towardsAft[0] == KeelMove{KeelQuarter::Aft, true}));
    EXPECT_TRUE((towardsAft[1] == KeelMove{KeelQuarter::Forward, false}));
    // Forward is not where this curve is held.
    EXPECT_TRUE(KeelMovesTowards(*hull, curve, false).empty());
    EXPECT_EQ(KeelMovesOutOfLimits(*hull, curve).size(), 2u);
    EXPECT_TRUE(KeelMovesOutOfLimits(*hull, AreaCurve{}).empty());
}

TEST_F(RobustKeel, AKeelMovesNoFurtherThanTheBaseAndIsCutAwayNoHigherThanSixTenthsOfTc)
{
    // An LCB no depth can reach: the keel goes to the end of its range, and
    // then cannot move further that way.
    request.lcb = 80;
    const AreaCurve curve = LcbFarAft();
    EXPECT_TRUE(MoveKeel(*hull, curve, request, {KeelQuarter::Aft, true}));
    EXPECT_EQ(hull->AftKeelHeight, 0);
    EXPECT_FALSE(MoveKeel(*hull, curve, request, {KeelQuarter::Aft, true}));
    // Shallower, the forefoot stops at 0.4 Tc first; a further move cuts it
    // away up to 0.6 Tc, and none goes beyond.
    request.lcb = 20;
    EXPECT_TRUE(MoveKeel(*hull, curve, request, {KeelQuarter::Forward, false}));
    EXPECT_NEAR(hull->ForefootKeelHeight, 0.4L * hull->Tc, 1e-12L);
    EXPECT_TRUE(MoveKeel(*hull, curve, request, {KeelQuarter::Forward, false}));
    EXPECT_NEAR(hull->ForefootKeelHeight, 0.6L * hull->Tc, 1e-12L);
    EXPECT_FALSE(MoveKeel(*hull, curve, request, {KeelQuarter::Forward, false}));
    for (const TStation& station : hull->Stations) {
        EXPECT_GE(station.KeelHeight, -1e-9L);
        EXPECT_LE(station.KeelHeight, hull->Tc + 1e-9L);
    }
}

}  // namespace
}  // namespace sloopform::test
