#include "DxfEntities.h"

#include <gtest/gtest.h>

#include "ExportTestFiles.h"

namespace sloopform::test {

long double DxfEntity::Real(int code) const { return std::stold(groups.at(code)); }

std::vector<DxfEntity> ReadDxfEntities(const std::filesystem::path& path)
{
    const std::vector<std::string> lines = CrLfLines(path);
    const std::vector<std::string> header = {"  0", "SECTION", "  2", "ENTITIES"};
    const std::vector<std::string> trailer = {"0", "ENDSEC", "  0", "EOF"};
    if (lines.size() < 8 || !std::equal(header.begin(), header.end(), lines.begin()) ||
        !std::equal(trailer.begin(), trailer.end(), lines.end() - 4)) {
        ADD_FAILURE() << "no DXF header and trailer in " << path;
        return {};
    }
    std::vector<DxfEntity> entities;
    for (std::size_t i = 4; i + 1 < lines.size() - 4; i += 2) {
        const int code = std::stoi(lines[i]);
        if (code == 0)
            entities.push_back({lines[i + 1], {}});
        else if (entities.empty())
            ADD_FAILURE() << "group " << code << " outside an entity";
        else
            entities.back().groups[code] = lines[i + 1];
    }
    return entities;
}

std::map<std::string, int> EntitiesPerLayer(const std::vector<DxfEntity>& entities)
{
    std::map<std::string, int> counts;
    for (const DxfEntity& entity : entities) ++counts[entity.Layer()];
    return counts;
}

}  // namespace sloopform::test
