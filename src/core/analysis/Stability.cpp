#include "analysis/Stability.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "analysis/StabilitySummary.h"
#include "numeric/BracketedRoot.h"
#include "numeric/Geometry.h"

namespace sloopform {

namespace {

constexpr double kDegree = static_cast<double>(kPi) / 180;
// GM from the curve: GZ at this heel over its sine. The curve's next term,
// BM tan² / 2, is below 0.05 % of GM on any sailing hull there.
constexpr double kGmHeel = 1;
// The AVS and the deck-edge immersion are searched between two angles of the
// curve until within these of zero.
constexpr double kLeverTolerance = 1e-7;  // m
constexpr int kRefineSteps = 30;

class Curve {
public:
    Curve(const CanoeBody& body, const StabilityCondition& condition) : body_(body), condition_(condition) {}

    FloatingPosition Float(double heel, const FloatingPosition& from) const
    {
        return FloatAt(body_, condition_.Floating, heel * kDegree, from);
    }

    StabilityPoint Point(const FloatingPosition& p, double heel) const
    {
        const HeelFrame frame = FrameAt(p.Heel, p.Trim);
        const Vector3 g = condition_.Floating.Gravity;
        StabilityPoint point;
        point.Heel = heel;
        point.Gz = p.RightingLever;
        point.RightingMoment =
            condition_.Floating.Volume * condition_.Density * condition_.Gravity * p.RightingLever / 1000;
        point.Trim = p.Trim / kDegree;
        point.Sinkage = p.Level - Dot(frame.Up, {g.x, 0, condition_.Draft});
        point.DeckFreeboard = DeckFreeboard(frame, p.Level);
        return point;
    }

private:
    double DeckFreeboard(const HeelFrame& frame, double level) const
    {
        double lowest = std::numeric_limits<double>::max();
        const auto consider = [&](Vector3 sheer) {
            lowest = std::min({lowest, Dot(frame.Up, sheer) - level, Dot(frame.Up, Mirrored(sheer)) - level});
        };
        for (const CanoeBody::Cut& cut : body_.Cuts()) consider(cut.Section.back().back());
        consider(body_.ForwardEnd().back().back());
        consider(body_.AftEnd().back().back());
        return lowest;
    }

    const CanoeBody& body_;
    const StabilityCondition& condition_;
};

// Where a figure of the point first falls from above zero to zero or below,
// searched between the two angles of the curve that bracket it.
std::optional<double> FirstFall(const Curve& curve, const std::vector<FloatingPosition>& positions,
                                const std::vector<StabilityPoint>& points, std::size_t from,
                                double StabilityPoint::*figure)
{
    for (std::size_t i = from; i + 1 < points.size(); ++i) {
        const double a = points[i].*figure, b = points[i + 1].*figure;
        if (!(a > 0 && b <= 0)) continue;
        if (b == 0) return points[i + 1].Heel;
        const FloatingPosition& start = positions[i];
        const long double root = BracketedRoot(
            [&](long double heel) {
                const auto at = static_cast<double>(heel);
                return static_cast<long double>(curve.Point(curve.Float(at, start), at).*figure);
            },
            points[i].Heel, a, points[i + 1].Heel, b, kLeverTolerance, kRefineSteps);
        return static_cast<double>(root);
    }
    return std::nullopt;
}

StabilitySummary Summarise(const Curve& curve, const StabilityCondition& condition,
                           const std::vector<FloatingPosition>& positions, const std::vector<StabilityPoint>& points)
{
    StabilitySummary s;
    s.Vcg = condition.Floating.Gravity.z;
    // The summary reads the curve from upright towards starboard: upright
    // first, where GZ is 0 for G on the centre line.
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < points.size(); ++i)
        if (points[i].Heel > 0) order.push_back(i);
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return points[a].Heel < points[b].Heel; });
    order.erase(std::unique(order.begin(), order.end(),
                            [&](std::size_t a, std::size_t b) { return points[a].Heel == points[b].Heel; }),
                order.end());
    const FloatingPosition upright = curve.Float(0, UprightGuess(condition.Draft));
    std::vector<FloatingPosition> p{upright};
    std::vector<StabilityPoint> q{curve.Point(upright, 0)};
    for (std::size_t i : order) {
        p.push_back(positions[i]);
        q.push_back(points[i]);
    }
    s.Gm = curve.Float(kGmHeel, upright).RightingLever / std::sin(kGmHeel * kDegree);
    std::size_t top = 0;
    for (std::size_t i = 1; i < q.size(); ++i)
        if (q[i].Gz > q[top].Gz) top = i;
    s.GzMax = q[top].Gz;
    s.HeelGzMax = q[top].Heel;
    s.Avs = FirstFall(curve, p, q, top, &StabilityPoint::Gz);
    s.DeckImmersion = FirstFall(curve, p, q, 0, &StabilityPoint::DeckFreeboard);
    if (q.size() < 2) return s;

    std::vector<double> heels, gz;
    for (const StabilityPoint& point : q) {
        if (s.Avs && point.Heel > *s.Avs && heels.back() < *s.Avs) {
            heels.push_back(*s.Avs);
            gz.push_back(0);
        }
        heels.push_back(point.Heel);
        gz.push_back(point.Gz);
    }
    const RightingCurve righting(heels, gz);
    const auto areaTo = [&](double heel) -> std::optional<double> {
        if (heel > righting.Last()) return std::nullopt;
        return righting.Area(0, heel);
    };
    s.Area30 = areaTo(30);
    s.Area40 = areaTo(40);
    if (s.Avs) {
        s.AreaAvs = areaTo(*s.Avs);
        const double negative = -righting.Area(*s.Avs, righting.Last());
        if (negative > 0) s.AreaRatio = *s.AreaAvs / negative;
    }
    return s;
}

}  // namespace

std::vector<double> DefaultHeelAngles()
{
    std::vector<double> heels;
    for (int heel = 0; heel <= 180; heel += 5) heels.push_back(heel);
    return heels;
}

StabilityResult ComputeStability(const CanoeBody& body, const StabilityCondition& condition,
                                 const std::vector<double>& heels)
{
    if (heels.empty()) throw std::invalid_argument("No heel angles were given");
    for (double heel : heels)
        if (!(heel >= -180 && heel <= 180))
            throw std::invalid_argument("Heel angles lie between -180 and 180 degrees");
    const Curve curve(body, condition);
    StabilityResult result;
    result.Displacement = condition.Floating.Volume * condition.Density;
    std::vector<FloatingPosition> positions;
    FloatingPosition from = UprightGuess(condition.Draft);
    for (double heel : heels) {
        from = curve.Float(heel, from);
        positions.push_back(from);
        result.Curve.push_back(curve.Point(from, heel));
    }
    result.Summary = Summarise(curve, condition, positions, result.Curve);
    return result;
}

}  // namespace sloopform
