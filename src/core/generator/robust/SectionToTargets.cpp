#include "generator/robust/SectionToTargets.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "generator/GeneratorState.h"
#include "generator/SectionMeasures.h"
#include "generator/Sections.h"
#include "model/StationOutline.h"
#include "numeric/ArithmeticFault.h"

namespace sloopform {

namespace {

constexpr int kSectionOrder = 4;
constexpr int kNewtonSteps = 30;
constexpr int kHalvings = 5;
// The coefficient steps give up after this many steps without a nearer point.
constexpr int kStalledSteps = 4;
constexpr int kBilgeRebuilds = 3;
constexpr long double kBilgeAngleTolerance = 1e-3L;  // radians
constexpr long double kBeamTolerance = 1e-5L;  // fraction of the half-breadth
// While the coefficient is searched for, the beam is met this closely; the
// section found is then brought to the beam tolerance.
constexpr long double kSearchBeamTolerance = 2e-4L;
// The measured area takes each level's ordinate from the first sample above
// it, so the coefficient moves in small steps: differences are taken over a
// span that crosses many of them.
constexpr long double kDifferenceSpan = 0.03L;  // fraction of the half-breadth
constexpr long double kLargestStep = 0.5L;      // fraction of the beam
// A section further than this from its half-breadth (as a fraction of it)
// gives up some of its coefficient, in at most this many steps.
constexpr long double kBeamRetreatMiss = 1e-3L;
constexpr int kCoefficientRetreats = 4;
// A section from its neighbours' offsets this far from its coefficient is
// built again from the chine line.
constexpr long double kFreshStartMiss = 0.01L;

struct Residuals {
    long double beam = 0;         // half-breadth miss over the half-breadth
    long double coefficient = 0;  // coefficient miss
    SectionReached reached;

    bool valid = true;  // the section reaches the waterline on its own side

    long double Norm() const
    {
        if (!valid) return std::numeric_limits<long double>::infinity();
        const long double b = beam / kBeamTolerance;
        const long double c = coefficient / kSectionCoefficientTolerance;
        return b * b + c * c;
    }
    bool Met(long double beamTolerance = kBeamTolerance) const
    {
        return valid && std::fabs(beam) < beamTolerance && std::fabs(coefficient) < kSectionCoefficientTolerance;
    }
};

class SectionProblem {
public:
    SectionProblem(HullRecord& hull, int s, Real48 beam, Real48 coefficient) : coefficient_(coefficient)
    {
        const TStation& station = hull.Stations[static_cast<std::size_t>(s)];
        w_.Hull = &hull;
        w_.Station = s;
        w_.Bwl = hull.Bwl;
        w_.Tc = hull.Tc;
        w_.Ts = hull.Tc - station.KeelHeight;
        w_.Bs = beam;
        w_.Fs = station.SheerHeight - hull.Tc;
        w_.CsReq = coefficient;
        w_.KeelOverride = false;
        halfBeam_ = beam * 0.5L;
    }

    SectionStageState& Work() { return w_; }
    long double HalfBeam() const { return halfBeam_; }

    Residuals At(long double o2, long double o3)
    {
        w_.O2 = std::max(0.0L, o2);
        w_.O3 = std::max(0.0L, o3);
        BuildSectionPoints(w_);
        // A bilge angle that would put the diagonal-1 point below the keel or
        // across the centre plane pins it at keel height, as the keel check
        // of a reshaped section does.
        const long double keelOffset = w_.Ts / std::cos(static_cast<long double>(w_.Hull->Diagonals[1].Angle));
        if (w_.O1 < 0 || w_.O1 > keelOffset) {
            w_.O1 = keelOffset;
            w_.KeelOverride = true;
            BuildSectionPoints(w_);
            w_.KeelOverride = false;
        }
        const SectionSamples samples = SampleSection(kStationOutlinePoints, kSectionOrder, w_.Points);
        Residuals r;
        r.reached.HalfBreadth = SectionHalfBreadthAt(samples, w_.Tc);
        const Real48 halfArea = SectionHalfArea(samples, w_.Tc - w_.Ts, w_.Tc);
        r.reached.Coefficient = Divide(2 * halfArea, w_.Ts * w_.Bs);
        r.beam = Divide(r.reached.HalfBreadth - halfBeam_, halfBeam_);
        r.coefficient = r.reached.Coefficient - coefficient_;
        r.valid = r.reached.HalfBreadth > 0;
        r.reached.Met = r.valid && r.Met();
        return r;
    }

