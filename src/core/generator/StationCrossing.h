#pragma once

#include "model/HullRecord.h"
#include "numeric/Real48.h"

namespace sloopform {

// x of station s as the curve samplers compute it: Fovh + (Lwl * s) * 0.05.
inline Real48 SampledStationX(const HullRecord& hull, int s)
{
    return hull.Fovh + (hull.Lwl * s) * 0.05L;
}

// The station rule of the profile and sheer samplers. Walking the samples from
// the stem head aft (the previous point starts at the origin), station s is
// taken at the first sample that reaches its x from a previous sample at or
// ahead of it; at most one station per sample. take(s, xs, prev, cur).
template <typename Samples, typename Take>
void TakeStationCrossings(const HullRecord& hull, const Samples& samples, Take take)
{
    using Point = typename Samples::value_type;
    int s = 0;
    Point prev{};
    for (const Point& cur : samples) {
        const Real48 xs = SampledStationX(hull, s);
        if (cur.x >= xs && prev.x <= xs && s < kStationCount) {
            take(s, xs, prev, cur);
            ++s;
        }
        prev = cur;
    }
}

// Straight-line value at xs, reached back from the current sample; the product
// is formed before the division. Samples at one x give the current value.
inline long double ValueAtStation(long double xs, long double prevX, long double curX,
                                  long double prevValue, long double curValue)
{
    if (prevX == curX) return curValue;
    return curValue + (xs - curX) * (curValue - prevValue) / (curX - prevX);
}

}  // namespace sloopform
