#include "OffsetsJson.h"

#include <optional>
#include <vector>

namespace sloopform::batch {

namespace {

nlohmann::json Numbers(const std::vector<long double>& values)
{
    nlohmann::json numbers = nlohmann::json::array();
    for (long double value : values) numbers.push_back(static_cast<double>(value));
    return numbers;
}

nlohmann::json OptionalNumbers(const std::vector<std::optional<long double>>& values)
{
    nlohmann::json numbers = nlohmann::json::array();
    for (const auto& value : values)
        numbers.push_back(value ? nlohmann::json(static_cast<double>(*value)) : nlohmann::json());
    return numbers;
}

}  // namespace

nlohmann::json OffsetsJson(const HullRecord& hull, const OffsetLevels& chosen)
{
    const OffsetsTable table = ComputeOffsets(hull, chosen);
    nlohmann::json stations = nlohmann::json::array();
    for (const StationOffsets& row : table.Stations)
        stations.push_back({{"station", row.Station},
                            {"x", static_cast<double>(row.X)},
                            {"keel_z", static_cast<double>(row.KeelZ)},
                            {"sheer_y", static_cast<double>(row.SheerY)},
                            {"sheer_z", static_cast<double>(row.SheerZ)},
                            {"half_breadths", OptionalNumbers(row.HalfBreadths)},
                            {"heights", OptionalNumbers(row.Heights)}});
    return {{"waterlines", Numbers(table.Levels.Waterlines)},
            {"buttocks", Numbers(table.Levels.Buttocks)},
            {"stations", stations}};
}

}  // namespace sloopform::batch
