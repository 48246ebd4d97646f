#include "generator/robust/SectionToTargets.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <vector>

#include "analysis/ExtendedBSpline.h"
#include "analysis/HullCheck.h"
#include "analysis/ImmersedSection.h"
#include "generator/GeneratorState.h"
#include "model/StationOutline.h"
#include "numeric/BSpline.h"
#include "numeric/BracketedRoot.h"

namespace sloopform {

namespace {

// The family's fullness: the hollow section (-1), the straight V, the box.
// Beyond the hollow section the polygon draws in further below the
// waterline, a deeper hollow that the envelope keeps rising.
constexpr long double kHollowest = -1.6L;
// The hollowest of the widened family: sections draw in further still below
// the waterline, which lets a fine body's sections follow each other fairly
// where the usual family leaves them held at its hollowest.
constexpr long double kHollowerStill = -2.0L;
constexpr long double kVee = 0;
// Past the box the points crowd into the bilge: fuller still, while the
// envelope keeps them above the keel and within the beam.
constexpr long double kBox = 1;
constexpr long double kFullest = 2.2L;
// How far the waterline point of the polygon may spread, over the half-beam.
constexpr long double kNarrowestSpread = 0.5L;
constexpr long double kWidestSpread = 5.0L;
constexpr long double kSpreadStep = 0.02L;  // the first step of a search
constexpr int kSecantSteps = 4;  // before the search steps out
constexpr long double kBeamTolerance = 1e-6L;         // fraction of the half-breadth
constexpr long double kFullnessTolerance = 5e-6L;     // of the coefficient
constexpr int kRootSteps = 40;
// How far out a diagonal point may stand, over BMax/2. The curve passes well
// inside its two upper points, which it needs to reach a waterline beam near
// BMax; the hull check holds the curve itself to BMax/2.
constexpr long double kControlPointBeam = 1.12L;
// How far out a diagonal point above the design waterline may stand, over
// the larger of the station's deck and waterline half-beams.
constexpr long double kTopsideBeam = 1.25L;
// How far in a diagonal point above the design waterline may stand, over the
// smaller of the station's deck and waterline half-beams: a full end section
// otherwise draws its upper point towards the centre line, and its topside
// pinches in above the waterline before it flares out to the deck.
constexpr long double kWaistBeam = 0.8L;
// How far out a diagonal point may stand past the station's deck edge, over
// BMax/2: a little less than the hull check allows a section to be wider
// below than at its sheer, and the curve never passes its polygon.
constexpr long double kFlareSlack = 0.9L * kTumblehomeShare;
// A section keeps its beam within this share of the half-beam.
constexpr long double kBeamKept = 1e-5L;
constexpr int kKeptEndSteps = 12;

struct Measured {
    long double halfBreadth = 0;
    long double coefficient = 0;
};

// The fullness nearest `end`, towards `other`, at which the section still
// keeps its beam: `end` itself when it does, else found by halving to a
// 2^-kKeptEndSteps share of the range. The end found for the station's last
// beam, `near` (if any), moves little as the beam does: a bracket one sixty-fourth
// of the range wide around it is tried first.
long double KeptEnd(const std::function<bool(long double)>& keepsBeam, long double end, long double other,
                    const long double* near)
{
    if (keepsBeam(end)) return end;
    long double lost = end, kept = other;
    const long double width = std::fabs(other - end);
    const long double towardsEnd = end > other ? 1 : -1;
    const long double probe = width / 64;
    const auto between = [&](long double f) { return (f - end) * (f - other) < 0; };
    if (near && between(*near)) {
        if (keepsBeam(*near)) {
            kept = *near;
            const long double further = *near + towardsEnd * probe;
            if (between(further) && !keepsBeam(further)) lost = further;
        } else {
            lost = *near;
            const long double back = *near - towardsEnd * probe;
            if (between(back) && keepsBeam(back)) kept = back;
        }
    }
    while (std::fabs(lost - kept) > std::ldexp(width, -kKeptEndSteps)) {
        const long double middle = 0.5L * (lost + kept);
        (keepsBeam(middle) ? kept : lost) = middle;
    }
    return kept;
}

class SectionFamily {
public:
    SectionFamily(HullRecord& hull, int s, long double beam)
        : hull_(hull), station_(hull.Stations[static_cast<std::size_t>(s)]), s_(s), beam_(beam)
    {
        keel_ = station_.KeelHeight;
        depth_ = hull.Tc - keel_;
    }

    // The section of the given fullness spread to the beam, or as near as
    // the spread's range allows; leaves its offsets. The search starts from
    // the spread that last met the beam and steps out until it brackets it;
    // it reads only the half-breadth, and the area is measured once, on the
    // section found.
    Measured ToBeam(long double fullness)
    {
        const long double halfBreadth = SpreadToBeam(fullness);
        return {halfBreadth, Coefficient()};
    }

