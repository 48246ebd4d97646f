#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <algorithm>
#include <vector>
#include <iostream>

#include <BRepAlgoAPI_Common.hxx>
#include <BRepBuilderAPI_MakeFace.hxx>
#include <BRepGProp.hxx>
#include <BRepPrimAPI_MakeHalfSpace.hxx>
#include <GProp_GProps.hxx>
#include <TopoDS_Face.hxx>
#include <TopoDS_Solid.hxx>
#include <TopTools_ListOfShape.hxx>
#include <gp_Pln.hxx>
#include <gp_Trsf.hxx>

#include "StepDesigns.h"
#include "analysis/DesignStability.h"
#include "model/HullOutlines.h"
#include "numeric/Geometry.h"

using namespace sloopform;

namespace {

constexpr double kDegree = static_cast<double>(kPi) / 180;
constexpr double kVcg = 0.35;
constexpr double kLeverShare = 0.01;  // of the largest GZ
constexpr double kAvsDegrees = 1;
// OpenCASCADE integrates the cut to this share; the floating position is
// accepted within a few times that of the volume, and a trimming lever below
// a millimetre (a trim within 1e-4 rad on these hulls).
constexpr double kIntegrationPrecision = 1e-4;
constexpr double kVolumeShare = 3e-4;
constexpr double kTrimLever = 1e-3;  // m
constexpr double kAvsTolerance = 0.05;  // degrees
constexpr int kSearchSteps = 40;
constexpr double kFuzzy = 1e-5;  // m

// The world's directions in the body's coordinates for a heel (starboard
// down) and a trim (bow up): the body turned about its x axis, then about the
// world's transverse axis, and the world's axes turned back.
struct World {
    gp_Vec up, across, along;
};

World WorldAt(double heel, double trim)
{
    gp_Trsf heeling, trimming;
    heeling.SetRotation(gp::OX(), -heel);
    trimming.SetRotation(gp::OY(), trim);
    const gp_Trsf back = (trimming * heeling).Inverted();
    return {gp_Vec(0, 0, 1).Transformed(back), gp_Vec(0, 1, 0).Transformed(back), gp_Vec(1, 0, 0).Transformed(back)};
}

struct Cut {
    double volume = 0;
    gp_Vec centre;
};

// The part of the solid below the plane Dot(up, p) = level.
Cut Below(const TopoDS_Shape& solid, const gp_Vec& up, double level)
{
    const gp_Pnt on(up.X() * level, up.Y() * level, up.Z() * level);
    const TopoDS_Face plane = BRepBuilderAPI_MakeFace(gp_Pln(on, gp_Dir(up))).Face();
    const TopoDS_Solid half = BRepPrimAPI_MakeHalfSpace(plane, on.Translated(-100 * up)).Solid();
    BRepAlgoAPI_Common common;
    TopTools_ListOfShape arguments, tools;
    arguments.Append(solid);
    tools.Append(half);
    common.SetArguments(arguments);
    common.SetTools(tools);
    // A waterplane that grazes the deck or the transom is taken as touching it.
    common.SetFuzzyValue(kFuzzy);
    common.Build();
    EXPECT_TRUE(common.IsDone() && !common.HasErrors());
    GProp_GProps props;
    BRepGProp::VolumeProperties(common.Shape(), props, kIntegrationPrecision);
    return {props.Mass(), props.Mass() > 0 ? gp_Vec(props.CentreOfMass().XYZ()) : gp_Vec()};
}

// Where f is within `enough` of zero, from a first guess: the bracket is
// found by steps that double, then narrowed by Illinois steps (halvings of
// the false position's weight on an end kept twice).
double Root(const std::function<double(double)>& f, double guess, double step, double enough)
{
    double a = guess, fa = f(a);
    if (std::fabs(fa) <= enough) return a;
    double b = guess + (fa > 0 ? -step : step), fb = f(b);
    for (int i = 0; i < kSearchSteps && (fa < 0) == (fb < 0) && std::fabs(fb) > enough; ++i) {
        a = b;
        fa = fb;
        step *= 2;
        b += fa > 0 ? -step : step;
        fb = f(b);
    }
    int kept = 0;
    for (int i = 0; i < kSearchSteps && std::fabs(fb) > enough; ++i) {
        const double c = b - fb * (b - a) / (fb - fa);
        const double fc = f(c);
        if ((fc < 0) == (fb < 0)) {
            if (kept == 1) fa /= 2;
            kept = 1;
        } else {
            a = b;
            fa = fb;
            kept = -1;
        }
        b = c;
        fb = fc;
    }
    EXPECT_LE(std::fabs(fb), enough) << "no root near " << guess;
    return b;
}

// The solid floating at a heel with the design volume and G above its
// upright centre of buoyancy, found by its own searches on the level and the
// trim, from the core's position: the searches move only when the solid's
// own volume or trimming lever there is off.
class Floating {
public:
    explicit Floating(const test::Design& design) : solid_(design.stepShape), hull_(*design.hull)
    {
        volume_ = static_cast<double>(design.exact.Volume);
        g_ = gp_Vec(static_cast<double>(StationPosition(hull_, 0) + design.exact.LCB / 100 * hull_.Lwl), 0, kVcg);
    }

