#include "analysis/CanoeBody.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

#include "analysis/ExtendedBSpline.h"
#include "analysis/GaussLegendre.h"
#include "numeric/BSpline.h"

namespace sloopform {

namespace {

Vector3 ToVector(const NetPoint& p)
{
    return {static_cast<double>(p.x), static_cast<double>(p.y), static_cast<double>(p.z)};
}

// The three Bézier pieces of a section given by its six control points on the
// stations' knot vector.
SectionPieces Pieces(const SectionPoles& poles)
{
    static const std::vector<BezierWeights> extraction = BezierExtraction(kCubic, kStationOutlinePoints);
    SectionPieces pieces{};
    for (std::size_t m = 0; m < pieces.size(); ++m)
        for (std::size_t j = 0; j < 4; ++j)
            for (std::size_t c = 0; c < 4; ++c)
                pieces[m][j] = pieces[m][j] +
                               static_cast<double>(extraction[m][j][c]) * ToVector(poles[m + c]);
    return pieces;
}

// The cubic Bernstein polynomials at u, and their derivatives.
std::array<double, 4> Bernstein(double u)
{
    const double v = 1 - u;
    return {v * v * v, 3 * u * v * v, 3 * u * u * v, u * u * u};
}

std::array<double, 4> BernsteinSlope(double u)
{
    const double v = 1 - u;
    return {-3 * v * v, 3 * v * (v - 2 * u), 3 * u * (2 * v - u), 3 * u * u};
}

SectionPieces Combine(const std::array<SectionPieces, 4>& rows, const std::array<double, 4>& weight)
{
    SectionPieces out{};
    for (std::size_t i = 0; i < 4; ++i)
        for (std::size_t m = 0; m < out.size(); ++m)
            for (std::size_t j = 0; j < 4; ++j) out[m][j] = out[m][j] + weight[i] * rows[i][m][j];
    return out;
}

}  // namespace

Vector3 BezierPoint(const Bezier3& b, double u)
{
    const auto w = Bernstein(u);
    return w[0] * b[0] + w[1] * b[1] + w[2] * b[2] + w[3] * b[3];
}

Vector3 BezierSlope(const Bezier3& b, double u)
{
    const auto w = BernsteinSlope(u);
    return w[0] * b[0] + w[1] * b[1] + w[2] * b[2] + w[3] * b[3];
}

CanoeBody::CanoeBody(const HullSurfaceNet& net, int pointsPerSpan)
{
    if (net.Rows.size() < 4 || (net.Rows.size() - 1) % 3 != 0)
        throw std::invalid_argument("a hull surface needs 3 k + 1 rows of sections");
    std::vector<SectionPieces> rows;
    for (const SectionPoles& row : net.Rows) {
        rows.push_back(Pieces(row));
        for (const NetPoint& p : row) poles_.push_back(ToVector(p));
    }
    forward_ = rows.front();
    aft_ = rows.back();
    const std::vector<QuadratureNode> rule = GaussLegendre(pointsPerSpan);
    for (int span = 0; span < net.Spans(); ++span) {
        const std::array<SectionPieces, 4> bezierRows = {rows[3 * span], rows[3 * span + 1],
                                                         rows[3 * span + 2], rows[3 * span + 3]};
        for (const QuadratureNode& node : rule) {
            const auto u = static_cast<double>(node.x);
            cuts_.push_back({Combine(bezierRows, Bernstein(u)), Combine(bezierRows, BernsteinSlope(u)),
                             static_cast<double>(node.w)});
        }
    }
}

std::array<double, 2> CanoeBody::Extent(Vector3 direction) const
{
    double least = std::numeric_limits<double>::max();
    double largest = std::numeric_limits<double>::lowest();
    for (const Vector3& p : poles_)
        for (const Vector3& side : {p, Mirrored(p)}) {
            least = std::min(least, Dot(direction, side));
            largest = std::max(largest, Dot(direction, side));
        }
    return {least, largest};
}

double CanoeBody::LowestSheer() const
{
    double lowest = std::numeric_limits<double>::max();
    for (const Cut& cut : cuts_) lowest = std::min(lowest, cut.Section.back().back().z);
    return lowest;
}

}  // namespace sloopform
