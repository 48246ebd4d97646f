#include "numeric/Geometry.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "numeric/ArithmeticFault.h"

namespace sloopform {

int Sign(long double x)
{
    if (x > 0) return 1;
    if (x < 0) return -1;
    return 0;
}

namespace {
long double NaturalLog(long double x)
{
    if (x < 0 || std::isnan(x)) throw InvalidOperation();
    if (x == 0) throw DivisionByZero();
    return std::log(x);
}
}  // namespace

Real48 Power(long double base, long double exponent)
{
    return std::exp(exponent * NaturalLog(base));
}

Real48 Log10(long double x)
{
    return NaturalLog(x) / std::log(10.0L);
}

Real48 Tan(long double x)
{
    // Every section outline takes the tangent of the same diagonal angle:
    // the last argument and its tangent are kept.
    thread_local std::optional<long double> lastArgument;
    thread_local Real48 lastTangent;
    if (lastArgument == x) return lastTangent;
    lastTangent = Divide(std::sin(x), std::cos(x));
    lastArgument = x;
    return lastTangent;
}

Real48 Cube(long double x)
{
    return x * x * x;
}

Real48 Max3(long double a, long double b, long double c)
{
    return std::max({a, b, c});
}

Real48 VectorAngle(long double x, long double y)
{
    if (x == 0) return Sign(y) * kPi / 2;
    const Real48 a = std::atan(y / x);
    if (x > 0) return a;
    // Left half-plane: fold by pi towards the side of y; the negative x axis is pi.
    if (y == 0) return kPi;
    return a - Sign(a) * kPi;
}

std::optional<TLine> LineThrough(const TPoint2r& p1, const TPoint2r& p2)
{
    const long double dx = p2.x - p1.x;
    if (dx == 0) return std::nullopt;
    TLine line;
    line.Slope = (p2.y - p1.y) / dx;
    line.Intercept = p1.y - line.Slope * p1.x;
    return line;
}

Real48 EvalLine(const TLine& line, long double x)
{
    return line.Slope * x + line.Intercept;
}

void IntersectLines(Real48& x, Real48& z, const TPoint2r& a1, const TPoint2r& a2,
                    const TPoint2r& b1, const TPoint2r& b2)
{
    if (a2.x == a1.x || b2.x == b1.x) return;
    const Real48 m1 = Divide(a2.y - a1.y, a2.x - a1.x);
    const Real48 m2 = Divide(b2.y - b1.y, b2.x - b1.x);
    const Real48 c1 = m1 * a1.x - a1.y;
    const Real48 c2 = m2 * b1.x - b1.y;
    const Real48 d = Divide(1, m2 - m1);
    x = (c2 - c1) * d;
    z = (m1 * c2 - m2 * c1) * d;
}

Real48 DiagonalY(const TDiagonal& d, long double t) { return d.Y0 + t * d.DY; }

Real48 DiagonalZ(const TDiagonal& d, long double t) { return d.Z0 + t * d.DZ; }

long double DegreesToRadians(long double degrees) { return (degrees * kPi) * (1.0L / 180.0L); }

}  // namespace sloopform
