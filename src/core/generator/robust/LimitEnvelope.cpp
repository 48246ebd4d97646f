#include "generator/robust/LimitEnvelope.h"

#include <array>
#include <optional>

namespace sloopform {

namespace {

// A parabola this close to a station's limit counts as within it: it passes
// through three of them, computed.
constexpr long double kWithin = 1e-12L;

struct Body {
    int first, last;
};

// The parabola through three stations' values, as values at every station.
using StationValues = std::array<long double, kStationCount>;

StationValues ParabolaThrough(const StationValues& limit, int a, int b, int c)
{
    StationValues parabola{};
    for (int s = 0; s <= kLastStation; ++s) {
        const long double la = static_cast<long double>((s - b) * (s - c)) / ((a - b) * (a - c));
        const long double lb = static_cast<long double>((s - a) * (s - c)) / ((b - a) * (b - c));
        const long double lc = static_cast<long double>((s - a) * (s - b)) / ((c - a) * (c - b));
        parabola[s] = la * limit[a] + lb * limit[b] + lc * limit[c];
    }
    return parabola;
}

// The parabola on the body's side of every limit (below it when `below`)
// whose sum over the body's stations is the largest (smallest); it passes
// through three of the limits. Empty for a body of fewer than three stations.
std::optional<StationValues> Envelope(const StationValues& limit, Body body, bool below)
{
    std::optional<StationValues> best;
    long double bestSum = 0;
    const long double sign = below ? 1 : -1;  // the sum is maximised times the sign
    for (int a = body.first; a <= body.last; ++a)
        for (int b = a + 1; b <= body.last; ++b)
            for (int c = b + 1; c <= body.last; ++c) {
                const StationValues parabola = ParabolaThrough(limit, a, b, c);
                bool inside = true;
                long double sum = 0;
                for (int s = body.first; s <= body.last && inside; ++s) {
                    inside = sign * (limit[s] - parabola[s]) >= -kWithin;
                    sum += parabola[s];
                }
                if (inside && (!best || sign * sum > sign * bestSum)) {
                    best = parabola;
                    bestSum = sum;
                }
            }
    return best;
}

}  // namespace

void SmoothLimits(AreaCurve& curve)
{
    for (Body body : {Body{1, kMidshipStation - 1}, Body{kMidshipStation + 1, kLastStation - 1}}) {
        const std::optional<StationValues> highest = Envelope(curve.Highest, body, true);
        const std::optional<StationValues> lowest = Envelope(curve.Lowest, body, false);
        if (!highest || !lowest) continue;
        for (int s = body.first; s <= body.last; ++s) {
            curve.Highest[s] = (*highest)[s];
            curve.Lowest[s] = (*lowest)[s];
            if (curve.Lowest[s] > curve.Highest[s])
                curve.Lowest[s] = curve.Highest[s] = 0.5L * (curve.Lowest[s] + curve.Highest[s]);
        }
    }
}

}  // namespace sloopform