    // GZ at the heel (degrees).
    double Lever(double heel)
    {
        const StabilityPoint start = ComputeDesignStability(hull_, kVcg, {heel}).Curve.front();
        SCOPED_TRACE(heel);
        const double phi = heel * kDegree;
        // The core's sinkage is that of the design waterline's point above G.
        const gp_Vec reference(g_.X(), 0, hull_.Tc.Value());
        double level = start.Sinkage + WorldAt(phi, start.Trim * kDegree).up.Dot(reference);
        Cut cut;
        const auto trimmingLever = [&](double trim) {
            const World world = WorldAt(phi, trim);
            level = Root([&](double l) {
                    cut = Below(solid_, world.up, l);
                    return (cut.volume - volume_) / volume_;
                }, level, 1e-3, kVolumeShare);
            return (cut.centre - g_).Dot(world.along);
        };
        const double trim = Root(trimmingLever, start.Trim * kDegree, 1e-3, kTrimLever);
        return (heel < 0 ? -1 : 1) * (cut.centre - g_).Dot(WorldAt(phi, trim).across);
    }

private:
    const TopoDS_Shape& solid_;
    const HullRecord& hull_;
    double volume_ = 0;
    gp_Vec g_;
};

}  // namespace

// The STEP solid cut by the heeled waterplane that its own searches find
// gives the same curve as the core's integration of the hull's curves.
TEST(StabilityCrossCheck, StepSolidGivesTheSameCurve)
{
    for (const auto& [name, design] : test::Designs()) {
        SCOPED_TRACE(name);
        std::vector<double> heels;
        for (int heel = 0; heel <= 180; heel += 10) heels.push_back(heel);
        const StabilityResult core = ComputeDesignStability(*design->hull, kVcg, heels);
        Floating solid(*design);
        std::vector<double> levers;
        double worst = 0;
        for (const StabilityPoint& point : core.Curve) {
            levers.push_back(solid.Lever(point.Heel));
            worst = std::max(worst, std::fabs(levers.back() - point.Gz));
            EXPECT_NEAR(levers.back(), point.Gz, kLeverShare * core.Summary.GzMax) << point.Heel;
        }
        std::cout << name << ": largest GZ difference " << worst << " m, largest GZ " << core.Summary.GzMax << " m\n";
        ASSERT_TRUE(core.Summary.Avs);
        // The solid's own AVS, searched between the two angles where its curve changes sign.
        for (std::size_t i = 1; i < levers.size(); ++i) {
            if (!(levers[i - 1] > 0 && levers[i] <= 0 && heels[i - 1] > core.Summary.HeelGzMax)) continue;
            double a = heels[i - 1], fa = levers[i - 1], b = heels[i], fb = levers[i];
            while (b - a > kAvsTolerance) {
                const double c = a + (b - a) * std::clamp(fa / (fa - fb), 0.1, 0.9);
                const double fc = solid.Lever(c);
                (fc > 0 ? a : b) = c;
                (fc > 0 ? fa : fb) = fc;
            }
            const double avs = a + (b - a) * fa / (fa - fb);
            std::cout << name << ": AVS " << avs << " degrees, the core's " << *core.Summary.Avs << "\n";
            EXPECT_NEAR(avs, *core.Summary.Avs, kAvsDegrees);
            break;
        }
    }
}
