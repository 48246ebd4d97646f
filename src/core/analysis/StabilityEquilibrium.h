#pragma once
#include "analysis/HeeledImmersion.h"

namespace sloopform {

// What floats: the volume it displaces and its centre of gravity.
struct FloatingCondition {
    double Volume = 0;  // m³
    Vector3 Gravity;    // G, m
};

// The body floating free at a heel: the waterplane Dot(Up, p) = Level of the
// frame at Heel and Trim, with the buoyancy vertically in line with G fore and
// aft.
struct FloatingPosition {
    double Heel = 0;   // radians, starboard down positive
    double Trim = 0;   // radians, bow up positive
    double Level = 0;  // m
    ImmersedBody Immersed;
    double RightingLever = 0;  // GZ, m: towards upright positive, either side
};

// The upright guess a search starts from: level with the waterline at `draft`.
FloatingPosition UprightGuess(double draft);

// The position at `heel` by Newton's method on the waterplane's depth at G and
// the trim, from `start` (best a position found at a heel close by; larger
// changes of heel are made in steps). The Jacobian is exact: it comes from the
// same surface integrals as the volume and its moments. Throws
// std::runtime_error when no position is found.
FloatingPosition FloatAt(const CanoeBody& body, const FloatingCondition& condition, double heel,
                         const FloatingPosition& start);

}  // namespace sloopform
