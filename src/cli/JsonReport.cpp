#include "JsonReport.h"

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
    }
    return json;
}

}  // namespace sloopform::batch
