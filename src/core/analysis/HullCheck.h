#pragma once
#include <optional>
#include <string>
#include <vector>

#include "analysis/ExtendedBSpline.h"
#include "analysis/HullFault.h"
#include "model/HullRecord.h"

namespace sloopform {

// Limits of the hull check, as shares of the measure named.
constexpr long double kFoldShare = 0.02L;           // of the section's height
constexpr long double kTumblehomeShare = 0.02L;     // of BMax/2, past the section's own sheer
constexpr long double kBeamShare = 0.01L;           // past BMax/2 or Bwl/2
constexpr long double kFairnessShare = 0.002L;      // of Bwl: smaller second differences are noise
constexpr long double kAreaCurveShare = 0.002L;     // of the largest section area
constexpr int kFairWaterlineSignChanges = 2;        // a hollow entry and a hollow run

// Inspects a generated hull's own section curves (the cubic B-splines that the
// drawings and the exports use, sampled densely) for shapes no designer would
// draw, whatever its figures say: a section that folds back down, one that
// runs past the beam or across the centre plane, one wider below than at its
// own sheer (tumblehome), one that crosses itself, a profile that runs back
// towards the bow, a design waterline wider than Bwl or outside the sheer
// line in plan, a waterline at 1/4, 1/2, 3/4 or all of the draught whose curvature changes
// sign more than twice along the stations, a sectional-area curve with more
// than one maximum. Each fault is one line in plain words; none for a fair
// hull.
std::vector<HullFault> CheckHull(const HullRecord& hull);
// The largest half-breadth of the design waterline curve, sampled as densely
// as the check samples the sections.
long double WidestDesignWaterline(const HullRecord& hull);
// Whether it stands past Bwl/2 by more than the check allows.
bool DesignWaterlinePastBwl(const HullRecord& hull);

// Whether a section curve (a station outline's), sampled as the check
// samples it, reaches past BMax/2 by more than the check allows.
bool SectionPastBMax(const HullRecord& hull, const ExtendedBSpline& section);

// How much wider a section curve is at its widest than at its end on the
// sheer; the largest half-breadth is the curve's own, not its samples'.
long double WiderBelowThanAtSheer(const ExtendedBSpline& section);

// The outermost half-breadths of station s's section at the levels, sampled
// as the check samples it; nothing at a level the section lies wholly above
// or below.
std::vector<std::optional<long double>> SectionHalfBreadthsAtLevels(const HullRecord& hull, int s,
                                                                    const std::vector<long double>& levels);

// How often the curvature of half-breadths taken at successive stations
// changes sign; second differences smaller than the noise are left out.
int CurvatureSignChanges(const std::vector<long double>& halfBreadths, long double noise);
// Whether such half-breadths make a fair line for a hull of waterline beam Bwl.
bool FairAlongStations(const std::vector<long double>& halfBreadths, long double bwl);

// The same faults as their lines.
std::vector<std::string> HullCheckLines(const HullRecord& hull);

}  // namespace sloopform
