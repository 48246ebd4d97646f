#include "StabilityJson.h"

#include <exception>

#include "JsonReport.h"
#include "analysis/DesignStability.h"
#include "analysis/NamedFigures.h"

namespace sloopform::batch {

nlohmann::json StabilityJson(const StabilityResult& result)
{
    // A figure the curve does not reach is NaN, which JSON writes as null.
    nlohmann::json json = FiguresJson(StabilityFigures(result));
    json["curve"] = nlohmann::json::array();
    for (const StabilityPoint& point : result.Curve) json["curve"].push_back(FiguresJson(StabilityPointFigures(point)));
    return json;
}

nlohmann::json DesignStabilityJson(const HullRecord& hull, double vcg)
{
    try {
        return StabilityJson(ComputeDesignStability(hull, vcg));
    } catch (const std::exception& fault) {
        return {{"error", fault.what()}};
    }
}

}  // namespace sloopform::batch
