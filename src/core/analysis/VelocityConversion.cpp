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
    const long double celerity = std::sqrt(hull.Gravity * hull.Lwl);
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
        fn = Divide(*value * kMetresPerSecondPerKnot, celerity);
        texts.Fn = SpeedText(fn);
        break;
    case SpeedUnit::MetresPerSecond:
        texts.Ms = SpeedText(*value);
        texts.Knots = SpeedText(*value * kKnotsPerMetrePerSecond);
        fn = Divide(*value, celerity);
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
