#include "analysis/HullCheck.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "analysis/CurveCrossing.h"
#include "analysis/DenseSamples.h"
#include "analysis/ExactHydrostatics.h"
#include "analysis/ExtendedBSpline.h"
#include "analysis/OutlineCheck.h"
#include "model/StationOutline.h"
#include "numeric/NumberText.h"

namespace sloopform {

namespace {

constexpr int kCubicOrder = 4;

// A section's samples: a the half-breadth, b the height.
using SectionPolyline = std::vector<ExtendedPoint>;

// The largest coordinate along one axis of the samples; only that
// coordinate is evaluated.
long double Widest(const ExtendedBSpline& curve, CurveAxis axis)
{
    const int count = curve.LastKnot() * kDenseSamplesPerSpan;
    long double widest = 0;
    for (int i = 0; i <= count; ++i) {
        const long double t = static_cast<long double>(curve.LastKnot()) * i / count;
        widest = std::max<long double>(widest, (axis == CurveAxis::A ? curve.AlongA(t) : curve.AlongB(t)).value);
    }
    return widest;
}

SectionPolyline SampleSection(const HullRecord& hull, int s)
{
    return DenseSamples(ExtendedBSpline(kStationOutlinePoints, kCubicOrder, StationOutline(hull, s)));
}

std::string Metres(long double value) { return FormatFixed(value, 3) + " m"; }
std::string StationName(int s) { return "Station " + std::to_string(s); }

// The largest drop below the highest point already passed, keel to sheer.
long double WorstFold(const SectionPolyline& points)
{
    long double highest = points.front().b, worst = 0;
    for (const ExtendedPoint& p : points) {
        highest = std::max(highest, p.b);
        worst = std::max(worst, highest - p.b);
    }
    return worst;
}

long double Cross(const ExtendedPoint& o, const ExtendedPoint& a, const ExtendedPoint& b)
{
    return (a.a - o.a) * (b.b - o.b) - (a.b - o.b) * (b.a - o.a);
}

// Proper crossings of two pieces that share no end point.
bool PiecesCross(const ExtendedPoint& a, const ExtendedPoint& b, const ExtendedPoint& c, const ExtendedPoint& d)
{
    const long double d1 = Cross(c, d, a), d2 = Cross(c, d, b);
    const long double d3 = Cross(a, b, c), d4 = Cross(a, b, d);
    return ((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0));
}

// Where each run of pieces that never turns back in height begins: such a
// run is the graph of a function of the height, so no two of its pieces
// cross, and only pieces of different runs need testing.
std::vector<std::size_t> HeightMonotoneRuns(const SectionPolyline& points)
{
    std::vector<std::size_t> starts{0};
    int direction = 0;
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        const long double rise = points[i + 1].b - points[i].b;
        const int piece = rise > 0 ? 1 : (rise < 0 ? -1 : 0);
        if (piece == 0) continue;
        if (direction != 0 && piece != direction) {
            starts.push_back(i);
            direction = piece;
        } else if (direction == 0) {
            direction = piece;
        }
    }
    return starts;
}

bool CrossesItself(const SectionPolyline& points)
{
    const std::size_t n = points.size();
    const std::vector<std::size_t> starts = HeightMonotoneRuns(points);
    for (std::size_t run = 0; run + 1 < starts.size(); ++run)
        for (std::size_t i = starts[run]; i < starts[run + 1]; ++i)
            for (std::size_t j = std::max(i + 2, starts[run + 1]); j + 1 < n; ++j)
                if (PiecesCross(points[i], points[i + 1], points[j], points[j + 1])) return true;
    return false;
}

long double Widest(const SectionPolyline& points)
{
    long double widest = 0;
    for (const ExtendedPoint& p : points) widest = std::max(widest, p.a);
    return widest;
}

bool PastBMax(const HullRecord& hull, long double halfBreadth)
{
    return halfBreadth > (1 + kBeamShare) * hull.BMax * 0.5L;
}

void CheckSection(const HullRecord& hull, int s, const SectionPolyline& points, std::vector<HullFault>& faults)
{
    const TStation& station = hull.Stations[static_cast<std::size_t>(s)];
    const long double height = station.SheerHeight - station.KeelHeight;
    const long double fold = WorstFold(points);
    if (fold > kFoldShare * std::fabs(height)) faults.push_back({HullFaultKind::Folds, s, StationName(s) + " folds back by " + Metres(fold)});

    const long double halfBeam = hull.BMax * 0.5L;
    const long double widest = Widest(points);
    long double farthestPort = 0;
    for (const ExtendedPoint& p : points) farthestPort = std::min(farthestPort, p.a);
    if (PastBMax(hull, widest))
        faults.push_back({HullFaultKind::PastBeam, s,
                          StationName(s) + " reaches " + Metres(widest) + " from the centre plane, past BMax/2 (" +
                              Metres(halfBeam) + ")"});
    if (-farthestPort > kBeamShare * halfBeam)
        faults.push_back(
            {HullFaultKind::AcrossCentrePlane, s, StationName(s) + " crosses the centre plane by " + Metres(-farthestPort)});
    const long double bulge = widest - points.back().a;
    if (bulge > kTumblehomeShare * halfBeam)
        faults.push_back({HullFaultKind::Tumblehome, s,
                          StationName(s) + " is " + Metres(bulge) + " wider below than at its sheer: tumblehome"});
    if (CrossesItself(points)) faults.push_back({HullFaultKind::CrossesItself, s, StationName(s) + " crosses itself"});
}

void CheckDesignWaterline(const HullRecord& hull, std::vector<HullFault>& faults)
{
    const long double widest = WidestDesignWaterline(hull);
    const long double halfWaterlineBeam = hull.Bwl * 0.5L;
    if (DesignWaterlinePastBwl(hull))
        faults.push_back({HullFaultKind::PastWaterlineBeam, -1,
                          "The design waterline reaches " + Metres(widest) + " from the centre plane, past Bwl/2 (" +
                              Metres(halfWaterlineBeam) + ")"});
}

void CheckWaterlines(const HullRecord& hull, const std::array<SectionPolyline, kStationCount>& sections,
                     std::vector<HullFault>& faults)
{
    static const std::array<const char*, 4> kShares = {"1/4", "1/2", "3/4", "1"};
    for (int quarter = 1; quarter <= 4; ++quarter) {
        const long double level = hull.Tc * quarter / 4;
        // The stations the level meets, bow to stern.
        std::vector<long double> halfBreadths;
        for (const SectionPolyline& points : sections)
            if (const auto y = OutermostWhere(points, CurveAxis::B, level)) halfBreadths.push_back(*y);
        if (FairAlongStations(halfBreadths, hull.Bwl)) continue;
        const int changes = CurvatureSignChanges(halfBreadths, kFairnessShare * hull.Bwl);
        HullFault fault{HullFaultKind::UnfairWaterline, -1,
                        "The waterline at " + Metres(level) + " (" + kShares[quarter - 1] +
                            " Tc) is not fair: its curvature changes sign " + std::to_string(changes) +
                            " times along the stations"};
        fault.Level = level;
        faults.push_back(fault);
    }
}

// Maxima of the curve, rises and falls smaller than the noise left out.
std::vector<int> Maxima(const std::array<long double, kStationCount>& areas, long double noise)
{
    std::vector<int> maxima;
    bool rising = true;
    int peak = 0;
    long double extreme = areas[0];
    for (int s = 1; s < kStationCount; ++s) {
        const long double a = areas[static_cast<std::size_t>(s)];
        if (rising) {
            if (a > extreme) {
                extreme = a;
                peak = s;
            } else if (a < extreme - noise) {
                maxima.push_back(peak);
                rising = false;
                extreme = a;
            }
        } else if (a < extreme) {
            extreme = a;
        } else if (a > extreme + noise) {
            rising = true;
            extreme = a;
            peak = s;
        }
    }
    if (rising && peak > 0) maxima.push_back(peak);
    return maxima;
}

void CheckAreaCurve(const HullRecord& hull, std::vector<HullFault>& faults)
{
    std::array<long double, kStationCount> areas{};
    for (int s = 0; s <= kLastStation; ++s) {
        const TPointBlock2 outline = StationOutline(hull, s);
        std::vector<ExtendedPoint> points;
        for (int p = 1; p <= kStationOutlinePoints; ++p) points.push_back({outline[p].x, outline[p].y});
        if (const auto measured = MeasureSectionOutline(points, hull.Tc, kImmersedSectionResolution, {},
                                                        ImmersedMeasures::AreaAndMoment))
            areas[static_cast<std::size_t>(s)] = measured->SectionArea;
    }
    const long double largest = *std::max_element(areas.begin(), areas.end());
    const std::vector<int> maxima = Maxima(areas, kAreaCurveShare * largest);
    if (maxima.size() <= 1) return;
    std::string stations;
    for (std::size_t i = 0; i < maxima.size(); ++i)
        stations += (i == 0 ? "" : i + 1 == maxima.size() ? " and " : ", ") + std::to_string(maxima[i]);
    faults.push_back({HullFaultKind::AreaCurveMaxima, -1,
                      "The sectional-area curve has " + std::to_string(maxima.size()) + " maxima (stations " +
                          stations + ")"});
}

}  // namespace

