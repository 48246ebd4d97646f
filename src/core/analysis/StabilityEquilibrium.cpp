#include "analysis/StabilityEquilibrium.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "numeric/Geometry.h"

namespace sloopform {

namespace {

// Newton steps rarely need more than five from a neighbouring heel.
constexpr int kMaxSteps = 60;
// Residuals of volume and trimming lever below this share of the volume and
// of the body's length.
constexpr double kResidual = 1e-11;
// The largest change of heel in one search, and of trim in one Newton step.
constexpr double kHeelStep = 10 * static_cast<double>(kPi) / 180;
constexpr double kTrimStep = 0.1;
constexpr int kHalvings = 30;

struct Evaluation {
    ImmersedBody immersed;
    double level = 0;
    double volumeError = 0;  // shares of the volume
    double leverError = 0;   // shares of volume times length
    double Norm() const { return std::hypot(volumeError, leverError); }
};

class Search {
public:
    Search(const CanoeBody& body, const FloatingCondition& condition, double heel)
        : body_(body), condition_(condition), heel_(heel)
    {
        const auto x = body.Extent({1, 0, 0});
        length_ = x[1] - x[0];
    }

    // depth: of G below the waterplane, which a change of heel about G leaves alone.
    Evaluation Evaluate(double depth, double trim) const
    {
        const HeelFrame frame = FrameAt(heel_, trim);
        Evaluation e;
        e.level = Dot(frame.Up, condition_.Gravity) + depth;
        e.immersed = IntegrateImmersed(body_, frame, e.level);
        e.volumeError = (e.immersed.Volume - condition_.Volume) / condition_.Volume;
        e.leverError = (e.immersed.AlongMoment - e.immersed.Volume * Dot(frame.Along, condition_.Gravity)) /
                       (condition_.Volume * length_);
        return e;
    }

    // The Newton step on (depth, trim). d/d(trim) at a fixed level: the
    // waterplane turns about the body's x axis' level line, Up moving by
    // -Along and Along by Up; the immersed volume grows by the waterplane's
    // moment, its moment by the waterplane's inertia and the vertical moment.
    std::array<double, 2> Step(const Evaluation& e, double trim) const
    {
        const HeelFrame frame = FrameAt(heel_, trim);
        const ImmersedBody& b = e.immersed;
        const double gAlong = Dot(frame.Along, condition_.Gravity);
        const double gUp = Dot(frame.Up, condition_.Gravity);
        double j11 = b.WaterplaneArea;
        double j12 = b.WaterplaneAlongMoment;
        double j21 = b.WaterplaneAlongMoment - b.WaterplaneArea * gAlong;
        double j22 = b.WaterplaneAlongInertia + b.UpMoment - b.WaterplaneAlongMoment * gAlong - b.Volume * gUp;
        // At a fixed depth of G the level moves with the trim by -Along·G.
        j12 -= gAlong * j11;
        j22 -= gAlong * j21;
        const double r1 = e.volumeError * condition_.Volume;
        const double r2 = e.leverError * condition_.Volume * length_;
        const double det = j11 * j22 - j12 * j21;
        if (!(std::fabs(det) > 0) || !std::isfinite(det)) {
            // Out of the water or under it: move towards the displacement alone.
            const double reach = length_ / 8;
            const double move = j11 > 0 ? std::clamp(-r1 / j11, -reach, reach) : (r1 < 0 ? reach : -reach);
            return {move, 0};
        }
        return {(-r1 * j22 + r2 * j12) / det, (-r2 * j11 + r1 * j21) / det};
    }

    FloatingPosition Solve(double depth, double trim) const
    {
        Evaluation e = Evaluate(depth, trim);
        for (int step = 0; step < kMaxSteps; ++step) {
            if (std::fabs(e.volumeError) <= kResidual && std::fabs(e.leverError) <= kResidual)
                return Position(e, trim);
            auto [dDepth, dTrim] = Step(e, trim);
            const double scale = std::min(1.0, kTrimStep / std::max(std::fabs(dTrim), 1e-300));
            dDepth *= scale;
            dTrim *= scale;
            // Halve the step until it lowers the residual.
            Evaluation next = Evaluate(depth + dDepth, trim + dTrim);
            for (int halving = 0; halving < kHalvings && !(next.Norm() < e.Norm()); ++halving) {
                dDepth /= 2;
                dTrim /= 2;
                next = Evaluate(depth + dDepth, trim + dTrim);
            }
            if (!(next.Norm() < e.Norm())) break;
            depth += dDepth;
            trim += dTrim;
            e = next;
        }
        if (std::fabs(e.volumeError) <= 1e3 * kResidual && std::fabs(e.leverError) <= 1e3 * kResidual)
            return Position(e, trim);
        throw std::runtime_error("No floating position found at a heel of " +
                                 std::to_string(heel_ * 180 / static_cast<double>(kPi)) + " degrees");
    }

private:
    FloatingPosition Position(const Evaluation& e, double trim) const
    {
        const HeelFrame frame = FrameAt(heel_, trim);
        FloatingPosition p;
        p.Heel = heel_;
        p.Trim = trim;
        p.Level = e.level;
        p.Immersed = e.immersed;
        const double side = heel_ < 0 ? -1 : 1;
        p.RightingLever =
            side * (e.immersed.AcrossMoment / e.immersed.Volume - Dot(frame.Across, condition_.Gravity));
        return p;
    }

    const CanoeBody& body_;
    const FloatingCondition& condition_;
    double heel_;
    double length_ = 0;
};

}  // namespace

FloatingPosition UprightGuess(double draft)
{
    FloatingPosition p;
    p.Level = draft;
    return p;
}

FloatingPosition FloatAt(const CanoeBody& body, const FloatingCondition& condition, double heel,
                         const FloatingPosition& start)
{
    FloatingPosition from = start;
    for (;;) {
        const double change = std::clamp(heel - from.Heel, -kHeelStep, kHeelStep);
        const double next = std::fabs(heel - from.Heel) <= kHeelStep ? heel : from.Heel + change;
        const double depth = from.Level - Dot(FrameAt(from.Heel, from.Trim).Up, condition.Gravity);
        from = Search(body, condition, next).Solve(depth, from.Trim);
        if (next == heel) return from;
    }
}

}  // namespace sloopform
