#include "analysis/CubicSignChanges.h"

#include <algorithm>
#include <cmath>

namespace sloopform {

namespace {

// Halvings and secant steps together reach the last bit of a double on 0 .. 1
// well within this many steps.
constexpr int kRootSteps = 80;

// The root of a cubic that is monotone on [lo, hi] with f(lo) and f(hi) of
// opposite signs: Illinois steps (regula falsi that halves the weight of an
// end kept twice), which keep the bracket.
double MonotoneRoot(const CubicOrdinates& f, double lo, double flo, double hi, double fhi)
{
    int kept = 0;
    for (int step = 0; step < kRootSteps && hi - lo > 4e-16; ++step) {
        const double u = std::clamp(lo + (hi - lo) * flo / (flo - fhi), lo, hi);
        const double fu = CubicAt(f, u);
        if (fu == 0) return u;
        if ((fu < 0) == (flo < 0)) {
            lo = u;
            flo = fu;
            if (kept == -1) fhi /= 2;
            kept = -1;
        } else {
            hi = u;
            fhi = fu;
            if (kept == 1) flo /= 2;
            kept = 1;
        }
    }
    return lo + (hi - lo) / 2;
}

}  // namespace

double CubicAt(const CubicOrdinates& f, double u)
{
    const double v = 1 - u;
    return v * v * v * f[0] + 3 * u * v * (v * f[1] + u * f[2]) + u * u * u * f[3];
}

SignChanges CubicSignChanges(const CubicOrdinates& f)
{
    SignChanges changes;
    // A curve inside the convex hull of its ordinates cannot cross zero when they all lie on one side.
    if (std::all_of(f.begin(), f.end(), [](double v) { return v > 0; }) ||
        std::all_of(f.begin(), f.end(), [](double v) { return v < 0; }))
        return changes;
    // The derivative's roots cut 0 .. 1 into pieces where the cubic is monotone;
    // f' / 3 in power form is d0 + 2 d1 u + d2 u² with these coefficients.
    const double d0 = f[1] - f[0];
    const double d1 = f[2] - 2 * f[1] + f[0];
    const double d2 = f[3] - 3 * f[2] + 3 * f[1] - f[0];
    std::array<double, 4> ends{0, 1, 1, 1};
    int count = 1;
    const auto addEnd = [&](double u) {
        if (!(u > 0 && u < 1)) return;
        ends[static_cast<std::size_t>(count++)] = u;
        if (count == 3 && ends[2] < ends[1]) std::swap(ends[1], ends[2]);
    };
    if (d2 == 0) {
        if (d1 != 0) addEnd(-d0 / (2 * d1));
    } else {
        const double discriminant = d1 * d1 - d0 * d2;
        if (discriminant > 0) {
            const double q = -(d1 + std::copysign(std::sqrt(discriminant), d1));
            addEnd(q / d2);
            if (q != 0) addEnd(d0 / q);
        }
    }
    ends[static_cast<std::size_t>(count++)] = 1;
    double lo = 0, flo = f[0];
    for (int k = 1; k < count; ++k) {
        const double hi = ends[static_cast<std::size_t>(k)];
        const double fhi = CubicAt(f, hi);
        if ((flo < 0 && fhi > 0) || (flo > 0 && fhi < 0))
            changes.At[static_cast<std::size_t>(changes.Count++)] = MonotoneRoot(f, lo, flo, hi, fhi);
        lo = hi;
        flo = fhi;
    }
    return changes;
}

PositiveParts CubicPositiveParts(const CubicOrdinates& f)
{
    PositiveParts parts;
    const SignChanges changes = CubicSignChanges(f);
    double start = 0;
    for (int k = 0; k <= changes.Count; ++k) {
        const double end = k < changes.Count ? changes.At[static_cast<std::size_t>(k)] : 1;
        if (end > start && CubicAt(f, (start + end) / 2) > 0)
            parts.Part[static_cast<std::size_t>(parts.Count++)] = {start, end};
        start = end;
    }
    return parts;
}

}  // namespace sloopform