    // The spread the next searches start from and leave where they end; set
    // before the first.
    void SpreadFrom(long double& spread) { spread_ = &spread; }

    // The same without the area: the half-breadth at the design waterline of
    // the section found. The half-breadth grows about in proportion to the
    // spread: secant steps from that slope while they keep the sign of the
    // miss, then steps out from the last until they bracket the beam.
    long double SpreadToBeam(long double fullness)
    {
        const long double halfBeam = beam_ * 0.5L;
        const long double tolerance = kBeamTolerance * halfBeam;
        long double halfBreadth = 0;
        auto miss = [&](long double spread) {
            halfBreadth = HalfBreadthAt(fullness, spread);
            return halfBreadth - halfBeam;
        };
        long double a = *spread_, fa = miss(a);
        if (std::fabs(fa) <= tolerance) return halfBreadth;
        long double slope = halfBreadth / a;
        for (int secant = 0; secant < kSecantSteps && slope > 0; ++secant) {
            const long double b = std::clamp(a - fa / slope, kNarrowestSpread, kWidestSpread);
            if (b == a) break;
            const long double fb = miss(b);
            if (std::fabs(fb) <= tolerance) {
                *spread_ = b;
                return halfBreadth;
            }
            if ((fb > 0) != (fa > 0)) {
                *spread_ = BracketedRoot(miss, a, fa, b, fb, tolerance, kRootSteps);
                return halfBreadth;
            }
            slope = (fb - fa) / (b - a);
            a = b;
            fa = fb;
        }
        long double step = fa < 0 ? kSpreadStep : -kSpreadStep;
        for (;;) {
            const long double b = std::clamp(a + step, kNarrowestSpread, kWidestSpread);
            const long double fb = miss(b);
            if (std::fabs(fb) <= tolerance) {
                *spread_ = b;
                return halfBreadth;
            }
            if ((fb > 0) != (fa > 0)) {
                *spread_ = BracketedRoot(miss, a, fa, b, fb, tolerance, kRootSteps);
                return halfBreadth;
            }
            if (b == kNarrowestSpread || b == kWidestSpread) return halfBreadth;  // the nearest end
            a = b;
            fa = fb;
            step *= 2;
        }
    }

    // The section curve last spread.
    const ExtendedBSpline& Curve() const { return *curve_; }

    // How far out the offsets of the next sections may stand.
    void Within(SectionReach reach) { reach_ = reach; }

private:
    // Sets the offsets of the polygon of this fullness whose waterline point
    // stands `spread` half-beams out; returns where the curve reaches the
    // design waterline (0 when it never does).
    long double HalfBreadthAt(long double fullness, long double spread)
    {
        const long double pointHalfBreadth = spread * beam_ * 0.5L;
        for (int d = 1; d <= 3; ++d) {
            const TDiagonal& diagonal = hull_.Diagonals[d];
            const long double down = -static_cast<long double>(diagonal.DZ), out = diagonal.DY;
            const long double above = diagonal.Z0 - keel_;
            // The V: the straight line from the keel to the waterline point.
            const long double vee = above / (down + depth_ * out / pointHalfBreadth);
            // The box: along the bottom, then up the side.
            const long double bottom = above / down;
            const long double box = bottom * out <= pointHalfBreadth ? bottom : pointHalfBreadth / out;
            // The hollow: y = b u^2 at the height keel + u depth, which
            // leaves the keel upright and flares to the waterline point.
            const long double slope = depth_ * out / down;
            const long double u = (std::sqrt(slope * slope + 4 * pointHalfBreadth * above * out / down) - slope) /
                                  (2 * pointHalfBreadth);
            const long double hollow = (above - u * depth_) / down;
            const long double offset =
                fullness < kVee ? vee - fullness * (hollow - vee) : vee + fullness * (box - vee);
            station_.DiagonalOffset[d] = offset;
        }
        KeepSectionWithinEnvelope(hull_, s_, reach_);
        curve_.emplace(kStationOutlinePoints, kCubic, StationOutline(hull_, s_));
        return ImmersedHalfBreadth(*curve_, hull_.Tc).value_or(0);
    }

    // The area coefficient of the section last spread, against the demanded
    // beam; 0 when it never reaches the design waterline.
    long double Coefficient() const
    {
        const std::optional<ImmersedSection> side = MeasureImmersedSection(*curve_, hull_.Tc, kImmersedSectionResolution, nullptr,
                                                                            ImmersedMeasures::AreaAndMoment);
        return side ? 2 * side->HalfArea / (depth_ * beam_) : 0;
    }

