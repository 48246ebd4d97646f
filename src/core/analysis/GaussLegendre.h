#pragma once
#include <vector>

namespace sloopform {

struct QuadratureNode {
    long double x;  // in [0, 1]
    long double w;  // the weights sum to 1
};

// The n-point Gauss-Legendre rule on [0, 1]: exact for polynomials up to
// degree 2n - 1.
std::vector<QuadratureNode> GaussLegendre(int n);

}  // namespace sloopform
