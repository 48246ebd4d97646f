#pragma once
#include <functional>

namespace sloopform {

// Illinois steps for the root of a function between two arguments where it
// has opposite signs (fa = f(a), fb = f(b)), until the function is within the
// tolerance of zero or `steps` steps are made. Returns the argument last
// evaluated, which is the answer: a caller that keeps what the function set
// as it ran keeps the state of the answer.
long double BracketedRoot(const std::function<long double(long double)>& f, long double a, long double fa,
                          long double b, long double fb, long double tolerance, int steps);

}  // namespace sloopform
