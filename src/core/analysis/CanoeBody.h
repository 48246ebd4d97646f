#pragma once
#include <array>
#include <vector>

#include "analysis/HullSurfaceNet.h"

namespace sloopform {

// A point or a vector in the coordinates of the DXF export (metres): x aft,
// y to starboard, z up from the base line.
struct Vector3 {
    double x = 0;
    double y = 0;
    double z = 0;
};

inline Vector3 operator+(Vector3 a, Vector3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vector3 operator-(Vector3 a, Vector3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vector3 operator*(double f, Vector3 a) { return {f * a.x, f * a.y, f * a.z}; }
inline double Dot(Vector3 a, Vector3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vector3 Cross(Vector3 a, Vector3 b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
// The image in the centre plane: the port side of a starboard point.
inline Vector3 Mirrored(Vector3 a) { return {a.x, -a.y, a.z}; }

// The four points of a cubic Bézier curve.
using Bezier3 = std::array<Vector3, 4>;
// A section curve from the centre plane to the sheer as its three knot
// intervals, each a Bézier curve on the parameter 0 .. 1.
using SectionPieces = std::array<Bezier3, 3>;

// Gauss points in each span of the hull surface along the length. The
// sections are integrated exactly; along the length the loft is a cubic in
// each span, but a heeled waterline cuts it where it pleases, and with four
// points the righting lever of the bundled designs moves by less than 1e-4
// of its largest value when they are doubled.
constexpr int kBodyPointsPerSpan = 4;

// The closed canoe body that the STEP export makes, held for integrating over
// its surface: the starboard hull surface and its mirror image, the deck laid
// straight across between the two sheers, and the two end outlines closed by
// faces ruled straight across between the sides (the transom aft; forward a
// single point on a hull, which closes nothing). The body is kept as the
// sections at the Gauss points of each span along the length, each with how
// its points move along the length parameter.
class CanoeBody {
public:
    explicit CanoeBody(const HullSurfaceNet& net, int pointsPerSpan = kBodyPointsPerSpan);

    struct Cut {
        SectionPieces Section;
        SectionPieces Slope;  // derivative by the span's parameter
        double Weight = 0;    // of the Gauss rule on the span
    };
    const std::vector<Cut>& Cuts() const { return cuts_; }
    const SectionPieces& ForwardEnd() const { return forward_; }
    const SectionPieces& AftEnd() const { return aft_; }

    // The least and the largest value of Dot(direction, p) over the body,
    // from its control points (the body lies within their convex hull).
    std::array<double, 2> Extent(Vector3 direction) const;
    // The height of the lowest point of the sheer at the cuts.
    double LowestSheer() const;

private:
    std::vector<Cut> cuts_;
    SectionPieces forward_;
    SectionPieces aft_;
    std::vector<Vector3> poles_;  // every control point of the starboard surface
};

// A Bézier curve at parameter u: the point, or the derivative by u.
Vector3 BezierPoint(const Bezier3& b, double u);
Vector3 BezierSlope(const Bezier3& b, double u);

}  // namespace sloopform
