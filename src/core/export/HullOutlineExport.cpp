#include "export/HullOutlineExport.h"

#include <exception>
#include <optional>
#include <string>

#include "export/ChosenFileExport.h"
#include "export/DxfFile.h"
#include "model/HullOutlines.h"
#include "model/StationOutline.h"
#include "numeric/BSpline.h"
#include "platform/UiServices.h"

namespace sloopform {

namespace {

// A body-plan outline holds (half-breadth, height) as (x, y).
TPointBlock2 MirroredOutline(TPointBlock2 outline)
{
    for (int i = 1; i <= kStationOutlinePoints; ++i) outline[i].x = -outline[i].x;
    return outline;
}

void WriteWaterline(const HullRecord& hull, TDxfFile& file) { EmitWaterlineSegments(hull, file); }

void WriteProfile(const HullRecord& hull, TDxfFile& file) { EmitProfile(hull, file, OutlineDetail::Dxf); }

void WriteSheerline(const HullRecord& hull, TDxfFile& file) { EmitSheerline(hull, file, OutlineDetail::Dxf); }

void WriteTransom(const HullRecord& hull, TDxfFile& file) { EmitTransom(hull, file, OutlineDetail::Dxf); }

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

}  // namespace

void WriteHullOutlines(const HullRecord& hull, TDxfFile& file)
{
    for (const OutlinePart& part : kParts) {
        Ui().SetStatusText(kExportStatusPanel, part.status);
        Ui().ProcessMessages();
        file.Layer(part.layer);
        if (hull.*part.done) part.write(hull, file);
    }
    file.Close();
}

void ExportHullOutlines(const HullRecord& hull, const std::string& designFile)
{
    FileDialogRequest request;
    request.title = "Export Hull Outlines to AutoCAD";
    request.filter = "AutoCAD (*.dxf)|*.dxf|All files (*.*)|*.*";
    request.defaultExtension = "dxf";
    request.fileName = SuggestedExportName(designFile, request.defaultExtension);

    std::optional<std::string> failure;
    if (const auto fileName = Ui().SaveFileDialog(request)) {
        try {
            TDxfFile file(*fileName);
            WriteHullOutlines(hull, file);
        } catch (const std::exception& error) {
            failure = error.what();
        }
    }
    Ui().SetStatusText(kExportStatusPanel, "");
    if (failure) Ui().ShowError(*failure, kGlobalHandlerOrigin);
}

}  // namespace sloopform
