#include "StabilityJson.h"

#include <exception>

#include "analysis/DesignStability.h"

namespace sloopform::batch {

namespace {

nlohmann::json Optional(const std::optional<double>& value)
{
    return value ? nlohmann::json(*value) : nlohmann::json(nullptr);
}

}  // namespace

nlohmann::json StabilityJson(const StabilityResult& result)
{
    const StabilitySummary& s = result.Summary;
    nlohmann::json curve = nlohmann::json::array();
    for (const StabilityPoint& p : result.Curve)
        curve.push_back({{"heel", p.Heel},
                         {"gz", p.Gz},
                         {"righting_moment", p.RightingMoment},
                         {"trim", p.Trim},
                         {"sinkage", p.Sinkage}});
    return {{"vcg", s.Vcg},
            {"displacement", result.Displacement},
            {"gm", s.Gm},
            {"gz_max", s.GzMax},
            {"heel_gz_max", s.HeelGzMax},
            {"avs", Optional(s.Avs)},
            {"deck_immersion", Optional(s.DeckImmersion)},
            {"area_30", Optional(s.Area30)},
            {"area_40", Optional(s.Area40)},
            {"area_avs", Optional(s.AreaAvs)},
            {"area_ratio", Optional(s.AreaRatio)},
            {"curve", curve}};
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