    // The beam decides the waterplane, so it is met first: for a given o2 the
    // offset o3 is found by Newton steps on the smooth half-breadth. The
    // coefficient then moves o2 by secant steps over spans wide enough to
    // cross the small steps of the measured area. Returns the best point.
    Residuals Solve()
    {
        long double o2 = w_.O2, o3 = w_.O3;
        Residuals best = MatchBeam(o2, o3, kSearchBeamTolerance);
        long double bestO2 = o2, bestO3 = o3;
        long double prevO2 = o2, prevMiss = best.coefficient;
        long double nextO2 = o2 + (best.coefficient > 0 ? -1 : 1) * kDifferenceSpan * halfBeam_;
        int stalled = 0;
        for (int step = 0; step < kNewtonSteps && !best.Met(kSearchBeamTolerance); ++step) {
            if (!std::isfinite(nextO2) || nextO2 <= 0) nextO2 = 0.5L * prevO2;
            long double trialO3 = bestO3;
            const Residuals now = MatchBeam(nextO2, trialO3, kSearchBeamTolerance);
            if (now.Norm() < best.Norm()) {
                best = now;
                bestO2 = nextO2;
                bestO3 = trialO3;
                stalled = 0;
            } else if (++stalled == kStalledSteps) {
                break;  // the measured area's small steps: no nearer point is found
            }
            const long double slope = (now.coefficient - prevMiss) / (nextO2 - prevO2);
            if (!now.valid || slope == 0 || !std::isfinite(slope)) break;
            long double stepO2 = -now.coefficient / slope;
            const long double largest = kLargestStep * w_.Bs;
            stepO2 = std::clamp(stepO2, -largest, largest);
            prevO2 = nextO2;
            prevMiss = now.coefficient;
            nextO2 = nextO2 + stepO2;
            if (std::fabs(stepO2) < 1e-9L * w_.Bs) break;
        }
        MatchBeam(bestO2, bestO3, kBeamTolerance);
        return At(bestO2, bestO3);  // leaves the working points at the answer
    }

