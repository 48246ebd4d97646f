#pragma once
#include <string>

#include "model/HullRecord.h"
#include "numeric/Real48.h"

namespace sloopform {

enum class SpeedUnit { FroudeNumber, Knots, MetresPerSecond };

// The speed as the three edit boxes show it.
struct SpeedTexts {
    std::string Fn;
    std::string Knots;
    std::string Ms;
};

constexpr long double kLowestFn = 0.125L;
constexpr long double kHighestFn = 0.75L;
constexpr long double kKnotsPerMetrePerSecond = 1.9440124416796267L;
constexpr long double kMetresPerSecondPerKnot = 0.5144L;

// Both ends are allowed.
bool FroudeNumberInRange(long double fn);

// sqrt(gravity * Lwl): the speed of Fn 1 in m/s.
long double FroudeCelerity(long double gravity, long double lwl);
// The Froude number of a speed in a unit, as the conversion computes it.
// A zero celerity raises the arithmetic fault.
long double FroudeNumberOf(SpeedUnit unit, long double speed, long double celerity);
// "Froude Number is outside of the range (0.125 < Fn < 0.750)".
void ShowFroudeRangeMessage();

enum class ConversionOutcome {
    NotANumber,  // "Error" shown, nothing changed
    OutOfRange,  // texts and Fn updated, the range message shown
    Accepted,
};

// Reads the speed typed in the selected unit, rewrites all three texts (2
// decimals, no leading blanks) and sets fn, using the hull's Gravity and Lwl.
ConversionOutcome ConvertVelocity(SpeedUnit unit, SpeedTexts& texts, Real48& fn,
                                  const HullRecord& hull);

}  // namespace sloopform
