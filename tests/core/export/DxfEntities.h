#pragma once
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace sloopform::test {

// One entity of a DXF file as its group values, by group code.
struct DxfEntity {
    std::string type;
    std::map<int, std::string> groups;
    std::string Layer() const { return groups.at(8); }
    long double Real(int code) const;
};

// The entities between the header and the trailer of a file written by
// TDxfFile; fails the current test when the frame or the line ends are wrong.
std::vector<DxfEntity> ReadDxfEntities(const std::filesystem::path& path);

std::map<std::string, int> EntitiesPerLayer(const std::vector<DxfEntity>& entities);

}  // namespace sloopform::test