int CurvatureSignChanges(const std::vector<long double>& halfBreadths, long double noise)
{
    int changes = 0, lastSign = 0;
    for (std::size_t i = 1; i + 1 < halfBreadths.size(); ++i) {
        const long double second = halfBreadths[i - 1] - 2 * halfBreadths[i] + halfBreadths[i + 1];
        if (std::fabs(second) < noise) continue;
        const int sign = second > 0 ? 1 : -1;
        if (lastSign != 0 && sign != lastSign) ++changes;
        lastSign = sign;
    }
    return changes;
}

bool FairAlongStations(const std::vector<long double>& halfBreadths, long double bwl)
{
    return CurvatureSignChanges(halfBreadths, kFairnessShare * bwl) <= kFairWaterlineSignChanges;
}

long double WidestDesignWaterline(const HullRecord& hull)
{
    return Widest(ExtendedBSpline(kWaterlinePointCount, kCubicOrder, hull.WaterlinePoints), CurveAxis::B);
}

bool SectionPastBMax(const HullRecord& hull, const ExtendedBSpline& section)
{
    // The curve's own largest half-breadth bounds its samples' (but for the
    // last bits): only a section that may pass is sampled.
    constexpr long double kRounding = 1e-12L;
    if (!PastBMax(hull, section.LargestA() * (1 + kRounding))) return false;
    return PastBMax(hull, Widest(section, CurveAxis::A));
}

