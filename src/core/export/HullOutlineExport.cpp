#include "export/HullOutlineExport.h"

#include <exception>
#include <optional>
#include <string>

#include "export/DxfFile.h"
#include "export/StationPosition.h"
#include "model/StationOutline.h"
#include "numeric/BSpline.h"
#include "platform/UiServices.h"

namespace sloopform {

namespace {

constexpr int kProfilePoints = 23;
constexpr int kSheerPoints = 3;
constexpr int kSheerOrder = 3;
constexpr int kTransomPoints = 6;
constexpr int kCubic = 4;

// Straight segments between the stations at the height of the design
// waterline, through the half-beams the generated sections reach.
void WriteWaterline(const HullRecord& hull, TDxfFile& file)
{
    for (int s = 1; s <= kLastStation; ++s) {
        const Real48 x0 = StationPosition(hull, s - 1);
        const Real48 x1 = StationPosition(hull, s);
        const Real48 b0 = hull.Stations[s - 1].WaterlineBeam;
        const Real48 b1 = hull.Stations[s].WaterlineBeam;
        file.Line3d(x0, b0 * 0.5L, hull.Tc, x1, b1 * 0.5L, hull.Tc);
        file.Line3d(x0, -b0 * 0.5L, hull.Tc, x1, -b1 * 0.5L, hull.Tc);
    }
}

void WriteProfile(const HullRecord& hull, TDxfFile& file)
{
    DxfBSpline2d(kProfilePoints, kCubic, hull.ProfilePoints, file, 0, kPlaneCentre);
}

// The other side of the hull: half-breadths negated.
TPointBlock3 Mirrored(TPointBlock3 points, int count)
{
    for (int i = 1; i <= count; ++i) points[i].y = -points[i].y;
    return points;
}

// A body-plan outline holds (half-breadth, height) as (x, y).
TPointBlock2 MirroredOutline(TPointBlock2 outline)
{
    for (int i = 1; i <= kStationOutlinePoints; ++i) outline[i].x = -outline[i].x;
    return outline;
}

void WriteSheerline(const HullRecord& hull, TDxfFile& file)
{
    DxfBSpline3d(kSheerPoints, kSheerOrder, hull.SheerPoints, file);
    DxfBSpline3d(kSheerPoints, kSheerOrder, Mirrored(hull.SheerPoints, kSheerPoints), file);
}

void WriteTransom(const HullRecord& hull, TDxfFile& file)
{
    DxfBSpline3d(kTransomPoints, kCubic, hull.TransomPoints, file);
    DxfBSpline3d(kTransomPoints, kCubic, Mirrored(hull.TransomPoints, kTransomPoints), file);
    const TPoint3r& corner = hull.TransomPoints[kTransomPoints];
    file.Line3d(corner.x, -corner.y, corner.z, corner.x, corner.y, corner.z);
}

void WriteStations(const HullRecord& hull, TDxfFile& file)
{
    for (int s = 0; s <= kLastStation; ++s) {
        const TPointBlock2 outline = StationOutline(hull, s);
        const long double x = StationPosition(hull, s);
        DxfBSpline2d(kStationOutlinePoints, kCubic, outline, file, x, kPlaneStation);
        DxfBSpline2d(kStationOutlinePoints, kCubic, MirroredOutline(outline), file, x,
                     kPlaneStation);
    }
}

struct OutlinePart {
    const char* status;
    const char* layer;
    bool HullRecord::*done;
    void (*write)(const HullRecord&, TDxfFile&);
};

const OutlinePart kParts[] = {
    {"Exporting Waterline", "Waterline", &HullRecord::HullComplete, WriteWaterline},
    {"Exporting Profile", "Profile", &HullRecord::ProfileDone, WriteProfile},
    {"Exporting Sheerline", "Sheerline", &HullRecord::SheerDone, WriteSheerline},
    {"Exporting Transom", "Transom", &HullRecord::TransomDone, WriteTransom},
    {"Exporting Stations", "Stations", &HullRecord::HullComplete, WriteStations},
};

void WriteOutlines(const HullRecord& hull, const std::string& fileName)
{
    TDxfFile file(fileName);
    for (const OutlinePart& part : kParts) {
        Ui().SetStatusText(kExportStatusPanel, part.status);
        Ui().ProcessMessages();
        file.Layer(part.layer);
        if (hull.*part.done) part.write(hull, file);
    }
    file.Close();
}

}  // namespace

void ExportHullOutlines(const HullRecord& hull)
{
    FileDialogRequest request;
    request.title = "Export Hull Outlines to AutoCAD";
    request.filter = "AutoCAD (*.dxf)|*.dxf|All files (*.*)|*.*";
    request.defaultExtension = "DXF";

    std::optional<std::string> failure;
    if (const auto fileName = Ui().SaveFileDialog(request)) {
        try {
            WriteOutlines(hull, *fileName);
        } catch (const std::exception& error) {
            failure = error.what();
        }
    }
    Ui().SetStatusText(kExportStatusPanel, "");
    if (failure) Ui().ShowError(*failure, "ExportHullOutlines");
}

}  // namespace sloopform
