#include "JsonReport.h"

#include "analysis/ExactHydrostatics.h"
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

// The same keys from the hull's own section curves, plus the wetted surface.
nlohmann::json ExactHydrostaticsJson(const ExactHydrostatics& h)
{
    return {{"volume", static_cast<double>(h.Volume)},
            {"displacement", static_cast<double>(h.Displacement)},
            {"vcb", static_cast<double>(h.VCB)},
            {"lcb", static_cast<double>(h.LCB)},
            {"waterplane_area", static_cast<double>(h.WaterplaneArea)},
            {"lcf", static_cast<double>(h.LCF)},
            {"midship_area", static_cast<double>(h.MidshipArea)},
            {"cb", static_cast<double>(h.Cb)},
            {"cp", static_cast<double>(h.Cp)},
            {"cwl", static_cast<double>(h.Cwl)},
            {"cm", static_cast<double>(h.Cm)},
            {"bmt", static_cast<double>(h.BMT)},
            {"bml", static_cast<double>(h.BML)},
            {"mct", static_cast<double>(h.MCT)},
            {"wetted_surface", static_cast<double>(h.WettedSurface)}};
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
                       const std::vector<std::string>& console, const RunOutcome& outcome)
{
    const HullRecord& hull = editor.Hull();
    nlohmann::json json = {
        {"finished", outcome.finished},
        {"console", console},
        {"parameters", Parameters(hull)},
        {"goals",
         {{"dimension", goals.Dimension.Value()},
          {"percentage", goals.Percentage.Value()},
          {"coefficient", goals.Coefficient.Value()}}},
        {"transom_rise", hull.TransomRise.Value()},
        {"stations", Stations(hull)},
        {"seconds", outcome.seconds}};
    if (outcome.finished) {
        json["hydrostatics"] = HydrostaticsJson(ComputeHydrostatics(hull));
        json["hydrostatics_exact"] = ExactHydrostaticsJson(ComputeExactHydrostatics(hull));
        json["hull_check"] = outcome.hullCheck;
    }
    return json;
}

}  // namespace sloopform::batch
