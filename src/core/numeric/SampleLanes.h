#pragma once

namespace sloopform {

// Four curve samples summed side by side in the processor's vector unit, each
// exactly as the sampling rule sums one: a coordinate accumulated from zero in
// a 6-byte real, a step at a time. A step's sum is rounded from the double
// nearest it wherever that is provably the rounding of the extended sum; the
// few steps it cannot decide (a sum next to a half-way point, one that
// cancels, one at the edges of the 6-byte range) are taken again in extended
// precision.

// Whether this processor has the vector unit.
bool SampleLanesAvailable();

// For lanes l = 0..3: out[l * kDims + c] := the sum over steps j = 0..steps - 1
// of weights[4j + l] times coordinate c of point j, the points being
// coords[0..] with kDims coordinates each. Only where SampleLanesAvailable().
template <int kDims>
void SumFourSamples(int steps, const double* weights, const double* coords, double* out);

}  // namespace sloopform
