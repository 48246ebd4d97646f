#include "export/DxfFile.h"

#include "numeric/NumberText.h"

namespace sloopform {

namespace {
constexpr int kRealDecimals = 3;
constexpr int kRealWidth = 10;
}  // namespace

TDxfFile::TDxfFile(const std::string& fileName)
    : ownFile_(std::make_unique<ExportTextFile>(fileName)), file_(*ownFile_)
{
    Header();
}

TDxfFile::TDxfFile(ExportTarget& target) : file_(target) { Header(); }

void TDxfFile::Header()
{
    Group("  0", "SECTION");
    Group("  2", "ENTITIES");
}

void TDxfFile::Layer(const std::string& name) { layerName_ = name; }

void TDxfFile::Line3d(Real48 x1, Real48 y1, Real48 z1, Real48 x2, Real48 y2, Real48 z2)
{
    EntityStart("LINE");
    Group(" 10", x1);
    Group(" 20", y1);
    Group(" 30", z1);
    Group(" 11", x2);
    Group(" 21", y2);
    Group(" 31", z2);
}

void TDxfFile::Line2d(Real48 x1, Real48 y1, Real48 x2, Real48 y2)
{
    EntityStart("LINE");
    Group(" 10", x1);
    Group(" 20", y1);
    Group(" 30", "0");
    Group(" 11", x2);
    Group(" 21", y2);
    Group(" 31", "0");
}

void TDxfFile::Circle(Real48 x, Real48 y, Real48 z, Real48 r)
{
    EntityStart("CIRCLE");
    Group(" 10", x);
    Group(" 20", y);
    Group(" 30", z);
    Group(" 40", r);
}

void TDxfFile::Line3D(Real48 x1, Real48 y1, Real48 z1, Real48 x2, Real48 y2, Real48 z2)
{
    Line3d(x1, y1, z1, x2, y2, z2);
}

void TDxfFile::Close()
{
    // The section's closing group code is the bare "0", unlike every other one.
    Group("0", "ENDSEC");
    Group("  0", "EOF");
    file_.Commit();
}

void TDxfFile::Group(const char* code, const std::string& value)
{
    file_.WriteLine(code);
    file_.WriteLine(value);
}

void TDxfFile::Group(const char* code, Real48 value)
{
    Group(code, FormatFixed(value, kRealDecimals, kRealWidth));
}

void TDxfFile::EntityStart(const char* type)
{
    Group("  0", type);
    Group("  8", layerName_);
}

}  // namespace sloopform
