#include "analysis/GaussLegendre.h"

#include <cmath>
#include <limits>
#include <stdexcept>

#include "numeric/Geometry.h"

namespace sloopform {

std::vector<QuadratureNode> GaussLegendre(int n)
{
    if (n < 1) throw std::invalid_argument("a Gauss rule needs at least one point");
    std::vector<QuadratureNode> nodes(static_cast<std::size_t>(n));
    // Newton's method on the Legendre polynomial P_n from the usual cosine
    // estimates of its roots on [-1, 1]; the roots are symmetric.
    for (int i = 0; i < (n + 1) / 2; ++i) {
        long double root = std::cos(kPi * (i + 0.75L) / (n + 0.5L));
        long double slope = 1;
        for (int iteration = 0; iteration < 100; ++iteration) {
            long double p0 = 1, p1 = root;
            for (int k = 2; k <= n; ++k) {
                const long double p2 = ((2 * k - 1) * root * p1 - (k - 1) * p0) / k;
                p0 = p1;
                p1 = p2;
            }
            slope = n * (root * p1 - p0) / (root * root - 1);
            const long double step = p1 / slope;
            root -= step;
            if (std::fabs(step) <= 4 * std::numeric_limits<long double>::epsilon()) break;
        }
        // Weight on [-1, 1] is 2 / ((1 - x²) P_n'(x)²); halved for [0, 1].
        const long double w = 1 / ((1 - root * root) * slope * slope);
        nodes[static_cast<std::size_t>(i)] = {(1 - root) / 2, w};
        nodes[static_cast<std::size_t>(n - 1 - i)] = {(1 + root) / 2, w};
    }
    return nodes;
}

}  // namespace sloopform
