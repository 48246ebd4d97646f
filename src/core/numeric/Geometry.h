#pragma once
#include <optional>

#include "numeric/Points.h"
#include "numeric/Real48.h"

namespace sloopform {

// Small real helpers shared by the generator, the views and the exports.
// Every real result is rounded to the 6-byte form before it is returned.

int Sign(long double x);
Real48 Power(long double base, long double exponent);  // base > 0
Real48 Log10(long double x);                           // x > 0
Real48 Tan(long double x);
Real48 Cube(long double x);
Real48 Max3(long double a, long double b, long double c);

// Polar angle of (x, y). The negative x axis gives pi, the full polar angle.
Real48 VectorAngle(long double x, long double y);

// The line z = Slope * x + Intercept.
struct TLine {
    Real48 Slope;
    Real48 Intercept;
};

// Nothing when the two points share an x (a vertical line).
std::optional<TLine> LineThrough(const TPoint2r& p1, const TPoint2r& p2);
Real48 EvalLine(const TLine& line, long double x);

// The crossing of the line through a1, a2 with the line through b1, b2 (points
// as x, z) is written to x and z; a vertical line leaves both unchanged.
// Parallel lines divide by zero.
void IntersectLines(Real48& x, Real48& z, const TPoint2r& a1, const TPoint2r& a2,
                    const TPoint2r& b1, const TPoint2r& b2);

// A line in the body plan from (Y0, Z0) in direction (DY, DZ); Angle in radians.
struct TDiagonal {
    Real48 Y0;
    Real48 Z0;
    Real48 DY;
    Real48 DZ;
    Real48 Angle;
};

Real48 DiagonalY(const TDiagonal& d, long double t);
Real48 DiagonalZ(const TDiagonal& d, long double t);

// Degrees to radians the way the stages write it: (angle * pi) * (1/180).
long double DegreesToRadians(long double degrees);

constexpr long double kPi = 3.141592653589793238462643383279502884L;

}  // namespace sloopform
