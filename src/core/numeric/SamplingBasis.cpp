#include "numeric/SamplingBasis.h"

#include <map>
#include <memory>
#include <mutex>
#include <tuple>

#include "numeric/ArithmeticFault.h"
#include "numeric/BSpline.h"

namespace sloopform {

SamplingBasis::SamplingBasis(int nPts, int order, int m) : nPts_(nPts)
{
    const TRealBlock knots = BSplineKnots(nPts, order);
    const long double lastKnot = knots[nPts + order];
    TRealBlock basis;
    for (int i = 0; i < m; ++i) {
        const Real48 t = Divide(lastKnot * i, m - 1);
        BSplineBasis(order, t, nPts, knots, basis);
        int first = 1;
        while (first <= nPts && basis[first] == 0) ++first;
        int last = nPts;
        while (last >= first && basis[last] == 0) --last;
        rows_.push_back({first, last - first + 1, static_cast<int>(weights_.size())});
        for (int j = first; j <= last; ++j) weights_.push_back(basis[j]);
    }
}

namespace {

template <typename Block, typename Point>
void SampleInto(const SamplingBasis& basis, const Block& ctrl, Point* out)
{
    Block::RequireFits(basis.ControlPoints(), "sampled curve points");
    const Point* points = &ctrl[1];
    for (int i = 0; i < basis.Samples(); ++i) out[i] = basis.SampleAt(i, points);
}

}  // namespace

void SamplingBasis::Sample(const TPointBlock2& ctrl, TPoint2r* out) const { SampleInto(*this, ctrl, out); }

void SamplingBasis::Sample(const TPointBlock3& ctrl, TPoint3r* out) const { SampleInto(*this, ctrl, out); }

const SamplingBasis& SamplingBasisFor(int nPts, int order, int m)
{
    static std::mutex guard;
    static std::map<std::tuple<int, int, int>, std::unique_ptr<const SamplingBasis>> built;
    const std::lock_guard<std::mutex> lock(guard);
    std::unique_ptr<const SamplingBasis>& basis = built[{nPts, order, m}];
    if (!basis) basis = std::make_unique<const SamplingBasis>(nPts, order, m);
    return *basis;
}

}  // namespace sloopform
