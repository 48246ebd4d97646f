#include "JsonReport.h"

#include "analysis/DesignCheck.h"
#include "analysis/ExactHydrostatics.h"
#include "analysis/Hydrostatics.h"
#include "analysis/NamedFigures.h"
#include "model/ProjectFile.h"

namespace sloopform::batch {

namespace {

nlohmann::json Parameters(const HullRecord& hull)
{
    nlohmann::json parameters = nlohmann::json::object();
    for (const ProjectKey& key : ProjectKeys()) parameters[key.Key] = (hull.*key.Field).Value();
    return parameters;
}

nlohmann::json Stations(const HullRecord& hull)
{
    nlohmann::json stations = nlohmann::json::array();
    for (int s = 0; s < kStationCount; ++s) {
        nlohmann::json station = FiguresJson(StationFigures(hull, s));
        station["station"] = s;
        stations.push_back(station);
    }
    return stations;
}

nlohmann::json DesignCheckJson(const HullRecord& hull)
{
    nlohmann::json rows = nlohmann::json::array();
    for (const DesignCheckRow& row : CheckDesign(hull))
        rows.push_back({{"figure", row.Figure},
                        {"unit", row.Unit},
                        {"requested", static_cast<double>(row.Requested)},
                        {"hydrostatics", static_cast<double>(row.Hydrostatics)},
                        {"exact", static_cast<double>(row.Exact)},
                        {"goal", static_cast<double>(row.Goal)},
                        {"met", row.Met}});
    return rows;
}

}  // namespace

nlohmann::json FiguresJson(const NamedFigures& figures)
{
    nlohmann::json json = nlohmann::json::object();
    for (const NamedFigure& figure : figures) json[figure.Name] = figure.Value;
    return json;
}

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
        json["hydrostatics"] = FiguresJson(HydrostaticsFigures(ComputeHydrostatics(hull)));
        json["hydrostatics_exact"] = FiguresJson(ExactHydrostaticsFigures(ComputeExactHydrostatics(hull)));
        json["hull_check"] = outcome.hullCheck;
        json["design_check"] = DesignCheckJson(hull);
    }
    return json;
}

}  // namespace sloopform::batch
