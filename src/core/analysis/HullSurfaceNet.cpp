#include "analysis/HullSurfaceNet.h"

#include <cmath>
#include <functional>
#include <stdexcept>

#include "analysis/ExtendedBSpline.h"
#include "analysis/SheerCurves.h"
#include "analysis/StationLoft.h"
#include "model/HullOutlines.h"
#include "numeric/BSpline.h"

namespace sloopform {

namespace {

// Profile parameters of its two points on the design waterline's level: the
// forward end of the waterline (control points 4 to 6) and the transom's
// lowest point (control points 20 to 22), each a tripled control point.
constexpr long double kStemFoot = 3;
constexpr long double kTransomFoot = 19;
// Halvings that bring a bracket of a curve parameter below a long double's resolution.
constexpr int kBisections = 100;

NetPoint operator+(NetPoint a, NetPoint b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
NetPoint operator-(NetPoint a, NetPoint b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
NetPoint operator*(long double f, NetPoint a) { return {f * a.x, f * a.y, f * a.z}; }

// The sheer in plan and in elevation.
class Sheer {
public:
    explicit Sheer(const HullRecord& hull) : plan_(SheerPlan(hull)), elevation_(SheerElevation(hull)) {}
    NetPoint At(long double t) const
    {
        const CurvePoint p = plan_.At(t);
        return {p.a, p.b, elevation_.At(t).b};
    }
    long double XAt(long double t) const { return plan_.At(t).a; }
    // The parameter at the transom top.
    long double End() const { return plan_.LastKnot(); }

private:
    ExtendedBSpline plan_;
    ExtendedBSpline elevation_;
};

// Where a curve whose x grows with its parameter reaches x, by halving [lo, hi].
long double ParameterAtX(const std::function<long double(long double)>& xAt, long double lo,
                         long double hi, long double x, const char* curve)
{
    if (!(xAt(lo) <= x && x <= xAt(hi)))
        throw std::runtime_error(std::string("The ") + curve + " does not reach x = " +
                                 std::to_string(static_cast<double>(x)) + " m");
    for (int i = 0; i < kBisections; ++i) {
        const long double mid = lo + (hi - lo) / 2;
        (xAt(mid) < x ? lo : hi) = mid;
    }
    return lo + (hi - lo) / 2;
}

SectionPoles StationSection(const HullRecord& hull, int s)
{
    const TPointBlock2 outline = StationOutline(hull, s);
    const long double x = StationPosition(hull, s);
    SectionPoles poles;
    for (int i = 0; i < kStationOutlinePoints; ++i)
        poles[static_cast<std::size_t>(i)] = {x, outline[i + 1].x, outline[i + 1].y};
    return poles;
}

// The transom outline moved onto the transom plane along x: the piercing
// search of the transom stage leaves its inner points off it by up to its
// tolerance, and the transom face must be flat.
SectionPoles TransomSection(const HullRecord& hull)
{
    const long double slope = TransomSlope(hull);
    const long double bottom = hull.Tc + hull.TransomRise;
    SectionPoles poles;
    for (int i = 0; i < kTransomPointCount; ++i) {
        const TPoint3r& p = hull.TransomPoints[i + 1];
        poles[static_cast<std::size_t>(i)] = {hull.Loa - (p.z - bottom) * slope, p.y, p.z};
    }
    return poles;
}

// A section between two others, shaped as their blend at w and moved so that
// it starts at `keel` and ends at `sheer`, the inner points in proportion.
SectionPoles BlendedSection(const SectionPoles& from, const SectionPoles& to, long double w,
                            NetPoint keel, NetPoint sheer)
{
    SectionPoles blend;
    for (std::size_t i = 0; i < blend.size(); ++i) blend[i] = (1 - w) * from[i] + w * to[i];
    const NetPoint keelShift = keel - blend.front();
    const NetPoint sheerShift = sheer - blend.back();
    SectionPoles poles;
    for (std::size_t i = 0; i < blend.size(); ++i) {
        const long double share = static_cast<long double>(i) / (blend.size() - 1);
        poles[i] = blend[i] + (1 - share) * keelShift + share * sheerShift;
    }
    return poles;
}

// The sections of an overhang from one end section to the other, the inner
// ones blended between them and stretched from the profile to the sheer at
// w = k / kOverhangSpans.
std::vector<SectionPoles> OverhangSections(const SectionPoles& first, const SectionPoles& last,
                                           const std::function<NetPoint(long double)>& keelAt,
                                           const std::function<NetPoint(long double)>& sheerAt)
{
    std::vector<SectionPoles> sections{first};
    for (int k = 1; k < kOverhangSpans; ++k) {
        const long double w = static_cast<long double>(k) / kOverhangSpans;
        sections.push_back(BlendedSection(first, last, w, keelAt(w), sheerAt(w)));
    }
    sections.push_back(last);
    return sections;
}

// Appends the spans of the loft through sections at the positions 0, 1, ...:
// on each span the cubic of CubicLoftWindow, as its four Bézier points.
void AppendSpans(const std::vector<SectionPoles>& sections, HullSurfaceNet& net)
{
    const int count = static_cast<int>(sections.size());
    const auto sectionAt = [&](long double position) {
        const LoftWindow window = CubicLoftWindow(position, count);
        SectionPoles poles{};
        for (int j = 0; j < LoftWindow::kSections; ++j)
            for (std::size_t i = 0; i < poles.size(); ++i)
                poles[i] = poles[i] + window.Weight[static_cast<std::size_t>(j)] *
                                          sections[static_cast<std::size_t>(window.First + j)][i];
        return poles;
    };
    if (net.Rows.empty()) net.Rows.push_back(sections.front());
    for (int k = 0; k + 1 < count; ++k) {
        const SectionPoles& p0 = sections[static_cast<std::size_t>(k)];
        const SectionPoles p1 = sectionAt(k + 1.0L / 3);
        const SectionPoles p2 = sectionAt(k + 2.0L / 3);
        const SectionPoles& p3 = sections[static_cast<std::size_t>(k + 1)];
        // The Bézier points of the cubic through p0 .. p3 at 0, 1/3, 2/3 and 1.
        SectionPoles b1, b2;
        for (std::size_t i = 0; i < b1.size(); ++i) {
            b1[i] = (1.0L / 6) * (-5 * p0[i] + 18 * p1[i] - 9 * p2[i] + 2 * p3[i]);
            b2[i] = (1.0L / 6) * (2 * p0[i] - 9 * p1[i] + 18 * p2[i] - 5 * p3[i]);
        }
        net.Rows.push_back(b1);
        net.Rows.push_back(b2);
        net.Rows.push_back(p3);
    }
}

}  // namespace

bool HullReadyForCad(const HullRecord& hull)
{
    return hull.HullComplete && hull.ProfileDone && hull.SheerDone && hull.TransomDone;
}

long double TransomSlope(const HullRecord& hull)
{
    return Tan((hull.TransomAngle * (1.0L / 180)) * kPi);
}

NetPoint TransomNormal(const HullRecord& hull)
{
    const long double slope = TransomSlope(hull);
    const long double length = std::hypot(1.0L, slope);
    return {1 / length, 0, slope / length};
}

HullSurfaceNet BuildHullSurfaceNet(const HullRecord& hull)
{
    if (!HullReadyForCad(hull)) throw std::runtime_error(kNoHullMessage);
    if (hull.TransomTopX < StationPosition(hull, kLastStation)) throw std::runtime_error(kDeckEndsForwardMessage);
    const ExtendedBSpline profile(kProfilePointCount, kCubic, hull.ProfilePoints);
    const Sheer sheer(hull);
    const auto profileAt = [&](long double t) {
        const CurvePoint p = profile.At(t);
        return NetPoint{p.a, 0, p.b};
    };
    const auto sheerX = [&](long double t) { return sheer.XAt(t); };
    const auto profileX = [&](long double t) { return profile.At(t).a; };
    const long double sheerAtBow = ParameterAtX(sheerX, 0, sheer.End(), StationPosition(hull, 0), "sheer");
    const long double sheerAtStern =
        ParameterAtX(sheerX, 0, sheer.End(), StationPosition(hull, kLastStation), "sheer");
    const long double profileAtStern = ParameterAtX(
        profileX, kStemFoot, kTransomFoot, StationPosition(hull, kLastStation), "profile");

    SectionPoles stemHead;
    stemHead.fill(profileAt(0));
    std::vector<SectionPoles> stations;
    for (int s = 0; s <= kLastStation; ++s) stations.push_back(StationSection(hull, s));

    HullSurfaceNet net;
    AppendSpans(OverhangSections(
                    stemHead, stations.front(), [&](long double w) { return profileAt(kStemFoot * w); },
                    [&](long double w) { return sheer.At(sheerAtBow * w); }),
                net);
    AppendSpans(stations, net);
    AppendSpans(OverhangSections(
                    stations.back(), TransomSection(hull),
                    [&](long double w) {
                        return profileAt(profileAtStern + w * (kTransomFoot - profileAtStern));
                    },
                    [&](long double w) { return sheer.At(sheerAtStern + w * (sheer.End() - sheerAtStern)); }),
                net);
    return net;
}
}  // namespace sloopform
