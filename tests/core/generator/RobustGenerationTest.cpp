// The robust generator method: it finishes designs the classic method cannot,
// meets the five requested figures as the hydrostatics report measures them,
// and ends a request no hull of its family can meet with a plain-words line.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "GeneratorFixture.h"
#include "BundledDesigns.h"
#include "analysis/ExactHydrostatics.h"
#include "analysis/ExtendedBSpline.h"
#include "analysis/HullCheck.h"
#include "analysis/OutlineCheck.h"
#include "analysis/SheerCurves.h"
#include "generator/Output.h"
#include "generator/RunGeneration.h"
#include "generator/Sheerline.h"
#include "model/StationOutline.h"
#include "numeric/BSpline.h"

namespace sloopform::test {
namespace {

struct Design {
    const char* name;
    long double Loa, Lwl, BMax, Bwl, BTransom, Tc, Fovh, FreeBow, FreeCenter, FreeAft, BPDA, BPLWLT,
        TransomAngle, Cp, Cm, Cwp, LCF, LCB, ApAngle;
};

std::unique_ptr<HullRecord> HullOf(const Design& d)
{
    auto hull = HullRecord::Create();
    hull->Loa = d.Loa, hull->Lwl = d.Lwl, hull->BMax = d.BMax, hull->Bwl = d.Bwl;
    hull->BTransom = d.BTransom, hull->Tc = d.Tc, hull->Fovh = d.Fovh, hull->FreeBow = d.FreeBow;
    hull->FreeCenter = d.FreeCenter, hull->FreeAft = d.FreeAft, hull->BPDA = d.BPDA;
    hull->BPLWLT = d.BPLWLT, hull->TransomAngle = d.TransomAngle, hull->Cp = d.Cp, hull->Cm = d.Cm;
    hull->Cwp = d.Cwp, hull->LCF = d.LCF, hull->LCB = d.LCB, hull->ApAngle = d.ApAngle;
    return hull;
}

// A full, aft-LCB 22 m design: the classic method's LCB iteration diverges
// once its aft quarter section is clamped, and the run ends with
// "Fatal Error[1]: Iteration Failed".
const Design kFullAftBody = {"full aft body", 22.2, 18.45, 6.506, 6.143, 4.013, 1.036, 2.537, 2.825, 1.795, 1.575,
                             11.991, 0.601, 12.928, 0.594, 0.647, 0.747, 56.571, 55.634, 3.446};

// A full 21 m body on a fine waterplane: the sections aft of midship must be
// fuller than the midship section, and the classic hull's own waterline lands
// 0.07 above Cwp with its LCF 2.5 % off.
const Design kFullOnFineWaterplane = {"full body on a fine waterplane", 21.494, 17.323, 5.74, 4.841, 4.67, 0.59,
                                      2.622, 3.025, 3.014, 2.979, 12.848, 0.322, 17.232, 0.567, 0.763, 0.688,
                                      54.863, 53.914, 2.33};

// LCB at 50 % wants full bow sections, but the shallow, narrow stations 1 and
// 2 cannot keep their waterline beam at coefficient 0.95.
const Design kNarrowFullBow = {"narrow full bow", 13.318, 10.03, 4.071, 3.851, 2.713, 0.675, 2.062, 1.525, 1.486,
                               1.431, 8.571, 0.208, 1.608, 0.506, 0.766, 0.738, 57.497, 50.0, 2.486};

// Cp 0.582 with Cm 0.798 and LCB 54.3 % on a fine waterplane: the aft body
// must be fuller than midship and the forward body fullest near midship.
const Design kFullAftOfMidship = {"full aft of midship", 9.325, 8.257, 2.375, 2.185, 1.972, 0.506, 0.431, 0.942,
                                  0.905, 0.888, 6.963, 0.193, 17.341, 0.582, 0.798, 0.695, 56.306, 54.3, 19.301};

// LCB 52.5 % on a 15 m boat with LCF at 57.0 %: on the usual keel even the
// fullest forward sections leave the centre too far aft.
const Design kLcbForwardOfItsWaterplane = {"LCB forward of its waterplane", 15.009, 13.699, 4.561, 3.671, 2.986, 0.455,
                                           0.535, 2.082, 2.016, 1.795, 10.925, 0.159, 19.347, 0.55, 0.782, 0.724,
                                           57.006, 52.475, 14.763};

// Cwp 0.775 with LCF 52.6 % and LCB 50.3 % on a 6.5 m boat: with the
// parallel part of the waterline as long as the classic waterline's, the
// shoulders that give Cwp make it bulge past Bwl.
const Design kFullWaterplaneForward = {"full waterplane forward", 6.516, 5.302, 1.827, 1.673, 1.427, 0.326, 0.637,
                                       0.862, 0.725, 0.544, 2.184, 0.115, 18.069, 0.552, 0.78, 0.775, 52.641,
                                       50.258, 9.656};

// Cwp 0.78 with LCF 57.7 % on an 11.8 m boat: the aft shoulder would stand
// wider than Bwl unless the parallel part reaches far forward and aft.
const Design kFullWaterplaneFarAft = {"full waterplane far aft", 11.843, 10.422, 3.946, 3.207, 3.221, 0.577, 0.854,
                                      1.319, 1.27, 1.207, 6.184, 0.23, 0.79, 0.51, 0.725, 0.78, 57.691, 52.603,
                                      13.873};

// Cp 0.600 with Cm 0.799 on Cwp 0.682 and LCB 53.2 %: with the widest part of
// the waterline at LCF even every aft section at 0.95 leaves the centre too
// far forward; moved aft, the waterline carries more of the volume there.
const Design kTooFullForLcbAtLcf = {"too full for its LCB at LCF", 15.847, 14.159, 4.095, 3.883, 2.854, 0.689,
                                    1.035, 1.819, 1.716, 1.495, 3.582, 0.395, 7.246, 0.6, 0.799, 0.682, 55.065,
                                    53.234, 1.979};

// Cwp 0.780 with LCF 57.7 %: with the widest part at LCF the aft shoulder
// would stand wider than Bwl.
const Design kWaterplaneFullAft = {"waterplane full aft", 11.843, 10.422, 3.946, 3.207, 3.221, 0.577, 0.854,
                                   1.319, 1.27, 1.207, 6.184, 0.23, 0.79, 0.51, 0.725, 0.78, 57.691, 52.603,
                                   13.873};

// LCB 50.3 % with LCF at 57.1 % on an 8 m design of Cp 0.567 and Cm 0.651:
// the aft body is fine and the forward body full below the waterline.
const Design kLcbFarForwardOfLcf = {"LCB far forward of LCF", 8.0, 7.002, 2.296, 2.033, 1.812, 0.253, 0.413,
                                    1.123, 0.946, 0.566, 5.685, 0.11, 8.088, 0.567, 0.651, 0.683, 57.083, 50.349,
                                    23.497};

// A 24 m hull eight times as wide as it is deep at midship, with LCB 55.7 %
// well aft of LCF at 53.8 %: its aft sections must be nearly as full as a box.
const Design kWideShallowFullAft = {"wide, shallow and full aft", 24.097, 20.387, 7.857, 7.13, 5.817, 0.892,
                                    2.001, 2.763, 2.509, 2.316, 6.139, 0.529, 11.221, 0.59, 0.754, 0.724, 53.815,
                                    55.658, 9.863};

// LCB 51.7 % on an 11.3 m hull 8 times as wide as deep: the bow sections
// are full on a shallow forefoot.
const Design kFullBowOnAShallowHull = {"full bow on a shallow hull", 11.287, 8.725, 4.085, 3.389, 2.529, 0.416,
                                       1.748, 1.431, 1.329, 0.974, 11.868, 0.178, 3.991, 0.58, 0.728, 0.76, 56.153,
                                       51.719, 22.457};

// Cwp 0.763 under a deck only 9 % wider than Bwl at midship: the sheer's
// fine entry stands inside the design waterline from station 5 to 8.
const Design kDeckInsideTheWaterline = {"deck inside the waterline", 8.255, 6.731, 2.589, 2.375, 2.008, 0.379,
                                        0.866, 1.121, 0.878, 0.653, 10.895, 0.202, 3.679, 0.523, 0.621, 0.763,
                                        53.428, 53.079, 4.252};

// Requests no hull of the family can meet, each with its plain-words line.
struct Unreachable {
    const char* name;
    Design design;
    const char* fatalLine;
};
const Unreachable kUnreachable[] = {
    // The same design with Bwl as wide as BMax: a midship section that
    // reaches so wide a waterline inside BMax is fuller than Cm.
    {"waterline as wide as the maximum beam",
     {"", 15.847, 14.159, 4.095, 4.095, 2.854, 0.689, 1.035, 1.819, 1.716, 1.495, 3.582, 0.395, 7.246, 0.6, 0.799,
      0.682, 55.065, 53.234, 1.979},
     "Fatal Error[1]: Required Cm 0.80 too low for the midship section of Bwl 4.095 m and Tc 0.689 m: the nearest "
     "section has Cm 0.888; raise Cm"},
    // With room for the midship beam, Cp 0.60 on Cm 0.80 and LCB 56.0 %: the
    // waterline that leaves the LCB room, its widest part long and far aft,
    // leaves the fullest sections too little beam for the volume.
    {"too full for its LCB",
     {"", 15.847, 14.159, 4.6, 3.883, 2.854, 0.689, 1.035, 1.819, 1.716, 1.495, 3.582, 0.395, 7.246, 0.6, 0.799,
      0.682, 55.065, 56.0, 1.979},
     "Fatal Error[1]: Required Cp 0.60 too high for Cm 0.80: the sections would need to be fuller than their beams "
     "and depths allow; lower Cp"},
    // LCB 51.6 % on a 24 m boat with LCF at 57.9 %: the forward sections
    // held at their fullest, even at smooth limits, leave kinks in the
    // waterlines below the design waterline that no shift takes out.
    {"LCB forward of what fair sections allow",
     {"", 23.841, 22.026, 6.216, 5.237, 4.662, 0.776, 0.868, 3.498, 2.38, 1.726, 3.818, 0.32, 5.645, 0.594, 0.753,
      0.696, 57.915, 51.622, 17.93},
     "Fatal Error[1]: Required LCB 51.6 % too far forward for Cp 0.59: the forward sections are as full as their "
     "beams and depths allow, and the waterlines below the design waterline cannot be faired; move LCB aft"},
    // The second design above with Cwp 0.800: the aft shoulder would stand
    // wider than Bwl wherever the widest part stands.
    {"waterplane too full aft",
     {"", 11.843, 10.422, 3.946, 3.207, 3.221, 0.577, 0.854, 1.319, 1.27, 1.207, 6.184, 0.23, 0.79, 0.51, 0.725,
      0.8, 57.691, 52.603, 13.873},
     "Fatal Error[1]: Required Cwp 0.80 too high for LCF 57.7 %: the aft waterline would be wider than Bwl; lower "
     "Cwp or move LCF aft"},
};

// A 10.7 m boat whose transom, raked forward at 18.9 degrees, has its top
// forward of the waterline's aft end: the deck ends before the last station.
const Design kTransomTopForwardOfTheWaterlineEnd = {
    "transom top forward of the waterline's end", 10.696, 9.931, 3.435, 3.011, 2.16, 0.716, 0.46, 1.513, 1.404,
    1.397, 9.352, 0.377, 18.946, 0.587, 0.703, 0.739, 54.98, 55.433, 2.058};

// A design whose keel must go deeper at one quarter than its usual height
// (over Tc).
struct KeelCase {
    const Design* design;
    Real48 HullRecord::*quarter;
    long double usual;
};

class RobustGeneration : public GeneratorFixture {
protected:
    bool Run(HullRecord& hull, GeneratorMethod method)
    {
        RunGeneration(hull, console, GoalAccuracies{}, method);
        return hull.HullComplete && hull.TransomDone;
    }
    bool HasLine(const std::string& text) const
    {
        const auto lines = Lines();
        return std::find(lines.begin(), lines.end(), text) != lines.end();
    }
    bool HasLineStarting(const std::string& start) const
    {
        const auto lines = Lines();
        return std::any_of(lines.begin(), lines.end(),
                           [&start](const std::string& line) { return line.rfind(start, 0) == 0; });
    }
};

// The hull is fair and meets the five figures as its own section curves
// measure them: volume within 0.5 %, LCB and LCF within 0.1 % of Lwl, Cm and
// Cwl within 0.01.
void ExpectFairAndFiveFiguresMet(const HullRecord& hull, const std::string& name)
{
    for (const std::string& fault : HullCheckLines(hull)) ADD_FAILURE() << name << ": " << fault;
    const ExactHydrostatics h = ComputeExactHydrostatics(hull);
    const long double volume = hull.Cp * hull.Lwl * hull.Bwl * hull.Tc * hull.Cm;
    EXPECT_LE(std::fabs(h.Volume - volume), 0.005L * volume) << name;
    EXPECT_LE(std::fabs(h.LCB - hull.LCB), 0.1L) << name;
    EXPECT_LE(std::fabs(h.Cm - hull.Cm), 0.01L) << name;
    EXPECT_LE(std::fabs(h.Cwl - hull.Cwp), 0.01L) << name;
    EXPECT_LE(std::fabs(h.LCF - hull.LCF), 0.1L) << name;
}

TEST_F(RobustGeneration, EveryHullItFinishesIsFairAndMeetsTheFiveFiguresExactly)
{
    // Hard requests of every kind: each either finishes fair with its five
    // figures met on its own curves, or ends with a plain-words fatal line.
    for (const auto* design : {&kFullAftBody, &kFullOnFineWaterplane, &kNarrowFullBow, &kFullAftOfMidship,
                               &kTooFullForLcbAtLcf, &kWaterplaneFullAft}) {
        memo.ClearText();
        auto hull = HullOf(*design);
        if (Run(*hull, GeneratorMethod::Robust)) {
            ExpectFairAndFiveFiguresMet(*hull, design->name);
            continue;
        }
        EXPECT_FALSE(HasLine("...Finished")) << design->name;
        EXPECT_TRUE(HasLine("...Process Terminated")) << design->name;
        EXPECT_FALSE(HasLine("Fatal Error[1]: Iteration Failed")) << design->name;
        EXPECT_TRUE(HasLineStarting("Fatal Error[1]: ")) << design->name;
    }
}

TEST_F(RobustGeneration, TheBundledDesignsComeOutFairAndMeetTheFiveFiguresExactly)
{
    for (const std::string name : {"cruiser-10m", "daysailer-6m", "racer-12m"}) {
        ResetGeneratorState();
        auto hull = BundledDesign(name);
        ASSERT_TRUE(Run(*hull, GeneratorMethod::Robust)) << name;
        ExpectFairAndFiveFiguresMet(*hull, name);
    }
}

TEST_F(RobustGeneration, TopsidesRiseToTheDeckWithoutBulgingPastItOrPinchingIn)
{
    // Above the design waterline no section may stand far outside both its
    // deck edge and its waterline beam: a bow section that bulges out and
    // tucks back in under a narrow deck is no yacht's. Nor far inside both:
    // the full bow sections of the last design drew their topsides in to a
    // waist before they flared out to the deck.
    std::vector<std::pair<std::string, std::unique_ptr<HullRecord>>> hulls;
    for (const std::string name : {"cruiser-10m", "daysailer-6m", "racer-12m"})
        hulls.emplace_back(name, BundledDesign(name));
    hulls.emplace_back(kFullBowOnAShallowHull.name, HullOf(kFullBowOnAShallowHull));
    for (auto& [name, hull] : hulls) {
        ResetGeneratorState();
        ASSERT_TRUE(Run(*hull, GeneratorMethod::Robust)) << name;
        for (int s = 1; s < kLastStation; ++s) {
            const TStation& station = hull->Stations[s];
            const ExtendedBSpline curve(kStationOutlinePoints, 4, StationOutline(*hull, s));
            long double widestAbove = 0, widestBelow = 0, narrowestAbove = station.SheerBeam;
            for (int i = 0; i <= 300; ++i) {
                const CurvePoint p = curve.At(curve.LastKnot() * i / 300.0L);
                long double& widest = p.b >= hull->Tc ? widestAbove : widestBelow;
                widest = std::max<long double>(widest, p.a);
                if (p.b > hull->Tc) narrowestAbove = std::min<long double>(narrowestAbove, p.a);
            }
            const long double edge = std::max(station.SheerBeam * 0.5L, widestBelow);
            EXPECT_LE(widestAbove, 1.15L * edge) << name << " station " << s;
            const long double waist = std::min(station.SheerBeam, station.DesignWaterlineBeam) * 0.5L;
            EXPECT_GE(narrowestAbove, 0.8L * waist) << name << " station " << s;
        }
    }
}

TEST_F(RobustGeneration, TheMidshipSectionStandsOnTheWidestPartOfTheWaterline)
{
    // The midship section is built to Bwl: a waterline narrower there would
    // give every waterline below it a bump at midship. The waterline stage's
    // choice stands in the record whether or not the hull stage finishes.
    for (const auto* design : {&kFullAftOfMidship, &kTooFullForLcbAtLcf}) {
        ResetGeneratorState();
        auto hull = HullOf(*design);
        Run(*hull, GeneratorMethod::Robust);
        EXPECT_NEAR(hull->Stations[10].DesignWaterlineBeam, hull->Bwl, 1e-4L * hull->Bwl) << design->name;
    }
}

TEST_F(RobustGeneration, TheKeelLineGivesABodyTheDepthItsSectionsCannotGive)
{
    // The aft body of the first design and the forward body of the second
    // need more volume than their sections can hold on the usual keel (Tc/5
    // and Tc/6 above the base at the quarters): the keel goes deeper there,
    // never below the base, and the hull comes out fair with its figures met.
    for (const KeelCase& c : {KeelCase{&kFullAftOfMidship, &HullRecord::AftKeelHeight, 0.2L},
                              KeelCase{&kLcbForwardOfItsWaterplane, &HullRecord::ForefootKeelHeight, 1.0L / 6}}) {
        ResetGeneratorState();
        memo.ClearText();
        auto hull = HullOf(*c.design);
        ASSERT_TRUE(Run(*hull, GeneratorMethod::Robust)) << c.design->name;
        ExpectFairAndFiveFiguresMet(*hull, c.design->name);
        EXPECT_TRUE(HasLineStarting(" ShapeKeel(")) << c.design->name;
        EXPECT_LT((*hull).*c.quarter, (c.usual - 0.01L) * hull->Tc) << c.design->name;
        for (const TStation& station : hull->Stations) {
            EXPECT_GE(station.KeelHeight, -1e-9L) << c.design->name;
            EXPECT_LE(station.KeelHeight, hull->Tc + 1e-9L) << c.design->name;
        }
    }
}

TEST_F(RobustGeneration, AWiggleInALowWaterlineIsTakenOutWithTheFiguresKept)
{
    // On the smooth area curve alone a waterline below the design waterline
    // changes its curvature more than twice.
    auto hull = HullOf(kLcbFarForwardOfLcf);
    ASSERT_TRUE(Run(*hull, GeneratorMethod::Robust));
    EXPECT_TRUE(HasLine(" FairWaterlines"));
    ExpectFairAndFiveFiguresMet(*hull, kLcbFarForwardOfLcf.name);
}

// LCB 2.1 % aft of LCF on a fine, shallow 10 m body: sections held at the
// family's limits, whose coefficient jumps between stations, and shifting
// single stations cannot fair the low waterlines over those jumps.
const Design kFineBowOnJaggedLimits = {"fine bow on jagged limits", 10.21, 9.34, 2.825, 2.195, 2.521, 0.481, 0.58,
                                       1.26, 1.246, 1.156, 2.624, 0.214, 7.03, 0.509, 0.644, 0.728, 53.695, 55.84,
                                       3.148};

// LCB 6.3 % forward of LCF: sections held even at smooth limits leave the
// low waterlines unfair, sections blended between them do not.
const Design kLcbFarForwardOnSmoothLimits = {"LCB far forward on smooth limits", 19.767, 15.831, 5.887, 5.298, 3.592,
                                             0.917, 2.335, 2.333, 2.098, 1.583, 13.906, 0.464, 1.251, 0.568,
                                             0.765, 0.682, 57.752, 51.468, 15.983};

// LCB 6.8 % forward of LCF on a fine body: the aft sections must be finer
// than the usual family reaches for the low waterlines to run fair.
const Design kFineAftBody = {"fine aft body", 12.241, 10.621, 4.124, 3.519, 2.607, 0.498, 0.833, 1.748, 1.589,
                             1.476, 3.373, 0.237, 0.993, 0.508, 0.678, 0.742, 57.357, 50.569, 2.686};

TEST_F(RobustGeneration, UnfairLowWaterlinesAreFairedOnSmoothLimitsThenBetweenThemThenWithHollowerSections)
{
    struct FairedCase {
        const struct Design* design;
        const char* way;
    };
    const FairedCase cases[] = {{&kFineBowOnJaggedLimits, " SmoothLimits"},
                                {&kLcbFarForwardOnSmoothLimits, " BlendLimits"},
                                {&kFineAftBody, " WidenSections"}};
    for (const auto& [design, way] : cases) {
        ResetGeneratorState();
        memo.ClearText();
        auto hull = HullOf(*design);
        ASSERT_TRUE(Run(*hull, GeneratorMethod::Robust)) << design->name;
        EXPECT_TRUE(HasLine(way)) << design->name;
        ExpectFairAndFiveFiguresMet(*hull, design->name);
    }
}

TEST_F(RobustGeneration, ATransomTopForwardOfTheWaterlinesEndTakesTheLastSectionOnItsFace)
{
    auto hull = HullOf(kTransomTopForwardOfTheWaterlineEnd);
    ASSERT_TRUE(Run(*hull, GeneratorMethod::Robust));
    ExpectFairAndFiveFiguresMet(*hull, kTransomTopForwardOfTheWaterlineEnd.name);
    const long double waterlineEnd = hull->Fovh + hull->Lwl;
    ASSERT_LT(hull->TransomTopX, waterlineEnd);
    // The face runs straight from its foot at Loa to its top; the last
    // section ends on it, on the transom's outline.
    const TStation& last = hull->Stations[kLastStation];
    const long double foot = hull->Tc + hull->TransomRise, top = hull->Tc + hull->FreeAft;
    const long double slope = (top - foot) / (hull->TransomTopX - hull->Loa);
    EXPECT_NEAR(last.SheerHeight, foot + slope * (waterlineEnd - hull->Loa), 1e-9L);
    EXPECT_GT(last.SheerHeight, foot);
    EXPECT_LT(last.SheerHeight, top);
    std::vector<ExtendedPoint> transom;
    for (int i = 1; i <= kTransomPointCount; ++i)
        transom.push_back({hull->TransomPoints[i].y, hull->TransomPoints[i].z});
    const ExtendedBSpline outline(kCubic, transom);
    long double nearest = 1;
    for (int k = 0; k <= 10000; ++k) {
        const CurvePoint p = outline.At(outline.LastKnot() * (k / 10000.0));
        nearest = std::min<long double>(nearest, std::hypot(p.a - last.SheerBeam * 0.5L, p.b - last.SheerHeight));
    }
    EXPECT_LT(nearest, 1e-3L);
    EXPECT_LT(last.SheerBeam, hull->BTransom);
}

TEST_F(RobustGeneration, TheDiagonalsDescribeTheFloorAndBilgeSoAWideShallowHullCanBeFullAft)
{
    auto hull = HullOf(kWideShallowFullAft);
    ASSERT_TRUE(Run(*hull, GeneratorMethod::Robust));
    ExpectFairAndFiveFiguresMet(*hull, kWideShallowFullAft.name);
    // The first diagonal meets the base line halfway out to Bwl/2, the second
    // passes through the turn of the bilge, the third through the waterline
    // at Bwl/2, as the classic one does.
    const long double halfBeam = hull->Bwl * 0.5L;
    const auto heightAt = [&](int d, long double y) {
        const TDiagonal& diagonal = hull->Diagonals[d];
        return diagonal.Z0 + y / diagonal.DY * diagonal.DZ;
    };
    EXPECT_NEAR(heightAt(1, 0.5L * halfBeam), 0, 1e-9L);
    EXPECT_NEAR(heightAt(2, halfBeam), 0.15L * hull->Tc, 1e-9L);
    EXPECT_NEAR(heightAt(3, halfBeam), hull->Tc, 1e-9L);
    const long double d1 = static_cast<long double>(hull->Diagonals[1].Angle);
    EXPECT_GT(d1 * 180 / std::acos(-1.0L), 45.0L + 10);  // the classic first diagonal runs at 45 degrees
}

TEST_F(RobustGeneration, TheDeckStandsAtLeastAsWideAsTheWaterlineAtEveryStation)
{
    // The classic sheer of this design is narrower than the design waterline
    // forward of midship; the robust one moves its widest part forward until
    // it is not (and fills out over the waterline where the sections need room
    // to flare), and still reaches BMax/2 and runs from the stem head to the
    // transom top.
    auto classic = HullOf(kDeckInsideTheWaterline);
    Run(*classic, GeneratorMethod::Classic);
    memo.ClearText();
    auto hull = HullOf(kDeckInsideTheWaterline);
    ASSERT_TRUE(Run(*hull, GeneratorMethod::Robust));
    ExpectFairAndFiveFiguresMet(*hull, kDeckInsideTheWaterline.name);
    EXPECT_TRUE(HasLineStarting(" WidenDeck("));
    EXPECT_LT(classic->Stations[7].SheerBeam, classic->Stations[7].DesignWaterlineBeam);
    for (int s = 1; s < kLastStation; ++s)
        EXPECT_GE(hull->Stations[s].SheerBeam, hull->Stations[s].DesignWaterlineBeam - 1e-9L) << "station " << s;
    EXPECT_LT(hull->SheerPoints[2].x, classic->SheerPoints[2].x);
    EXPECT_NEAR(SheerPlan(*hull).LargestB(), hull->BMax * 0.5L, 1e-6L);
    const TPoint3r& stemHead = hull->SheerPoints[1];
    const TPoint3r& transomTop = hull->SheerPoints[hull->SheerPointCount];
    EXPECT_NEAR(stemHead.x, 0, 1e-9L);
    EXPECT_NEAR(stemHead.y, 0, 1e-9L);
    EXPECT_NEAR(stemHead.z, hull->Tc + hull->FreeBow, 1e-9L);
    EXPECT_NEAR(transomTop.x, hull->TransomTopX, 1e-9L);
    EXPECT_NEAR(transomTop.y, hull->BTransom * 0.5L, 1e-9L);
    EXPECT_NEAR(transomTop.z, hull->Tc + hull->FreeAft, 1e-9L);
}

// A long bow overhang with a short, steep forefoot: the described forefoot
// corner, where two near-parallel tangents meet, lands 0.9 m ahead of the
// stem head.
const Design kForefootAheadOfTheStem = {"forefoot ahead of the stem", 21.675, 17.18, 6.622, 5.374, 2.95, 1.303, 3.495,
                                        1.692, 1.593, 1.59, 17.687, 0.471, 29.969, 0.558, 0.671, 0.681, 54.24,
                                        51.675, 15.321};

TEST_F(RobustGeneration, TheProfileRunsAftFromTheStemHeadWhereTheDescribedForefootLoops)
{
    auto classic = HullOf(kForefootAheadOfTheStem);
    ASSERT_TRUE(Run(*classic, GeneratorMethod::Classic));
    const ProfileRunBack loop = WorstProfileRunBack(*classic);
    EXPECT_GT(loop.Distance, 4.0L);
    EXPECT_LT(loop.FromX, 0.0L);
    const std::vector<HullFault> faults = CheckHull(*classic);
    EXPECT_TRUE(std::any_of(faults.begin(), faults.end(),
                            [](const HullFault& f) { return f.Kind == HullFaultKind::ProfileRunsBack; }));

    auto hull = HullOf(kForefootAheadOfTheStem);
    ASSERT_TRUE(Run(*hull, GeneratorMethod::Robust));
    ExpectFairAndFiveFiguresMet(*hull, kForefootAheadOfTheStem.name);
    EXPECT_LT(WorstProfileRunBack(*hull).Distance, 1e-9L);
    // The profile's polygon runs aft from the stem head to Loa, so the curve does.
    for (int p = 2; p <= 20; ++p) EXPECT_GE(hull->ProfilePoints[p].x, hull->ProfilePoints[p - 1].x) << p;
}

// A full waterplane (Cwp 0.733) 0.86 of BMax wide on a quadratic deck: the
// deck stands less than 12 % of BMax/2 outside the waterline at the bow, too
// little for the sections to flare out to it.
const Design kDeckTooNarrowToFlare = {"deck too narrow to flare", 16.668, 13.149, 5.865, 5.043, 4.781, 0.962, 1.528,
                                      1.894, 1.479, 1.236, 3.949, 0.433, 11.949, 0.515, 0.776, 0.733, 54.818,
                                      52.322, 4.538};

TEST_F(RobustGeneration, ADeckTooNarrowForTheSectionsToFlareIsFilledOutOverTheWaterline)
{
    auto hull = HullOf(kDeckTooNarrowToFlare);
    ASSERT_TRUE(Run(*hull, GeneratorMethod::Robust));
    ExpectFairAndFiveFiguresMet(*hull, kDeckTooNarrowToFlare.name);
    EXPECT_TRUE(HasLineStarting(" FillDeck("));
    ASSERT_EQ(hull->SheerPointCount, kFullDeckSheerPointCount);
    EXPECT_NEAR(SheerPlan(*hull).LargestB(), hull->BMax * 0.5L, 1e-6L);
    // Room to flare at every station, and no section wider below than at its deck.
    for (int s = 1; s < kLastStation; ++s) {
        const TStation& station = hull->Stations[static_cast<std::size_t>(s)];
        EXPECT_GE(station.SheerBeam - station.DesignWaterlineBeam, 0.12L * hull->BMax - 1e-6L) << "station " << s;
        const ExtendedBSpline section(kStationOutlinePoints, 4, StationOutline(*hull, s));
        EXPECT_LE(WiderBelowThanAtSheer(section), kTumblehomeShare * hull->BMax * 0.5L) << "station " << s;
    }
    // The filled deck still runs from the stem head to the transom top.
    const TPoint3r& transomTop = hull->SheerPoints[hull->SheerPointCount];
    EXPECT_NEAR(hull->SheerPoints[1].y, 0, 1e-9L);
    EXPECT_NEAR(transomTop.x, hull->TransomTopX, 1e-9L);
    EXPECT_NEAR(transomTop.y, hull->BTransom * 0.5L, 1e-9L);
}

// A 21.5 m design whose waterline is aimed again after its deck was filled.
const Design kWaterlineAimedOverAFilledDeck = {"waterline aimed over a filled deck", 21.494, 17.334, 5.427, 4.766, 3.429,
                                               0.626, 1.735, 2.65, 2.509, 1.964, 4.864, 0.359, 6.763, 0.53, 0.688,
                                               0.713, 57.565, 50.34, 21.881};

TEST_F(RobustGeneration, AWaterlineAimedAgainFillsTheDeckFromTheQuadraticSheer)
{
    // The deck is fitted again before it is filled for the new waterline, so
    // it still ends at the transom top and reaches BMax/2, however the run ends.
    auto hull = HullOf(kWaterlineAimedOverAFilledDeck);
    Run(*hull, GeneratorMethod::Robust);
    EXPECT_TRUE(HasLineStarting(" AimWaterline("));
    const TPoint3r& transomTop = hull->SheerPoints[hull->SheerPointCount];
    EXPECT_NEAR(transomTop.x, hull->TransomTopX, 1e-9L);
    EXPECT_NEAR(transomTop.y, hull->BTransom * 0.5L, 1e-9L);
    EXPECT_NEAR(SheerPlan(*hull).LargestB(), hull->BMax * 0.5L, 1e-6L);
}

TEST_F(RobustGeneration, AFullWaterplaneGetsALongerParallelPartInsteadOfABulge)
{
    // The parallel part longer than the classic one, and for the waterplane
    // whose centre stands far aft, longer than two fifths of Lwl.
    for (const auto& [design, longerThan] : {std::pair{&kFullWaterplaneForward, 0.2L}, std::pair{&kFullWaterplaneFarAft, 0.4L}}) {
        memo.ClearText();
        auto hull = HullOf(*design);
        ASSERT_TRUE(Run(*hull, GeneratorMethod::Robust)) << design->name;
        ExpectFairAndFiveFiguresMet(*hull, design->name);
        const TPointBlock2& w = hull->WaterlinePoints;
        EXPECT_GT(w[7].x - w[3].x, longerThan * hull->Lwl + 1e-9L) << design->name;
        for (int i = 3; i <= 7; ++i) EXPECT_EQ(w[i].y, hull->Bwl * 0.5L) << design->name;
    }
}

TEST_F(RobustGeneration, ARequestNoHullOfTheFamilyCanMeetEndsWithAPlainWordsFatalLine)
{
    for (const Unreachable& request : kUnreachable) {
        ResetGeneratorState();
        memo.ClearText();
        auto hull = HullOf(request.design);
        EXPECT_FALSE(Run(*hull, GeneratorMethod::Robust)) << request.name;
        EXPECT_TRUE(HasLine(request.fatalLine)) << request.name;
        EXPECT_TRUE(HasLine("...Process Terminated")) << request.name;
        EXPECT_FALSE(HasLine("Fatal Error[1]: Iteration Failed")) << request.name;
    }
    EXPECT_TRUE(ui.errors.empty());
}

// A 23.6 m design on which the classic method's volume and LCB solvers
// trade one figure against the other for ever.
const Design kClassicGoesRound = {"classic goes round", 23.566, 19.302, 8.206, 7.058, 5.901, 1.23, 2.723, 3.235,
                                  2.531, 2.072, 4.998, 0.424, 18.821, 0.528, 0.703, 0.711, 54.929, 53.27, 16.279};

TEST_F(RobustGeneration, AClassicRunThatStopsApproachingItsTargetsEndsWithTheFatalLine)
{
    // More evaluations than the fixture's watchdog allows: the run's own bound ends it.
    ui.onProcessMessages = [this] {
        if (++messageCalls == 100 * kWatchdogCalls) CancelGeneration();
    };
    auto hull = HullOf(kClassicGoesRound);
    EXPECT_FALSE(Run(*hull, GeneratorMethod::Classic));
    const auto lines = Lines();
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(lines.end() - 4, lines.end()),
              (std::vector<std::string>{"Fatal Error[1]: Iteration Failed", "TARNOVIC: Cancelling...",
                                        "...Process Terminated", ""}));
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_EQ(ui.errors[0].origin, "Iteration procedure");
    EXPECT_EQ(ui.errors[0].message,
              "The volume and LCB iteration makes no progress: 40 alternations in a row came no nearer to the "
              "required volume or LCB");
}

TEST_F(RobustGeneration, TheClassicMethodIsTheDefaultAndKeepsItsBanner)
{
    auto hull = HullOf(kFullAftBody);
    RunGeneration(*hull, console);
    EXPECT_TRUE(HasLine("Sloopform hull generator"));
    EXPECT_FALSE(HasLine("Sloopform hull generator, Robust method"));
}

}  // namespace
}  // namespace sloopform::test
