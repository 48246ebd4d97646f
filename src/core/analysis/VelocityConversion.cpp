#include "analysis/VelocityConversion.h"

#include <cmath>
#include <optional>

#include "numeric/ArithmeticFault.h"
#include "numeric/NumberText.h"
#include "platform/UiServices.h"

namespace sloopform {

namespace {

std::string SpeedText(long double value) { return FormatFixed(value, 2); }

}  // namespace

bool FroudeNumberInRange(long double fn) { return fn >= kLowestFn && fn <= kHighestFn; }

long double FroudeCelerity(long double gravity, long double lwl) { return std::sqrt(gravity * lwl); }

long double FroudeNumberOf(SpeedUnit unit, long double speed, long double celerity)
{
    switch (unit) {
    case SpeedUnit::Knots: return Divide(speed * kMetresPerSecondPerKnot, celerity);
    case SpeedUnit::MetresPerSecond: return Divide(speed, celerity);
    default: return speed;
    }
}

void ShowFroudeRangeMessage()
{
    Ui().ShowMessage("Froude Number is outside of the range (0.125 < Fn < 0.750)",
                     MessageIcon::Error, MessageButtons::Ok);
}

ConversionOutcome ConvertVelocity(SpeedUnit unit, SpeedTexts& texts, Real48& fn,
                                  const HullRecord& hull)
{
    std::string& typed = unit == SpeedUnit::FroudeNumber ? texts.Fn
                         : unit == SpeedUnit::Knots      ? texts.Knots
                                                         : texts.Ms;
    const std::optional<long double> value = ParseReal(Trim(typed));
    if (!value) {
        Ui().ShowMessage("Error", MessageIcon::None, MessageButtons::Ok);
        return ConversionOutcome::NotANumber;
    }
    const long double celerity = FroudeCelerity(hull.Gravity, hull.Lwl);
    switch (unit) {
    case SpeedUnit::FroudeNumber: {
        fn = *value;
        const long double v = fn * celerity;
        texts.Fn = SpeedText(fn);
        texts.Ms = SpeedText(v);
        texts.Knots = SpeedText(v * kKnotsPerMetrePerSecond);
        break;
    }
    case SpeedUnit::Knots:
        texts.Knots = SpeedText(*value);
        texts.Ms = SpeedText(*value * kMetresPerSecondPerKnot);
        fn = FroudeNumberOf(unit, *value, celerity);
        texts.Fn = SpeedText(fn);
        break;
    case SpeedUnit::MetresPerSecond:
        texts.Ms = SpeedText(*value);
        texts.Knots = SpeedText(*value * kKnotsPerMetrePerSecond);
        fn = FroudeNumberOf(unit, *value, celerity);
        texts.Fn = SpeedText(fn);
        break;
    }
    if (!FroudeNumberInRange(fn)) {
        ShowFroudeRangeMessage();
        return ConversionOutcome::OutOfRange;
    }
    return ConversionOutcome::Accepted;
}

}  // namespace sloopform