long double WiderBelowThanAtSheer(const ExtendedBSpline& section)
{
    return section.LargestA() - section.PositionAt(section.LastKnot()).a;
}

std::vector<std::optional<long double>> SectionHalfBreadthsAtLevels(const HullRecord& hull, int s,
                                                                    const std::vector<long double>& levels)
{
    const SectionPolyline points = SampleSection(hull, s);
    std::vector<std::optional<long double>> halfBreadths;
    for (long double level : levels) halfBreadths.push_back(OutermostWhere(points, CurveAxis::B, level));
    return halfBreadths;
}

bool DesignWaterlinePastBwl(const HullRecord& hull)
{
    return WidestDesignWaterline(hull) > (1 + kBeamShare) * hull.Bwl * 0.5L;
}

std::vector<HullFault> CheckHull(const HullRecord& hull)
{
    std::vector<HullFault> faults;
    std::array<SectionPolyline, kStationCount> sections;
    for (int s = 0; s <= kLastStation; ++s) {
        sections[static_cast<std::size_t>(s)] = SampleSection(hull, s);
        CheckSection(hull, s, sections[static_cast<std::size_t>(s)], faults);
    }
    if (auto fault = CheckProfile(hull)) faults.push_back(*fault);
    CheckDesignWaterline(hull, faults);
    if (auto fault = CheckWaterlineInsideSheer(hull)) faults.push_back(*fault);
    CheckWaterlines(hull, sections, faults);
    CheckAreaCurve(hull, faults);
    return faults;
}

std::vector<std::string> HullCheckLines(const HullRecord& hull)
{
    std::vector<std::string> lines;
    for (const HullFault& fault : CheckHull(hull)) lines.push_back(fault.Text);
    return lines;
}

}  // namespace sloopform
