#pragma once
#include <array>

#include "generator/Sections.h"
#include "model/HullRecord.h"

namespace sloopform {

// The sectional-area curve of the robust method: station coefficients
// Cm (1 + S x + F2 x^2 + F4 x^4) forward of midship and
// Cm (1 + S x + A2 x^2 + A4 x^4) aft of it, x running from -1 at the bow to 1
// at the stern, so that either body can be made fuller or finer on its own,
// near midship or towards its end, while the curve stays smooth at midship;
// the slope S lets the fullest sections stand a little forward or aft of
// midship without a kink there. Kept within what a section of the family can
// reach at each station.
constexpr int kAreaCurveTerms = 5;  // F2, F4, A2, A4, S
struct AreaCurve {
    std::array<long double, kAreaCurveTerms> Terms{};
    // Coefficients added at single stations, beyond the smooth curve, where
    // the waterlines below the design waterline need them to run fair.
    std::array<long double, kStationCount> Shifts{};
    // What each station's section can reach: the family's limits, narrowed
    // to what a station reached when it fell short of its coefficient.
    std::array<long double, kStationCount> Lowest;
    std::array<long double, kStationCount> Highest;
    // Whether the limits each build learns are smoothed (see SmoothLimits).
    bool LimitsSmoothed = false;
    // Whether each station's coefficient is taken between its limits, at a
    // share that rises smoothly with what the curve asks of it, instead of
    // what the curve asks held to the limits: no section then follows a
    // limit from station to station.
    bool Blended = false;

    AreaCurve();
    // Back to the state before the first solve: no terms, shifts or learnt
    // limits; the limits stay smoothed and blended if they were.
    void Restart();
    long double Requested(const HullRecord& hull, int s) const;
    long double Coefficient(const HullRecord& hull, int s) const;
    // Whether station s is held at (blended: all but at) its highest or lowest.
    bool ClampedHigh(const HullRecord& hull, int s) const;
    bool ClampedLow(const HullRecord& hull, int s) const;
    // Whether the curve asks more (high) or less than some station from `from`
    // to `to` can give.
    bool ClampedBetween(const HullRecord& hull, int from, int to, bool high) const;

private:
    // A blended station's share of its range, 0 to 1.
    long double BlendShare(const HullRecord& hull, int s) const;
};

// The beam a station's section is built to: Bwl at midship, else the design
// waterline's; and the depth from its keel to the design waterline.
long double StationBeam(const HullRecord& hull, int s);
long double StationDepth(const HullRecord& hull, int s);

// Volume and moment (volume times LCB in per cent) as the Simpson sums of the
// hydrostatics.
struct AreaSums {
    long double volume = 0, moment = 0;
};

// The requested volume and LCB with their tolerances.
struct VolumeRequest {
    long double volume;
    long double volumeTolerance;
    long double lcb;  // per cent
    long double lcbTolerance;
};

// The misses of predicted sums from the target sums, each over its tolerance.
struct AreaMisses {
    long double volume = 0, lcb = 0;
    long double Norm() const { return volume * volume + lcb * lcb; }
};

// What station s adds to the Simpson sum of the volume per unit of its
// coefficient; times 5 s, to the moment.
long double VolumePerCoefficient(const HullRecord& hull, int s);

// The sums predicted from the coefficients the curve gives on the stations'
// present beams and depths.
AreaSums PredictSums(const HullRecord& hull, const AreaCurve& curve);

AreaMisses MissesOf(const AreaSums& predicted, const AreaSums& target, const VolumeRequest& request);

// Newton steps aim inside the tolerances by this share, so that the small
// steps of the measured section areas cannot push a met figure back out.
constexpr long double kAreaCurveAim = 0.4L;

// Moves the curve's terms until its predicted sums meet the target, or as
// near as the stations' limits allow; returns the misses left.
AreaMisses SolveAreaCurve(const HullRecord& hull, AreaCurve& curve, const AreaSums& target,
                          const VolumeRequest& request);

}  // namespace sloopform
