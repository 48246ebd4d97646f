#include "generator/robust/RobustHullGeneration.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "analysis/DesignFigures.h"
#include "analysis/ExactHydrostatics.h"
#include "analysis/HullCheck.h"
#include "generator/DiagonalFitting.h"
#include "generator/Sections.h"
#include "generator/Transom.h"
#include "generator/robust/AreaCurve.h"
#include "generator/robust/LimitEnvelope.h"
#include "generator/robust/RobustFailure.h"
#include "generator/robust/RobustKeel.h"
#include "generator/robust/RobustSheerline.h"
#include "generator/robust/RobustWaterline.h"
#include "generator/robust/SectionToTargets.h"
#include "generator/robust/WaterlineFairing.h"
#include "numeric/NumberText.h"
#include "platform/RunControl.h"
#include "platform/UiServices.h"

namespace sloopform {

namespace {

constexpr int kForwardQuarter = 5;
constexpr int kAftQuarter = 15;
constexpr int kDiagonalOrder = 3;
constexpr int kAreaCurveSteps = 12;
// Times the waterline is aimed again when the built hull misses Cwl or LCF.
constexpr int kWaterlineCorrections = 3;
// Times the keel line is moved when the sections cannot place the volume at LCB.
constexpr int kKeelMoves = 5;
// Times single stations' coefficients are shifted for fair low waterlines.
constexpr int kFairings = 8;
// A built hull this close to its volume and LCB (as shares of the
// tolerances) is kept: the report measures it the same way.
constexpr long double kAccept = 0.8L;

// The exact figures the search reads: it never needs the wetted surface.
ExactResolution VolumeAndWaterplane()
{
    ExactResolution resolution;
    resolution.Measures = ImmersedMeasures::AreaAndMoment;
    return resolution;
}

void MarkConstructed(HullRecord& hull, int s)
{
    TStation& station = hull.Stations[s];
    if (station.SectionDefined) return;
    station.SectionDefined = true;
    hull.DefinedSectionCount += 1;
}

// The diagonal fit as the classic method makes it; the end stations it
// leaves are kept from folding too, before any figure of the hull is measured.
void FitDiagonalsKeepingTheEnds(HullRecord& hull)
{
    FitDiagonalsToSections(hull, kDiagonalOrder);
    for (int s : {0, kLastStation}) KeepSectionWithinEnvelope(hull, s);
}

bool IsFitData(int s) { return s == kForwardQuarter || s == kMidshipStation || s == kAftQuarter; }

// The quarter sections become data of the diagonal fit, as in the classic
// method (a fit through more points is ill-conditioned); every other station
// is then built to its own beam and coefficient, and the curve learns the
// range of coefficients each station's section can have.
void BuildStations(HullRecord& hull, AreaCurve& curve)
{
    auto build = [&](int s) {
        const SectionReached reached = ConstructSection(hull, s, StationBeam(hull, s), curve.Coefficient(hull, s));
        curve.Lowest[s] = reached.Lowest;
        curve.Highest[s] = reached.Highest;
    };
    for (int s : {kForwardQuarter, kAftQuarter}) {
        build(s);
        MarkConstructed(hull, s);
    }
    FitDiagonalsKeepingTheEnds(hull);
    for (int s = 1; s < kLastStation; ++s)
        if (!IsFitData(s)) build(s);
    SectionsFromDiagonals(hull);
    if (curve.LimitsSmoothed) SmoothLimits(curve);
}

bool Within(long double value, long double target, long double tolerance)
{
    return std::fabs(value - target) <= tolerance;
}

std::string Coefficient(long double value) { return FormatFixed(value, 2); }
std::string Percent(long double value) { return FormatFixed(value, 1) + " %"; }

// Names the figure that was missed and the parameter to change. An LCB the
// body cannot reach is named first: the volume is then usually missed only
// because the steps traded it against the LCB.
void ExplainMiss(const HullRecord& hull, const AreaCurve& curve, const VolumeRequest& request, const ExactHydrostatics& built)
{
    const bool high = true, low = false;
    const std::string cp = Coefficient(hull.Cp), cm = Coefficient(hull.Cm);
    const std::string lcb = Percent(hull.LCB);
    const bool wantsAft = request.lcb > built.LCB;
    if (!Within(built.LCB, request.lcb, request.lcbTolerance)) {
        const std::vector<KeelMove> moves = KeelMovesTowards(hull, curve, wantsAft);
        if (!moves.empty()) {
            const KeelMove& move = moves.front();
            const std::string body = move.Quarter == KeelQuarter::Aft ? "aft" : "forward";
            return FailRun("Required LCB " + lcb + " too far " + (wantsAft ? "aft" : "forward") + " for Cp " + cp +
                           ": the " + body + " sections would need to be " + (move.Deeper ? "fuller" : "finer") +
                           " than their beams and depths allow; move LCB " + (wantsAft ? "forward" : "aft") +
                           (move.Deeper ? " or lower Cp" : " or raise Cp"));
        }
    }
    const long double volumeMiss = request.volume - built.Volume;
    if (std::fabs(volumeMiss) > request.volumeTolerance) {
        if (volumeMiss > 0 && curve.ClampedBetween(hull, 1, kLastStation - 1, high))
            return FailRun("Required Cp " + cp + " too high for Cm " + cm +
                           ": the sections would need to be fuller than their beams and depths allow; lower Cp");
        if (volumeMiss < 0 && curve.ClampedBetween(hull, 1, kLastStation - 1, low))
            return FailRun("Required Cp " + cp + " too low for Cm " + cm +
                           ": the sections would need to be finer than their beams and depths allow; raise Cp");
        return FailRun("Required volume for Cp " + cp + " could not be met (built " + FormatFixed(built.Volume, 3) +
                       " m3 of " + FormatFixed(request.volume, 3) + " m3); change Cp or LCB");
    }
    FailRun("Required LCB " + lcb + " could not be met with Cp " + cp + " (built " + Percent(built.LCB) +
            "); move LCB towards " + Percent(built.LCB));
}

void ExplainWaterline(const HullRecord& hull, const ExactHydrostatics& built)
{
    FailRun("Required Cwp " + Coefficient(hull.Cwp) + " and LCF " + Percent(hull.LCF) +
            " could not be met: the sections could not reach the waterline beams (built Cwl " +
            FormatFixed(built.Cwl, 3) + ", LCF " + Percent(built.LCF) + "); change Cwp or LCF");
}

// Low waterlines that stay unfair while a body's sections are held at the
// family's fullest or finest: the volume is asked to lie where the sections
// cannot carry it smoothly, so the LCB or Cp is named. Otherwise the hull
// check names the fault once the transom is done.
void ExplainUnfairAtLimits(const HullRecord& hull, const AreaCurve& curve)
{
    const bool high = true, low = false;
    const int lastForward = kMidshipStation - 1, firstAft = kMidshipStation + 1, lastAft = kLastStation - 1;
    const bool forwardFull = curve.ClampedBetween(hull, 1, lastForward, high);
    const bool forwardFine = curve.ClampedBetween(hull, 1, lastForward, low);
    const bool aftFull = curve.ClampedBetween(hull, firstAft, lastAft, high);
    const bool aftFine = curve.ClampedBetween(hull, firstAft, lastAft, low);
    const std::string cp = Coefficient(hull.Cp), cm = Coefficient(hull.Cm), lcb = Percent(hull.LCB);
    const std::string unfair = " as their beams and depths allow, and the waterlines below the design waterline "
                               "cannot be faired; ";
    if (forwardFull && aftFull)
        return FailRun("Required Cp " + cp + " too high for Cm " + cm + ": the sections are as full" + unfair +
                       "lower Cp");
    if (forwardFine && aftFine)
        return FailRun("Required Cp " + cp + " too low for Cm " + cm + ": the sections are as fine" + unfair +
                       "raise Cp");
    if (forwardFull || aftFine)
        return FailRun("Required LCB " + lcb + " too far forward for Cp " + cp + ": the " +
                       (forwardFull ? "forward sections are as full" : "aft sections are as fine") + unfair +
                       "move LCB aft");
    if (aftFull || forwardFine)
        FailRun("Required LCB " + lcb + " too far aft for Cp " + cp + ": the " +
                (aftFull ? "aft sections are as full" : "forward sections are as fine") + unfair + "move LCB forward");
}

// The sectional-area curve solved and the stations built until the volume
// and LCB meet the request; returns the built hull's exact figures.
ExactHydrostatics MeetVolumeAndLcb(HullRecord& hull, AreaCurve& curve, const VolumeRequest& request)
{
    // The built hull's sums differ from the predicted ones by what the
    // sections miss; the target of the next solve is moved by that much.
    AreaSums target{request.volume, request.volume * request.lcb};
    ExactHydrostatics built{};
    for (int step = 0; step < kAreaCurveSteps; ++step) {
        const AreaCurve before = curve;
        SolveAreaCurve(hull, curve, target, request);
        // Nothing left to move: building the same sections again changes nothing.
        if (step > 0 && curve.Terms == before.Terms) break;
        std::string terms;
        for (long double term : curve.Terms) terms += (terms.empty() ? "" : ", ") + FormatFixed(term, 3);
        ConsoleLine(" ConstructSections(" + terms + ")");
        BuildStations(hull, curve);
        built = ComputeExactHydrostatics(hull, VolumeAndWaterplane());
        Ui().ProcessMessages();
        if (CancelFlag()) break;
        if (Within(built.Volume, request.volume, kAccept * request.volumeTolerance) &&
            Within(built.LCB, request.lcb, kAccept * request.lcbTolerance))
            break;
        const AreaSums predicted = PredictSums(hull, curve);
        target.volume = request.volume + predicted.volume - built.Volume;
        target.moment = request.volume * request.lcb + predicted.moment - built.Volume * built.LCB;
    }
    return built;
}

void BuildMidship(HullRecord& hull);

// When shifting single stations has not faired the low waterlines, the next
// way to try: sections held at the family's limits follow them from station
// to station, so the limits are smoothed first; then no station is held at
// a limit at all, each taking its coefficient between them; then the family
// reaches hollower sections and the curve starts again. False when every way
// has been tried.
bool MayFairAnotherWay(AreaCurve& curve)
{
    if (!curve.LimitsSmoothed) {
        ConsoleLine(" SmoothLimits");
        curve.LimitsSmoothed = true;
        return true;
    }
    if (!curve.Blended) {
        ConsoleLine(" BlendLimits");
        curve.Blended = true;
        curve.Terms.fill(0);
        curve.Shifts.fill(0);
        return true;
    }
    if (!WidenSectionFamily()) return false;
    ConsoleLine(" WidenSections");
    curve = AreaCurve{};
    return true;
}

// The keel moves of a run: a few at most, and none that undoes an earlier
// move at the same quarter, so that the keel cannot go back and forth.
class KeelShaping {
public:
    // Makes the first of the moves that is allowed and possible, then builds
    // again the stages that follow from the profile: the waterline (whose
    // widest part is placed for the LCB on the stations' depths) and the
    // midship section. False when none is.
    bool MoveFirstOf(HullRecord& hull, const AreaCurve& curve, const VolumeRequest& request, const WaterlineAim& aim,
                     const std::vector<KeelMove>& moves, bool mayUndo)
    {
        if (made_ == kKeelMoves) return false;
        for (const KeelMove& move : moves) {
            std::optional<bool>& deeper = deeper_[static_cast<std::size_t>(move.Quarter)];
            if (!mayUndo && deeper && *deeper != move.Deeper) continue;
            if (!MoveKeel(hull, curve, request, move)) continue;
            deeper = move.Deeper;
            ++made_;
            ConsoleLine(" ShapeKeel(" + FormatFixed(hull.ForefootKeelHeight, 3) + ", " +
                        FormatFixed(hull.AftKeelHeight, 3) + ")");
            AimRobustWaterline(hull, aim);
            if (!CancelFlag()) BuildMidship(hull);
            return true;
        }
        return false;
    }

private:
    int made_ = 0;
    std::array<std::optional<bool>, 2> deeper_;  // of each quarter, once it has moved
};

void GenerateToRequest(HullRecord& hull)
{
    const DesignFigureValues tolerance = FigureTolerances(hull);
    const VolumeRequest request{RequestedFigures(hull)[kVolumeFigure], tolerance[kVolumeFigure], hull.LCB,
                                tolerance[kLcbFigure]};
    AreaCurve curve;
    WaterlineAim aim{hull.Cwp, hull.LCF};
    KeelShaping keel;
    int waterlineAims = 0, fairings = 0;
    for (;;) {
        const ExactHydrostatics built = MeetVolumeAndLcb(hull, curve, request);
        if (CancelFlag()) return;
        if (!Within(built.Volume, request.volume, request.volumeTolerance) ||
            !Within(built.LCB, request.lcb, request.lcbTolerance)) {
            const bool lcbMissed = !Within(built.LCB, request.lcb, request.lcbTolerance);
            const std::vector<KeelMove> moves = lcbMissed
                                                    ? KeelMovesTowards(hull, curve, request.lcb > built.LCB)
                                                    : KeelMovesForVolume(hull, curve, request.volume > built.Volume);
            if (!keel.MoveFirstOf(hull, curve, request, aim, moves, true))
                return ExplainMiss(hull, curve, request, built);
            if (CancelFlag()) return;
            curve.Restart();
            continue;
        }
        // Sections held at the family's limits put kinks into the waterlines
        // below the design waterline: the keel gives the body room first.
        if (keel.MoveFirstOf(hull, curve, request, aim, KeelMovesOutOfLimits(hull, curve), false)) {
            if (CancelFlag()) return;
            curve.Restart();
            continue;
        }
        if (Within(built.Cwl, hull.Cwp, tolerance[kCwlFigure]) && Within(built.LCF, hull.LCF, tolerance[kLcfFigure])) {
            if (LowWaterlinesFair(hull)) return;
            if (fairings == kFairings && MayFairAnotherWay(curve)) {
                fairings = 0;
                continue;
            }
            if (fairings == kFairings) return ExplainUnfairAtLimits(hull, curve);
            ++fairings;
            ConsoleLine(" FairWaterlines");
            ShiftForFairWaterlines(hull, curve);
            continue;
        }
        if (waterlineAims++ == kWaterlineCorrections) return ExplainWaterline(hull, built);
        // The waterline aimed again by what the lofted sections missed.
        aim.Cwp += hull.Cwp - built.Cwl;
        aim.LCF += hull.LCF - built.LCF;
        ConsoleLine(" AimWaterline(" + FormatFixed(aim.Cwp, 4) + ", " + FormatFixed(aim.LCF, 3) + ")");
        AimRobustWaterline(hull, aim);
        if (CancelFlag()) return;
    }
}

void BuildMidship(HullRecord& hull)
{
    InitialiseDiagonalEnds(hull);
    ConsoleLine(" ConstructSection(" + std::to_string(kMidshipStation) + ", " + FormatFixed(hull.Cm, 3) + ", " +
                FormatFixed(hull.Bwl, 3) + ")");
    const SectionReached reached = ConstructSection(hull, kMidshipStation, hull.Bwl, hull.Cm);
    MarkConstructed(hull, kMidshipStation);
    if (!reached.BeamKept) {
        FailRun("Required Bwl " + FormatFixed(hull.Bwl, 3) + " m too near BMax " + FormatFixed(hull.BMax, 3) +
                " m for the midship section: it reaches at most " + FormatFixed(2 * reached.HalfBreadth, 3) +
                " m at the waterline; lower Bwl or raise BMax");
        return;
    }
    // The midship section is data of the diagonal fit and keeps the
    // coefficient it reached, so the goal itself is the test.
    if (!Within(reached.Coefficient, hull.Cm, hull.CoefficientGoal)) {
        const bool tooHigh = reached.Coefficient < hull.Cm;
        FailRun("Required Cm " + Coefficient(hull.Cm) + (tooHigh ? " too high" : " too low") +
                " for the midship section of Bwl " + FormatFixed(hull.Bwl, 3) + " m and Tc " +
                FormatFixed(hull.Tc, 3) + " m: the nearest section has Cm " + FormatFixed(reached.Coefficient, 3) +
                (tooHigh ? "; lower Cm" : "; raise Cm"));
        return;
    }
    FitDiagonalsKeepingTheEnds(hull);
}

// What to change for the first fault: a section wider below than at its deck
// stands under a deck too narrow for it; a section that cannot keep its shape
// holds more area than its beam and depth allow at that end of the hull; an
// unfair waterline or area curve follows from where the volume is asked to lie.
std::string Remedy(const HullFault& fault)
{
    if (fault.Kind == HullFaultKind::Tumblehome || fault.Kind == HullFaultKind::WaterlineOutsideSheer)
        return "the deck is too narrow over the design waterline for the sections to flare out to it; lower Bwl or "
               "Cwp, or raise BMax";
    if (fault.Kind == HullFaultKind::ProfileRunsBack) return "change the forefoot's BPLWLT or BPDA";
    if (fault.Station >= 0 && fault.Station < kMidshipStation)
        return "the forward sections cannot carry their share of the volume on their beams; lower Cp, move LCB aft "
               "or raise Cwp";
    if (fault.Station > kMidshipStation)
        return "the aft sections cannot carry their share of the volume on their beams; lower Cp, move LCB forward "
               "or raise Cwp";
    if (fault.Station == kMidshipStation) return "the midship section cannot keep Cm on Bwl and Tc; change Cm";
    if (fault.Kind == HullFaultKind::UnfairWaterline) return "change Cwp or move LCF towards 55 %";
    return "move LCB towards midship or lower Cp";
}

void RefuseUnfairHull(const HullRecord& hull)
{
    const std::vector<HullFault> faults = CheckHull(hull);
    if (faults.empty()) return;
    std::string more;
    if (faults.size() > 1) more = " (and " + std::to_string(faults.size() - 1) + " more)";
    FailRun("The hull for Cp " + Coefficient(hull.Cp) + ", LCB " + Percent(hull.LCB) + " and Cwp " +
            Coefficient(hull.Cwp) + " is not fair: " + faults.front().Text + more + "; " + Remedy(faults.front()));
}

}  // namespace

void CreateRobustTransom(HullRecord& hull)
{
    CreateTransom(hull);
    if (CancelFlag()) return;
    EndLastStationOnTheTransomOutline(hull);
    RunGuarded("Hull check", [&hull] { RefuseUnfairHull(hull); });
}

void InitialiseRobustDiagonals(HullRecord& hull)
{
    RunGuarded("Midship section", [&hull] { BuildMidship(hull); });
}

void GenerateRobustHull(HullRecord& hull)
{
    RunGuarded("Hull", [&hull] { GenerateToRequest(hull); });
}

}  // namespace sloopform
