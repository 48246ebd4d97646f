#include "numeric/BracketedRoot.h"

#include <cmath>

namespace sloopform {

long double BracketedRoot(const std::function<long double(long double)>& f, long double a, long double fa,
                          long double b, long double fb, long double tolerance, int steps)
{
    long double last = b;
    for (int step = 0; step < steps; ++step) {
        const long double c = b - fb * (b - a) / (fb - fa);
        const long double fc = f(c);
        last = c;
        if (std::fabs(fc) <= tolerance) break;
        if ((fc > 0) == (fb > 0)) {
            fa *= 0.5L;
        } else {
            a = b;
            fa = fb;
        }
        b = c;
        fb = fc;
    }
    return last;
}

}  // namespace sloopform
