#include "generator/robust/SectionToTargets.h"

#include <algorithm>
#include <cmath>

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
constexpr int kBilgeRebuilds = 3;
constexpr long double kBeamTolerance = 1e-5L;  // fraction of the half-breadth
// The measured area takes each level's ordinate from the first sample above
// it, so the coefficient moves in small steps: differences are taken over a
// span that crosses many of them.
constexpr long double kDifferenceSpan = 0.03L;  // fraction of the half-breadth
constexpr long double kLargestStep = 0.5L;      // fraction of the beam

struct Residuals {
    long double beam = 0;         // half-breadth miss over the half-breadth
    long double coefficient = 0;  // coefficient miss
    SectionReached reached;

    long double Norm() const
    {
        const long double b = beam / kBeamTolerance;
        const long double c = coefficient / kSectionCoefficientTolerance;
        return b * b + c * c;
    }
    bool Met() const
    {
        return std::fabs(beam) < kBeamTolerance && std::fabs(coefficient) < kSectionCoefficientTolerance;
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
        const SectionSamples samples = SampleSection(kStationOutlinePoints, kSectionOrder, w_.Points);
        Residuals r;
        r.reached.HalfBreadth = SectionHalfBreadthAt(samples, w_.Tc);
        const Real48 halfArea = SectionHalfArea(samples, w_.Tc - w_.Ts, w_.Tc);
        r.reached.Coefficient = Divide(2 * halfArea, w_.Ts * w_.Bs);
        r.beam = Divide(r.reached.HalfBreadth - halfBeam_, halfBeam_);
        r.coefficient = r.reached.Coefficient - coefficient_;
        r.reached.Met = r.Met();
        return r;
    }

    // Newton steps on (o2, o3) with differences for the slopes, each step
    // halved until it improves; returns the best point found.
    Residuals Solve()
    {
        long double o2 = w_.O2, o3 = w_.O3;
        Residuals now = At(o2, o3);
        const long double span = kDifferenceSpan * halfBeam_;
        for (int step = 0; step < kNewtonSteps && !now.Met(); ++step) {
            const Residuals d2 = At(o2 + span, o3);
            const Residuals d3 = At(o2, o3 + span);
            const long double j11 = (d2.beam - now.beam) / span, j12 = (d3.beam - now.beam) / span;
            const long double j21 = (d2.coefficient - now.coefficient) / span;
            const long double j22 = (d3.coefficient - now.coefficient) / span;
            const long double det = j11 * j22 - j12 * j21;
            if (det == 0 || !std::isfinite(det)) break;
            long double s2 = -(j22 * now.beam - j12 * now.coefficient) / det;
            long double s3 = -(-j21 * now.beam + j11 * now.coefficient) / det;
            const long double largest = kLargestStep * w_.Bs;
            const long double scale = std::max({std::fabs(s2) / largest, std::fabs(s3) / largest, 1.0L});
            s2 /= scale;
            s3 /= scale;
            bool improved = false;
            for (int h = 0; h <= kHalvings && !improved; ++h, s2 *= 0.5L, s3 *= 0.5L) {
                const Residuals trial = At(o2 + s2, o3 + s3);
                if (trial.Norm() < now.Norm()) {
                    o2 = std::max(0.0L, o2 + s2);
                    o3 = std::max(0.0L, o3 + s3);
                    now = trial;
                    improved = true;
                }
            }
            if (!improved) break;
        }
        return At(o2, o3);  // leaves the working points at the answer
    }

private:
    SectionStageState w_;
    Real48 coefficient_;
    Real48 halfBeam_;
};

}  // namespace

SectionReached ConstructSection(HullRecord& hull, int s, Real48 beam, Real48 coefficient, bool warmStart)
{
    SectionProblem problem(hull, s, beam, coefficient);
    SectionStageState& w = problem.Work();
    TStation& station = hull.Stations[static_cast<std::size_t>(s)];
    if (warmStart && station.DiagonalOffset[2] > 0 && station.DiagonalOffset[3] > 0) {
        w.O2 = station.DiagonalOffset[2];
        w.O3 = station.DiagonalOffset[3];
    } else {
        w.O2 = ChineLineOffset(w, hull.Diagonals[2]);
        w.O3 = ChineLineOffset(w, hull.Diagonals[3]);
    }
    w.BilgeAngle = InitialBilgeAngle(beam, w.Ts, coefficient);

    Residuals reached = problem.Solve();
    // As for the midship section: the bilge may not lean further out than the
    // line from the base line on the centre plane to the diagonal-1 point.
    const long double theta1 = hull.Diagonals[1].Angle;
    for (int rebuild = 0; rebuild < kBilgeRebuilds; ++rebuild) {
        const Real48 psi = std::atan(Divide(w.O1 * std::sin(theta1), w.Tc - w.O1 * std::cos(theta1)));
        if (!(w.BilgeAngle > psi)) break;
        w.BilgeAngle = psi;
        reached = problem.Solve();
    }

    station.DiagonalOffset[1] = w.O1;
    station.DiagonalOffset[2] = w.O2;
    station.DiagonalOffset[3] = w.O3;
    return reached.reached;
}

}  // namespace sloopform
