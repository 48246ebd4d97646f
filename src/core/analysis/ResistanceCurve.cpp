#include "analysis/ResistanceCurve.h"

#include <cmath>

#include "numeric/NumberText.h"

namespace sloopform {

namespace {

long double DefaultStep(SpeedUnit unit)
{
    switch (unit) {
    case SpeedUnit::Knots: return 0.5L;
    case SpeedUnit::MetresPerSecond: return 0.25L;
    default: return 0.025L;
    }
}

// The Froude number a speed typed in the unit is held as.
Real48 FroudeNumberAt(SpeedUnit unit, long double speed, const ResistanceParameters& hull)
{
    return FroudeNumberOf(unit, speed, FroudeCelerity(hull.Gravity, hull.Lwl));
}

std::string SpeedWords(SpeedUnit unit, long double speed)
{
    const std::string number = ShortestText(static_cast<double>(speed));
    switch (unit) {
    case SpeedUnit::Knots: return number + " knots";
    case SpeedUnit::MetresPerSecond: return number + " m/s";
    default: return "Fn " + number;
    }
}

std::optional<std::string> OutsideTheEstimate(SpeedUnit unit, long double speed,
                                              const ResistanceParameters& hull)
{
    const Real48 fn = FroudeNumberAt(unit, speed, hull);
    if (FroudeNumberInRange(fn)) return std::nullopt;
    std::string words = SpeedWords(unit, speed);
    if (unit != SpeedUnit::FroudeNumber) words += " is Fn " + FormatFixed(fn, 3) + ",";
    return words + " outside the estimate's range, Fn 0.125 to 0.75";
}

long double StepsBetween(const SpeedRange& range) { return (range.To - range.From) / range.Step; }

// Speeds that land a hair short of a whole step still count it.
int SpeedCount(const SpeedRange& range)
{
    return static_cast<int>(std::floor(StepsBetween(range) + 1e-9L)) + 1;
}

std::string Cell(long double value) { return "," + ShortestText(static_cast<double>(value)); }

std::string ComponentHeadings(const std::string& prefix)
{
    std::string headings;
    for (const ResistanceComponent& component : ResistanceComponents())
        headings += "," + prefix + component.Name;
    return headings;
}

std::string ComponentCells(const ResistanceResult& point)
{
    std::string cells;
    for (const ResistanceComponent& component : ResistanceComponents())
        cells += Cell(point.*component.Newtons);
    return cells;
}

}  // namespace

SpeedRange DefaultSpeedRange(SpeedUnit unit, const ResistanceParameters& hull)
{
    SpeedRange range{unit, kLowestFn, kHighestFn, DefaultStep(unit)};
    if (unit == SpeedUnit::FroudeNumber) return range;
    // Fn 1 in the unit, by the conversion's own factor.
    const long double fnOne = FroudeCelerity(hull.Gravity, hull.Lwl) /
                              (unit == SpeedUnit::Knots ? kMetresPerSecondPerKnot : 1.0L);
    range.From = std::ceil(kLowestFn * fnOne / range.Step) * range.Step;
    range.To = std::floor(kHighestFn * fnOne / range.Step) * range.Step;
    if (!FroudeNumberInRange(FroudeNumberAt(unit, range.From, hull))) range.From += range.Step;
    if (!FroudeNumberInRange(FroudeNumberAt(unit, range.To, hull))) range.To -= range.Step;
    return range;
}

std::optional<std::string> SpeedRangeError(const SpeedRange& range, const ResistanceParameters& hull)
{
    if (!(range.Step > 0)) return "the step must be greater than 0";
    if (range.From > range.To)
        return "the range starts at " + SpeedWords(range.Unit, range.From) + ", above its end, " +
               SpeedWords(range.Unit, range.To);
    if (auto outside = OutsideTheEstimate(range.Unit, range.From, hull)) return outside;
    if (auto outside = OutsideTheEstimate(range.Unit, range.To, hull)) return outside;
    if (StepsBetween(range) >= kMostCurveSpeeds)
        return "the range has more than " + std::to_string(kMostCurveSpeeds) +
               " speeds: take a larger step";
    return std::nullopt;
}

std::vector<ResistanceResult> ResistanceCurve(const ResistanceParameters& hull, const SpeedRange& range)
{
    std::vector<ResistanceResult> curve;
    const int count = SpeedCount(range);
    curve.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const long double speed = range.From + i * range.Step;
        curve.push_back(EstimateResistance(hull, FroudeNumberAt(range.Unit, speed, hull)));
    }
    return curve;
}

long double KnotsOf(const ResistanceResult& point) { return point.Velocity * kKnotsPerMetrePerSecond; }

const std::vector<ResistanceComponent>& ResistanceComponents()
{
    static const std::vector<ResistanceComponent> components = {
        {"friction", "Frictional", &ResistanceResult::FrictionResistance},
        {"residuary", "Residuary", &ResistanceResult::ResiduaryResistance},
        {"total", "Total", &ResistanceResult::TotalResistance},
    };
    return components;
}

bool Extrapolated(const ResistanceResult& point)
{
    // Held to the speed's 6-byte form, so that Fn 0.6 itself is within.
    return point.Fn > Real48(kFittedHighestFn);
}

ResistanceParameters OptimumParameters(ResistanceParameters hull,
                                       const ResistanceOptimiser::Optimum& optimum)
{
    hull.Cp = optimum.Cp;
    hull.Cm = optimum.Cm;
    hull.LCB = SwapLCBForm(optimum.LCB);
    return hull;
}

std::vector<std::string> ResistanceCurveCsvLines(const std::vector<ResistanceResult>& curve,
                                                 const std::vector<ResistanceResult>& second,
                                                 const std::string& secondPrefix)
{
    std::string heading = "fn,knots,speed_ms" + ComponentHeadings({});
    if (!second.empty()) heading += ComponentHeadings(secondPrefix);
    std::vector<std::string> lines = {heading + ",extrapolated"};
    for (std::size_t i = 0; i < curve.size(); ++i) {
        const ResistanceResult& point = curve[i];
        std::string line = ShortestText(point.Fn.Value()) + Cell(KnotsOf(point)) + Cell(point.Velocity) +
                           ComponentCells(point);
        if (i < second.size()) line += ComponentCells(second[i]);
        lines.push_back(line + (Extrapolated(point) ? ",1" : ",0"));
    }
    return lines;
}

}  // namespace sloopform
