#include "export/DxfDrawing.h"

#include <algorithm>
#include <cstdio>

#include "numeric/NumberText.h"

namespace sloopform {

namespace {

// Micrometres: finer than any drawing needs, short enough to read.
constexpr int kDecimals = 6;
constexpr int kInsUnitsMetres = 6;
// Handles of the table and block objects; entities follow from kFirstEntityHandle.
enum ObjectHandle : unsigned {
    kRootDictionary = 0x1,
    kGroupDictionary,
    kLineTypeTable,
    kLayerTable,
    kStyleTable,
    kAppIdTable,
    kBlockRecordTable,
    kModelSpaceRecord,
    kPaperSpaceRecord,
    kModelSpaceBlock,
    kModelSpaceEnd,
    kPaperSpaceBlock,
    kPaperSpaceEnd,
    kByBlock,
    kByLayer,
    kContinuous,
    kStandardStyle,
    kAcadAppId,
    kFirstLayerHandle = 0x40,
    kFirstEntityHandle = 0x400,
};

std::string Hex(unsigned handle)
{
    char text[16];
    std::snprintf(text, sizeof text, "%X", handle);
    return text;
}

std::string Number(long double value) { return FormatFixed(value, kDecimals); }

class GroupWriter {
public:
    explicit GroupWriter(ExportTarget& target) : target_(target) {}
    void operator()(int code, const std::string& value)
    {
        target_.WriteLine(std::to_string(code));
        target_.WriteLine(value);
    }
    void operator()(int code, unsigned value) { (*this)(code, std::to_string(value)); }
    void Handle(unsigned handle, unsigned owner)
    {
        (*this)(5, Hex(handle));
        (*this)(330, Hex(owner));
    }
    void Section(const char* name)
    {
        (*this)(0, "SECTION");
        (*this)(2, name);
    }
    void EndSection() { (*this)(0, "ENDSEC"); }
    void Table(const char* name, unsigned handle, unsigned entries)
    {
        (*this)(0, "TABLE");
        (*this)(2, name);
        Handle(handle, 0);
        (*this)(100, "AcDbSymbolTable");
        (*this)(70, entries);
    }
    void Record(const char* type, unsigned handle, unsigned table, const char* subclass, const std::string& name)
    {
        (*this)(0, type);
        Handle(handle, table);
        (*this)(100, "AcDbSymbolTableRecord");
        (*this)(100, subclass);
        (*this)(2, name);
        (*this)(70, 0u);
    }

private:
    ExportTarget& target_;
};

void WriteHeader(GroupWriter& group, DrawingPoint min, DrawingPoint max, unsigned handleSeed)
{
    group.Section("HEADER");
    group(9, "$ACADVER");
    group(1, "AC1015");
    group(9, "$HANDSEED");
    group(5, Hex(handleSeed));
    group(9, "$INSUNITS");
    group(70, static_cast<unsigned>(kInsUnitsMetres));
    group(9, "$MEASUREMENT");
    group(70, 1u);
    group(9, "$EXTMIN");
    group(10, Number(min.x));
    group(20, Number(min.y));
    group(30, Number(0));
    group(9, "$EXTMAX");
    group(10, Number(max.x));
    group(20, Number(max.y));
    group(30, Number(0));
    group.EndSection();
}

void WriteLineTypes(GroupWriter& group)
{
    group.Table("LTYPE", kLineTypeTable, 3);
    for (const auto& [handle, name] : {std::pair<unsigned, const char*>{kByBlock, "ByBlock"},
                                       {kByLayer, "ByLayer"},
                                       {kContinuous, "Continuous"}}) {
        group.Record("LTYPE", handle, kLineTypeTable, "AcDbLinetypeTableRecord", name);
        group(3, std::string(handle == kContinuous ? "Solid line" : ""));
        group(72, 65u);
        group(73, 0u);
        group(40, Number(0));
    }
    group(0, "ENDTAB");
}

void WriteStyleAndApplication(GroupWriter& group)
{
    group.Table("STYLE", kStyleTable, 1);
    group.Record("STYLE", kStandardStyle, kStyleTable, "AcDbTextStyleTableRecord", "Standard");
    group(40, Number(0));
    group(41, Number(1));
    group(50, Number(0));
    group(71, 0u);
    group(42, Number(1));
    group(3, "txt");
    group(4, "");
    group(0, "ENDTAB");
    group.Table("APPID", kAppIdTable, 1);
    group.Record("APPID", kAcadAppId, kAppIdTable, "AcDbRegAppTableRecord", "ACAD");
    group(0, "ENDTAB");
}

void WriteBlocks(GroupWriter& group)
{
    group.Table("BLOCK_RECORD", kBlockRecordTable, 2);
    group.Record("BLOCK_RECORD", kModelSpaceRecord, kBlockRecordTable, "AcDbBlockTableRecord", "*Model_Space");
    group.Record("BLOCK_RECORD", kPaperSpaceRecord, kBlockRecordTable, "AcDbBlockTableRecord", "*Paper_Space");
    group(0, "ENDTAB");
    group.EndSection();

    group.Section("BLOCKS");
    const struct {
        unsigned begin, end, record;
        const char* name;
    } blocks[] = {{kModelSpaceBlock, kModelSpaceEnd, kModelSpaceRecord, "*Model_Space"},
                  {kPaperSpaceBlock, kPaperSpaceEnd, kPaperSpaceRecord, "*Paper_Space"}};
    for (const auto& block : blocks) {
        group(0, "BLOCK");
        group.Handle(block.begin, block.record);
        group(100, "AcDbEntity");
        group(8, "0");
        group(100, "AcDbBlockBegin");
        group(2, block.name);
        group(70, 0u);
        group(10, Number(0));
        group(20, Number(0));
        group(30, Number(0));
        group(3, block.name);
        group(1, "");
        group(0, "ENDBLK");
        group.Handle(block.end, block.record);
        group(100, "AcDbEntity");
        group(8, "0");
        group(100, "AcDbBlockEnd");
    }
    group.EndSection();
}

void WriteObjects(GroupWriter& group)
{
    group.Section("OBJECTS");
    group(0, "DICTIONARY");
    group.Handle(kRootDictionary, 0);
    group(100, "AcDbDictionary");
    group(281, 1u);
    group(3, "ACAD_GROUP");
    group(350, Hex(kGroupDictionary));
    group(0, "DICTIONARY");
    group.Handle(kGroupDictionary, kRootDictionary);
    group(100, "AcDbDictionary");
    group(281, 1u);
    group.EndSection();
}

}  // namespace

void DxfDrawing::AddLayer(const std::string& name, int color) { layers_.push_back({name, color}); }

DxfDrawing::Groups& DxfDrawing::Entity(const char* type, const std::string& layer, const char* subclass)
{
    entities_.push_back({{0, type}, {100, "AcDbEntity"}, {8, layer}, {100, subclass}});
    return entities_.back();
}

void DxfDrawing::Extend(DrawingPoint p)
{
    if (empty_) min_ = max_ = p;
    min_ = {std::min(min_.x, p.x), std::min(min_.y, p.y)};
    max_ = {std::max(max_.x, p.x), std::max(max_.y, p.y)};
    empty_ = false;
}

void DxfDrawing::Spline(const std::string& layer, int order, const std::vector<DrawingPoint>& controlPoints)
{
    const int count = static_cast<int>(controlPoints.size());
    Groups& groups = Entity("SPLINE", layer, "AcDbSpline");
    groups.insert(groups.end(), {{210, Number(0)}, {220, Number(0)}, {230, Number(1)}});
    groups.insert(groups.end(), {{70, "8"},  // planar
                                 {71, std::to_string(order - 1)},
                                 {72, std::to_string(count + order)},
                                 {73, std::to_string(count)},
                                 {74, "0"}});
    for (int i = 0; i < count + order; ++i)
        groups.push_back({40, std::to_string(std::clamp(i - order + 1, 0, count - order + 1))});
    for (const DrawingPoint& p : controlPoints) {
        groups.insert(groups.end(), {{10, Number(p.x)}, {20, Number(p.y)}, {30, Number(0)}});
        Extend(p);
    }
}

void DxfDrawing::Polyline(const std::string& layer, const std::vector<DrawingPoint>& points)
{
    Groups& groups = Entity("LWPOLYLINE", layer, "AcDbPolyline");
    groups.insert(groups.end(), {{90, std::to_string(points.size())}, {70, "0"}});
    for (const DrawingPoint& p : points) {
        groups.insert(groups.end(), {{10, Number(p.x)}, {20, Number(p.y)}});
        Extend(p);
    }
}

void DxfDrawing::Line(const std::string& layer, DrawingPoint from, DrawingPoint to)
{
    Groups& groups = Entity("LINE", layer, "AcDbLine");
    groups.insert(groups.end(), {{10, Number(from.x)}, {20, Number(from.y)}, {30, Number(0)},
                                 {11, Number(to.x)}, {21, Number(to.y)}, {31, Number(0)}});
    Extend(from);
    Extend(to);
}

void DxfDrawing::Text(const std::string& layer, DrawingPoint at, long double height, const std::string& text,
                      TextAnchor anchor)
{
    // Group 72 places the text by its second point; 73 (middle) in the
    // closing AcDbText subclass sets it vertically.
    const char* horizontal = anchor == TextAnchor::Left ? "0" : anchor == TextAnchor::Centre ? "1" : "2";
    Groups& groups = Entity("TEXT", layer, "AcDbText");
    groups.insert(groups.end(),
                  {{10, Number(at.x)}, {20, Number(at.y)}, {30, Number(0)}, {40, Number(height)}, {1, text},
                   {72, horizontal}, {11, Number(at.x)}, {21, Number(at.y)}, {31, Number(0)}, {100, "AcDbText"},
                   {73, "2"}});
    Extend(at);
}

void DxfDrawing::Write(ExportTarget& target) const
{
    GroupWriter group(target);
    const unsigned handleSeed = kFirstEntityHandle + static_cast<unsigned>(entities_.size());
    WriteHeader(group, min_, max_, handleSeed);

    group.Section("TABLES");
    WriteLineTypes(group);
    group.Table("LAYER", kLayerTable, static_cast<unsigned>(layers_.size() + 1));
    unsigned handle = kFirstLayerHandle;
    const Layer base{"0", 7};
    std::vector<Layer> layers{base};
    layers.insert(layers.end(), layers_.begin(), layers_.end());
    for (const Layer& layer : layers) {
        group.Record("LAYER", handle++, kLayerTable, "AcDbLayerTableRecord", layer.Name);
        group(62, std::to_string(layer.Color));
        group(6, "Continuous");
    }
    group(0, "ENDTAB");
    WriteStyleAndApplication(group);
    WriteBlocks(group);

    group.Section("ENTITIES");
    handle = kFirstEntityHandle;
    for (const Groups& entity : entities_) {
        group(0, entity.front().second);
        group.Handle(handle++, kModelSpaceRecord);
        for (auto it = entity.begin() + 1; it != entity.end(); ++it) group(it->first, it->second);
    }
    group.EndSection();
    WriteObjects(group);
    group(0, "EOF");
    target.Commit();
}

}  // namespace sloopform