    HullRecord& hull_;
    TStation& station_;
    int s_;
    long double beam_;
    long double* spread_ = nullptr;
    std::optional<ExtendedBSpline> curve_;  // of the offsets last set
    SectionReach reach_ = SectionReach::NearBMax;
    long double keel_ = 0;
    long double depth_ = 0;
};

}  // namespace

void KeepSectionWithinEnvelope(HullRecord& hull, int s, SectionReach reach)
{
    TStation& station = hull.Stations[static_cast<std::size_t>(s)];
    const long double sheerHalfBeam = station.SheerBeam * 0.5L, waterlineHalfBeam = station.DesignWaterlineBeam * 0.5L;
    const long double deckEdge = sheerHalfBeam + kFlareSlack * hull.BMax * 0.5L;
    const long double halfBeam =
        reach == SectionReach::WithinDeck ? std::min(hull.BMax * 0.5L * kControlPointBeam, deckEdge)
                                         : hull.BMax * 0.5L * kControlPointBeam;
    const long double topsideHalfBeam =
        std::min({halfBeam, std::max(sheerHalfBeam, waterlineHalfBeam) * kTopsideBeam, deckEdge});
    const long double waistHalfBeam = std::min(sheerHalfBeam, waterlineHalfBeam) * kWaistBeam;
    long double below = station.KeelHeight;  // height of the point before
    for (int d = 1; d <= 3; ++d) {
        const TDiagonal& diagonal = hull.Diagonals[d];
        // A point at offset o stands at height Z0 - o down and o out from the centre plane.
        const long double down = -static_cast<long double>(diagonal.DZ), out = diagonal.DY;
        const long double highest = std::min((diagonal.Z0 - below) / down, halfBeam / out);
        const long double lowest = std::max(0.0L, (diagonal.Z0 - station.SheerHeight) / down);
        long double offset =
            std::clamp(static_cast<long double>(station.DiagonalOffset[d]), lowest, std::max(lowest, highest));
        const long double atWaterline = (diagonal.Z0 - hull.Tc) / down;
        if (offset < atWaterline)
            offset = std::clamp(offset, std::max(lowest, std::min(waistHalfBeam / out, highest)),
                                std::max(lowest, topsideHalfBeam / out));
        station.DiagonalOffset[d] = offset;
        below = diagonal.Z0 - offset * down;
    }
}

namespace {

// The fullness whose section has the coefficient, between the kept ends,
// whose misses have opposite signs; leaves that section's offsets. From one
// solve of the area curve to the next a station's coefficient moves little:
// the station's last fullness, and the slope of the coefficient seen there,
// aim the first two tries, each of which narrows the bracket.
void SolveFullness(const std::function<long double(long double)>& miss, RobustStationMemo& memo,
                   long double coefficient)
{
    long double previous = 0, previousMiss = 0, last = 0, lastMiss = 0;
    int evaluations = 0;
    const auto tracked = [&](long double fullness) {
        previous = last;
        previousMiss = lastMiss;
        last = fullness;
        lastMiss = miss(fullness);
        ++evaluations;
        return lastMiss;
    };
    long double lo = memo.HollowestKept, loMiss = memo.Lowest - coefficient;
    long double hi = memo.FullestKept, hiMiss = memo.Highest - coefficient;
    const auto tryAt = [&](long double fullness) {
        if (!(fullness > lo && fullness < hi)) return false;
        const long double m = tracked(fullness);
        if (std::fabs(m) <= kFullnessTolerance) return true;
        if (m < 0) {
            lo = fullness;
            loMiss = m;
        } else {
            hi = fullness;
            hiMiss = m;
        }
        return false;
    };
    bool met = false;
    if (memo.FullnessSlope > 0 && tryAt(memo.Fullness)) met = true;
    if (!met && memo.FullnessSlope > 0 && evaluations == 1) met = tryAt(last - lastMiss / memo.FullnessSlope);
    if (!met) BracketedRoot(tracked, lo, loMiss, hi, hiMiss, kFullnessTolerance, kRootSteps);
    memo.Fullness = last;
    if (evaluations >= 2 && last != previous) {
        const long double slope = (lastMiss - previousMiss) / (last - previous);
        if (slope > 0) memo.FullnessSlope = slope;
    }
}

}  // namespace

SectionReached ConstructSection(HullRecord& hull, int s, Real48 beam, Real48 coefficient)
{
    RobustStationMemo& memo = Generator().RobustStations[static_cast<std::size_t>(s)];
    SectionFamily family(hull, s, beam);
    Measured measured;
    auto miss = [&](long double fullness) {
        measured = family.ToBeam(fullness);
        return measured.coefficient - static_cast<long double>(coefficient);
    };
    const TStation& station = hull.Stations[static_cast<std::size_t>(s)];
    const long double keel = station.KeelHeight, sheerBeam = station.SheerBeam;
    if (memo.Beam != static_cast<long double>(beam) || memo.KeelHeight != keel || memo.SheerBeam != sheerBeam) {
        // Very hollow or very full sections may not reach the beam within
        // BMax, very full ones may bulge past BMax/2 above the waterline, and
        // either may stand out wider below than at the deck edge: the range
        // is narrowed to the fullness that does none of these. Where no
        // section of the usual envelope does, the deck is barely wider than
        // the waterline, and the sections are kept within the deck edge.
        const long double halfBeam = beam * 0.5L;
        const long double flare = kFlareSlack * hull.BMax * 0.5L;
        const auto kept = [&] {
            return std::fabs(measured.halfBreadth - halfBeam) <= kBeamKept * halfBeam &&
                   !SectionPastBMax(hull, family.Curve()) && WiderBelowThanAtSheer(family.Curve()) <= flare;
        };
        auto keepsBeam = [&](long double fullness) {
            measured.halfBreadth = family.SpreadToBeam(fullness);
            return kept();
        };
        struct Range {
            SectionReach Reach;
            long double HollowestKept, FullestKept, Lowest, Highest;
            bool BeamKept, Kept;
        };
        const bool known = memo.Beam != 0;
        const long double hollowest = memo.HollowestKept, fullest = memo.FullestKept;
        const long double familyHollowest = Generator().RobustFamily.Hollower ? kHollowerStill : kHollowest;
        const auto learn = [&](SectionReach reach) {
            Range range{reach, 0, 0, 0, 0, false, false};
            family.Within(reach);
            family.SpreadFrom(memo.HollowestSpread);
            range.HollowestKept = KeptEnd(keepsBeam, familyHollowest, kFullest, known ? &hollowest : nullptr);
            family.SpreadFrom(memo.FullestSpread);
            range.FullestKept = KeptEnd(keepsBeam, kFullest, range.HollowestKept, known ? &fullest : nullptr);
            miss(range.FullestKept);
            range.Kept = kept();
            range.Highest = measured.coefficient;
            range.BeamKept = std::fabs(measured.halfBreadth - halfBeam) <= kBeamKept * halfBeam;
            family.SpreadFrom(memo.HollowestSpread);
            miss(range.HollowestKept);
            range.Lowest = measured.coefficient;
            return range;
        };
        // The usual reach when its kept sections have the coefficient asked;
        // otherwise the one whose kept sections span the wider range.
        Range range = learn(SectionReach::NearBMax);
        if (!range.Kept || coefficient < range.Lowest || coefficient > range.Highest) {
            const Range withinDeck = learn(SectionReach::WithinDeck);
            if (!range.Kept ||
                (withinDeck.Kept && withinDeck.Highest - withinDeck.Lowest > range.Highest - range.Lowest))
                range = withinDeck;
        }
        memo.Reach = range.Reach;
        memo.HollowestKept = range.HollowestKept;
        memo.FullestKept = range.FullestKept;
        memo.Lowest = range.Lowest;
        memo.Highest = range.Highest;
        memo.BeamKept = range.BeamKept;
        memo.Beam = beam;
        memo.KeelHeight = keel;
        memo.SheerBeam = sheerBeam;
    }
    family.Within(memo.Reach);
    SectionReached reached;
    reached.Lowest = memo.Lowest;
    reached.Highest = memo.Highest;
    reached.BeamKept = memo.BeamKept;
    if (coefficient <= memo.Lowest) {
        family.SpreadFrom(memo.HollowestSpread);
        miss(memo.HollowestKept);
    } else if (coefficient >= memo.Highest) {
        family.SpreadFrom(memo.FullestSpread);
        miss(memo.FullestKept);
    } else {
        family.SpreadFrom(memo.Spread);
        SolveFullness(miss, memo, coefficient);
    }
    reached.HalfBreadth = measured.halfBreadth;
    reached.Coefficient = measured.coefficient;
    reached.Met = std::fabs(measured.halfBreadth - beam * 0.5L) <= 1e-4L * beam &&
                  std::fabs(measured.coefficient - coefficient) <= kSectionCoefficientTolerance;
    return reached;
}

bool WidenSectionFamily()
{
    GeneratorState& state = Generator();
    if (state.RobustFamily.Hollower) return false;
    state.RobustFamily.Hollower = true;
    for (RobustStationMemo& memo : state.RobustStations) memo.Beam = 0;
    return true;
}

}  // namespace sloopform
