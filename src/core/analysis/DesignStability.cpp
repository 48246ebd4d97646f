#include "analysis/DesignStability.h"

#include <stdexcept>

#include "analysis/CanoeBody.h"
#include "analysis/ExactHydrostatics.h"
#include "analysis/HullSurfaceNet.h"
#include "model/HullOutlines.h"
#include "numeric/NumberText.h"

namespace sloopform {

StabilityResult ComputeDesignStability(const HullRecord& hull, double vcg, const std::vector<double>& heels)
{
    const CanoeBody body(BuildHullSurfaceNet(hull));
    if (!(vcg >= 0)) throw std::invalid_argument("VCG lies below the base line");
    const double sheer = body.LowestSheer();
    if (vcg > sheer)
        throw std::invalid_argument("VCG " + FormatFixed(vcg, 3) + " m lies above the sheer, whose lowest point is " +
                                    FormatFixed(sheer, 3) + " m above the base line");
    ExactResolution resolution;
    resolution.Measures = ImmersedMeasures::AreaAndMoment;
    const ExactHydrostatics exact = ComputeExactHydrostatics(hull, resolution);
    StabilityCondition condition;
    condition.Floating.Volume = static_cast<double>(exact.Volume);
    condition.Floating.Gravity = {
        static_cast<double>(StationPosition(hull, 0) + exact.LCB / 100 * hull.Lwl), 0, vcg};
    condition.Draft = hull.Tc.Value();
    condition.Density = hull.WaterDensity.Value();
    condition.Gravity = hull.Gravity.Value();
    return ComputeStability(body, condition, heels);
}

}  // namespace sloopform
