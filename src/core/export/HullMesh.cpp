#include "export/HullMesh.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "numeric/BSpline.h"

namespace sloopform {

namespace {

// The section curves' knot vector (0, 0, 0, 0, 1, 2, 3, 3, 3, 3).
constexpr int kAcrossSpans = kStationOutlinePoints - 3;
// The chord deviation is shared between the two directions of a grid cell.
constexpr long double kShareOfEachDirection = 0.5L;

NetPoint operator+(NetPoint a, NetPoint b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
NetPoint operator-(NetPoint a, NetPoint b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
NetPoint operator*(long double f, NetPoint a) { return {f * a.x, f * a.y, f * a.z}; }
long double Length(NetPoint a) { return std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z); }
bool operator==(NetPoint a, NetPoint b) { return a.x == b.x && a.y == b.y && a.z == b.z; }

// Pieces of a parameter interval whose curve has second derivatives up to
// `bend`: a chord over h of it stands at most h² bend / 8 off the curve.
int Pieces(long double bend, long double tolerance)
{
    return std::max(1, static_cast<int>(std::ceil(std::sqrt(bend / (8 * tolerance)))));
}

// The largest second derivative along the length on span k, from the second
// differences of its Bézier rows (the surface lies in their convex hull).
long double LengthBend(const HullSurfaceNet& net, int span)
{
    long double bend = 0;
    for (std::size_t i = 0; i < kStationOutlinePoints; ++i)
        for (int r = 0; r < 2; ++r) {
            const auto& row = [&](int k) { return net.Rows[static_cast<std::size_t>(3 * span + r + k)][i]; };
            bend = std::max(bend, 6 * Length(row(0) - 2 * row(1) + row(2)));
        }
    return bend;
}

// The largest second derivative across, on each knot span of the section
// curves, over every row of the net: the second derivative of a cubic
// B-spline is linear between its control points E[j] and E[j + 1].
std::array<long double, kAcrossSpans> AcrossBends(const HullSurfaceNet& net)
{
    constexpr std::size_t kPoles = kStationOutlinePoints;
    const TRealBlock knots = BSplineKnots(kStationOutlinePoints, kCubic);
    const auto t = [&](std::size_t i) { return static_cast<long double>(knots[static_cast<int>(i) + 1]); };
    std::array<long double, kAcrossSpans> bends{};
    for (const SectionPoles& row : net.Rows) {
        std::array<NetPoint, kPoles - 1> d;
        for (std::size_t i = 0; i < d.size(); ++i) d[i] = (3 / (t(i + 4) - t(i + 1))) * (row[i + 1] - row[i]);
        std::array<long double, kPoles - 2> e;
        for (std::size_t i = 0; i < e.size(); ++i) e[i] = Length((2 / (t(i + 4) - t(i + 2))) * (d[i + 1] - d[i]));
        for (std::size_t j = 0; j < bends.size(); ++j) bends[j] = std::max({bends[j], e[j], e[j + 1]});
    }
    return bends;
}

// Parameters 0 .. spans with each span cut into its pieces.
std::vector<long double> Parameters(const std::vector<int>& pieces)
{
    std::vector<long double> parameters;
    for (std::size_t k = 0; k < pieces.size(); ++k)
        for (int j = 0; j < pieces[k]; ++j)
            parameters.push_back(static_cast<long double>(k) + static_cast<long double>(j) / pieces[k]);
    parameters.push_back(static_cast<long double>(pieces.size()));
    return parameters;
}

// The surface's section at u, as its six poles: the Bézier of its span.
SectionPoles SectionAt(const HullSurfaceNet& net, long double u)
{
    const int span = std::min(static_cast<int>(u), net.Spans() - 1);
    const long double t = u - span;
    const long double s = 1 - t;
    const std::array<long double, 4> bernstein{s * s * s, 3 * s * s * t, 3 * s * t * t, t * t * t};
    SectionPoles poles{};
    for (std::size_t r = 0; r < bernstein.size(); ++r)
        for (std::size_t i = 0; i < poles.size(); ++i)
            poles[i] = poles[i] + bernstein[r] * net.Rows[static_cast<std::size_t>(3 * span) + r][i];
    return poles;
}

// Points of a section curve at the parameters; a section shrunk to one point
// (the stem head) is that point exactly, so that it becomes one vertex.
std::vector<NetPoint> SectionPoints(const SectionPoles& poles, const std::vector<long double>& parameters)
{
    if (std::all_of(poles.begin(), poles.end(), [&](const NetPoint& p) { return p == poles.front(); }))
        return std::vector<NetPoint>(parameters.size(), poles.front());
    const TRealBlock knots = BSplineKnots(kStationOutlinePoints, kCubic);
    std::vector<NetPoint> points;
    for (const long double v : parameters) {
        TRealBlock basis;
        BSplineBasis(kCubic, v, kStationOutlinePoints, knots, basis);
        NetPoint p{0, 0, 0};
        for (int i = 0; i < kStationOutlinePoints; ++i)
            p = p + static_cast<long double>(basis[i + 1]) * poles[static_cast<std::size_t>(i)];
        points.push_back(p);
    }
    // The ends exactly on the keel and the sheer, shared with the other side and the deck.
    points.front() = poles.front();
    points.back() = poles.back();
    return points;
}

class MeshBuilder {
public:
    int Vertex(NetPoint p)
    {
        mesh_.Vertices.push_back(p);
        return static_cast<int>(mesh_.Vertices.size()) - 1;
    }
    // Two triangles over a quadrilateral whose corners turn anticlockwise
    // seen from outside; a triangle with a corner twice (where a section
    // shrinks to a point) is left out.
    void Quad(int a, int b, int c, int d)
    {
        Triangle(a, b, c);
        Triangle(a, c, d);
    }
    TriangleMesh Take() { return std::move(mesh_); }

private:
    void Triangle(int a, int b, int c)
    {
        if (a != b && b != c && c != a) mesh_.Triangles.push_back({a, b, c});
    }
    TriangleMesh mesh_;
};

}  // namespace

TriangleMesh BuildHullMesh(const HullRecord& hull, long double toleranceMetres)
{
    if (!(toleranceMetres > 0)) throw std::invalid_argument("The mesh tolerance must be positive");
    const HullSurfaceNet net = BuildHullSurfaceNet(hull);
    const long double tolerance = kShareOfEachDirection * toleranceMetres;
    std::vector<int> lengthPieces;
    for (int k = 0; k < net.Spans(); ++k) lengthPieces.push_back(Pieces(LengthBend(net, k), tolerance));
    std::vector<int> acrossPieces;
    for (const long double bend : AcrossBends(net)) acrossPieces.push_back(Pieces(bend, tolerance));
    const std::vector<long double> along = Parameters(lengthPieces);
    const std::vector<long double> across = Parameters(acrossPieces);

    // Vertex numbers of the starboard and port grids, rows along the length
    // and columns from the keel to the sheer. The keel (on the centre plane)
    // is shared by both sides, and so is a section shrunk to a point.
    MeshBuilder mesh;
    const std::size_t columns = across.size();
    std::vector<std::vector<int>> starboard, port;
    for (const long double u : along) {
        const std::vector<NetPoint> points = SectionPoints(SectionAt(net, u), across);
        std::vector<int> right(columns), left(columns);
        const bool point = points.front() == points.back();
        for (std::size_t j = 0; j < columns; ++j) {
            right[j] = point && j > 0 ? right[0] : mesh.Vertex(points[j]);
            const bool onCentrePlane = j == 0 || point;
            left[j] = onCentrePlane ? right[j] : mesh.Vertex({points[j].x, -points[j].y, points[j].z});
        }
        starboard.push_back(std::move(right));
        port.push_back(std::move(left));
    }

    for (std::size_t a = 0; a + 1 < along.size(); ++a)
        for (std::size_t b = 0; b + 1 < columns; ++b) {
            // Outwards is the cross product of the way across by the way aft.
            mesh.Quad(starboard[a][b], starboard[a][b + 1], starboard[a + 1][b + 1], starboard[a + 1][b]);
            mesh.Quad(port[a][b], port[a + 1][b], port[a + 1][b + 1], port[a][b + 1]);
        }
    // The deck, straight across between the sheers, facing up.
    const std::size_t sheer = columns - 1;
    for (std::size_t a = 0; a + 1 < along.size(); ++a)
        mesh.Quad(starboard[a][sheer], port[a][sheer], port[a + 1][sheer], starboard[a + 1][sheer]);
    // The flat transom, in strips across between the two outlines, facing aft.
    const std::size_t aft = along.size() - 1;
    for (std::size_t b = 0; b < sheer; ++b)
        mesh.Quad(starboard[aft][b], starboard[aft][b + 1], port[aft][b + 1], port[aft][b]);
    return mesh.Take();
}

}  // namespace sloopform
