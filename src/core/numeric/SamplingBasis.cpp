#include "numeric/SamplingBasis.h"

#include <algorithm>
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
    if (nPts > kMaxControlPoints) return;
    for (std::size_t q = 0; 4 * q + 3 < rows_.size(); ++q) {
        const Row* lanes = &rows_[4 * q];
        int first = nPts;
        int last = 1;
        for (int l = 0; l < 4; ++l) {
            first = std::min(first, lanes[l].first);
            last = std::max(last, lanes[l].first + lanes[l].count - 1);
        }
        quads_.push_back({first, last - first + 1, static_cast<int>(quadWeights_.size())});
        for (int point = first; point <= last; ++point)
            for (int l = 0; l < 4; ++l) {
                const int j = point - lanes[l].first;
                quadWeights_.push_back(j >= 0 && j < lanes[l].count
                                           ? weights_[static_cast<std::size_t>(lanes[l].offset + j)].Value()
                                           : 0.0);
            }
    }
}

namespace {

template <typename Block, typename Point>
void SampleInto(const SamplingBasis& basis, const Block& ctrl, Point* out)
{
    Block::RequireFits(basis.ControlPoints(), "sampled curve points");
    basis.SampleFrom(0, basis.Samples(), &ctrl[1], out);
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