    // The half-breadth is smooth in o3: after a first difference over a span,
    // the slope comes from the last two points, one section each step.
    Residuals MatchBeam(long double o2, long double& o3, long double tolerance)
    {
        Residuals now = At(o2, o3);
        if (!now.valid || std::fabs(now.beam) < tolerance) return now;
        const long double span = kDifferenceSpan * halfBeam_;
        long double& slope = beamSlope_;
        bool differenced = false;
        auto difference = [&] {
            const Residuals nearby = At(o2, o3 + span);
            slope = nearby.valid ? (nearby.beam - now.beam) / span : 0;
            differenced = true;
        };
        // The slope changes little with o2: the last one is the first guess.
        if (slope == 0 || !std::isfinite(slope)) difference();
        for (int step = 0; step < kNewtonSteps && std::fabs(now.beam) >= tolerance; ++step) {
            if (slope == 0 || !std::isfinite(slope)) break;
            long double s3 = std::clamp(-now.beam / slope, -kLargestStep * w_.Bs, kLargestStep * w_.Bs);
            bool improved = false;
            for (int h = 0; h <= kHalvings && !improved; ++h, s3 *= 0.5L) {
                const long double next = std::max(0.0L, o3 + s3);
                const Residuals trial = At(o2, next);
                if (trial.valid && std::fabs(trial.beam) < std::fabs(now.beam)) {
                    if (next != o3) slope = (trial.beam - now.beam) / (next - o3);
                    differenced = false;
                    o3 = next;
                    now = trial;
                    improved = true;
                }
            }
            // A slope from two distant points can mislead: difference once more.
            if (!improved && differenced) break;
            if (!improved) difference();
        }
        return now;
    }

private:
    SectionStageState w_;
    Real48 coefficient_;
    Real48 halfBeam_;
    long double beamSlope_ = 0;  // of the half-breadth miss in o3, 0 until known
};

}  // namespace

namespace {

SectionReached ConstructFrom(HullRecord& hull, int s, Real48 beam, Real48 coefficient, const SectionStart& start)
{
    SectionProblem problem(hull, s, beam, coefficient);
    SectionStageState& w = problem.Work();
    TStation& station = hull.Stations[static_cast<std::size_t>(s)];
    if (start.Warm && station.DiagonalOffset[2] > 0 && station.DiagonalOffset[3] > 0) {
        w.O2 = station.DiagonalOffset[2];
        w.O3 = station.DiagonalOffset[3];
    } else {
        w.O2 = ChineLineOffset(w, hull.Diagonals[2]);
        w.O3 = ChineLineOffset(w, hull.Diagonals[3]);
    }
    const Real48 ruled = InitialBilgeAngle(beam, w.Ts, coefficient);
    const bool hinted = start.Warm && start.BilgeAngle.has_value();
    w.BilgeAngle = hinted ? std::min(ruled, *start.BilgeAngle) : ruled;

    Residuals reached = problem.Solve();
    // As for the midship section: the bilge may not lean further out than the
    // line from the base line on the centre plane to the diagonal-1 point. A
    // start from the last angle may also lie below the rule's angle.
    const long double theta1 = hull.Diagonals[1].Angle;
    for (int rebuild = 0; rebuild < kBilgeRebuilds; ++rebuild) {
        const Real48 psi = std::atan(Divide(w.O1 * std::sin(theta1), w.Tc - w.O1 * std::cos(theta1)));
        const Real48 wanted = std::min(ruled, psi);
        if (w.BilgeAngle > psi)
            w.BilgeAngle = psi;
        else if (hinted && w.BilgeAngle < wanted - kBilgeAngleTolerance)
            w.BilgeAngle = wanted;
        else
            break;
        reached = problem.Solve();
    }
    reached.reached.BilgeAngle = w.BilgeAngle;

    station.DiagonalOffset[1] = w.O1;
    station.DiagonalOffset[2] = w.O2;
    station.DiagonalOffset[3] = w.O3;
    return reached.reached;
}

long double Miss(const SectionReached& r, Real48 beam, Real48 coefficient)
{
    if (!(r.HalfBreadth > 0)) return std::numeric_limits<long double>::infinity();
    return std::fabs(r.HalfBreadth - beam * 0.5L) / (beam * 0.5L) + std::fabs(r.Coefficient - coefficient);
}

bool BeamMissed(const SectionReached& r, Real48 beam)
{
    return !(std::fabs(r.HalfBreadth - beam * 0.5L) <= kBeamRetreatMiss * beam * 0.5L);
}

// Far enough from its targets that a fresh start may do better.
bool FarFrom(const SectionReached& r, Real48 beam, Real48 coefficient)
{
    return BeamMissed(r, beam) || !(std::fabs(r.Coefficient - coefficient) <= kFreshStartMiss);
}

SectionReached ConstructToCoefficient(HullRecord& hull, int s, Real48 beam, Real48 coefficient,
                                      const SectionStart& start)
{
    const SectionReached first = ConstructFrom(hull, s, beam, coefficient, start);
    if (first.Met || !start.Warm || !FarFrom(first, beam, coefficient)) return first;
    // The neighbours' offsets can lead the steps astray: start again from the
    // chine line and keep the better of the two.
    TStation& station = hull.Stations[static_cast<std::size_t>(s)];
    const auto warmOffsets = station.DiagonalOffset;
    const SectionReached second = ConstructFrom(hull, s, beam, coefficient, {});
    if (Miss(second, beam, coefficient) <= Miss(first, beam, coefficient)) return second;
    station.DiagonalOffset = warmOffsets;
    return first;
}

}  // namespace

SectionReached ConstructSection(HullRecord& hull, int s, Real48 beam, Real48 coefficient, const SectionStart& start)
{
    SectionReached reached = ConstructToCoefficient(hull, s, beam, coefficient, start);
    // The waterline beam comes first: a coefficient with which the section
    // cannot reach it gives way towards the middle of the family's range,
    // and the sectional-area curve then learns what this station can reach.
    const long double middle = 0.5L * (kLowestSectionCoefficient + kHighestSectionCoefficient);
    for (int retreat = 1; retreat <= kCoefficientRetreats && BeamMissed(reached, beam); ++retreat) {
        const long double easier = coefficient + (middle - coefficient) * retreat / kCoefficientRetreats;
        reached = ConstructToCoefficient(hull, s, beam, easier, {});
    }
    return reached;
}

}  // namespace sloopform
