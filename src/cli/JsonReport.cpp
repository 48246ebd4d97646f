#include "JsonReport.h"

#include "analysis/Hydrostatics.h"
#include "model/ProjectFile.h"

namespace sloopform::batch {

namespace {

nlohmann::json Parameters(const HullRecord& hull)
{
    nlohmann::json parameters = nlohmann::json::object();
    for (const ProjectKey& key : ProjectKeys()) parameters[key.Key] = (hull.*key.Field).Value();
    return parameters;
}

nlohmann::json HydrostaticsJson(const Hydrostatics& h)
{
    return {{"volume", h.Volume.Value()},
            {"displacement", h.Displacement.Value()},
            {"vcb", h.VCB.Value()},
            {"lcb", h.LCB.Value()},
            {"waterplane_area", h.WaterplaneArea.Value()},
            {"lcf", h.LCF.Value()},
            {"midship_area", h.MidshipArea.Value()},
            {"cb", h.Cb.Value()},
            {"cp", h.Cp.Value()},
            {"cwl", h.Cwl.Value()},
            {"cm", h.Cm.Value()},
            {"bmt", h.BMT.Value()},
            {"bml", h.BML.Value()},
            {"mct", h.MCT.Value()}};
}

nlohmann::json Stations(const HullRecord& hull)
{
    nlohmann::json stations = nlohmann::json::array();
    for (int s = 0; s < kStationCount; ++s) {
        const TStation& station = hull.Stations[static_cast<std::size_t>(s)];
        stations.push_back({{"station", s},
                            {"x", hull.StationX(s).Value()},
                            {"keel_height", station.KeelHeight.Value()},
                            {"design_waterline_beam", station.DesignWaterlineBeam.Value()},
                            {"waterline_beam", station.WaterlineBeam.Value()},
                            {"sheer_beam", station.SheerBeam.Value()},
                            {"sheer_height", station.SheerHeight.Value()},
                            {"section_area", station.SectionArea.Value()},
                            {"section_coefficient", station.SectionCoefficient.Value()},
                            {"section_vca", station.SectionVca.Value()}});
    }
    return stations;
}

}  // namespace

nlohmann::json RunJson(const TDataEdit& editor, const GoalAccuracies& goals,
                       const std::vector<std::string>& console, bool finished, double seconds)
{
    const HullRecord& hull = editor.Hull();
    nlohmann::json json = {
        {"finished", finished},
        {"console", console},
        {"parameters", Parameters(hull)},
        {"goals",
         {{"dimension", goals.Dimension.Value()},
          {"percentage", goals.Percentage.Value()},
          {"coefficient", goals.Coefficient.Value()}}},
        {"transom_rise", hull.TransomRise.Value()},
        {"stations", Stations(hull)},
        {"seconds", seconds}};
    if (finished) json["hydrostatics"] = HydrostaticsJson(ComputeHydrostatics(hull));
    return json;
}

}  // namespace sloopform::batch
