#include "views/SvgViews.h"

#include <cmath>
#include <sstream>
#include <stdexcept>

#include "export/ChosenFileExport.h"
#include "platform/TextFileWriter.h"
#include "views/LinesPlan.h"
#include "views/ScaledSheet.h"
#include "views/SvgCanvas.h"
#include "views/ThreeDView.h"
#include "views/ViewportEngView.h"

namespace sloopform {

namespace {

void RequireDrawingSize(int width, int height)
{
    const auto fits = [](int size) { return size >= 1 && size <= kMaxSvgSize; };
    if (!fits(width) || !fits(height))
        throw std::invalid_argument("The drawing size must be between 1 and " +
                                    std::to_string(kMaxSvgSize) + " pixels either way, not " +
                                    std::to_string(width) + " x " + std::to_string(height));
}

}  // namespace

std::string LinesPlanSvg(const HullRecord& hull, int width, int height, const DrawingSettings& settings,
                         const DisplaySwitches& switches)
{
    RequireDrawingSize(width, height);
    SvgCanvas canvas(width, height);
    TViewportEngView viewport(canvas);
    viewport.SetScreenAspectRatio(settings.AspectRatio);
    viewport.OnResize = [&hull, &viewport](TViewport&) { FitLinesPlan(viewport, hull); };
    viewport.OnRedraw = [&hull, &settings, &switches](TViewport& sender) {
        RedrawLinesPlan(sender, hull, settings, switches);
    };
    viewport.Paint();
    return canvas.Document();
}

std::string ThreeDViewSvg(const HullRecord& hull, int width, int height, int elevation, int azimuth,
                          const DrawingSettings& settings)
{
    RequireDrawingSize(width, height);
    SvgCanvas canvas(width, height);
    TViewport3d viewport(canvas);
    viewport.SetScreenAspectRatio(settings.AspectRatio);
    // Set up without painting, then paint once: the first paint fits the picture.
    viewport.SetAutoRedraw(false);
    InitialiseThreeDView(viewport);
    viewport.SetElevation(elevation);
    viewport.SetAzimuth(azimuth);
    viewport.OnResize = [&viewport](TViewport&) { Fit3D(viewport); };
    viewport.OnRedraw = [&hull, &settings, &viewport](TViewport&) {
        Redraw3D(viewport, hull, settings, DisplaySwitches{});
    };
    viewport.OnPreviewRedraw = [&hull](TViewport& sender) { DrawConstructionLines(sender, hull); };
    viewport.SetAutoRedraw(true);
    return canvas.Document();
}

std::string ScaledSheetSvg(const ScaledSheet& sheet)
{
    constexpr long double kPixelsPerMm = 10;
    const auto pixels = [](long double mm) { return static_cast<int>(std::lround(mm * kPixelsPerMm)); };
    SvgCanvas canvas(pixels(sheet.WidthMm()), pixels(sheet.HeightMm()));
    canvas.SetSizeMm(sheet.WidthMm(), sheet.HeightMm());
    canvas.SetBrushColor(clWhite);
    canvas.FillRect(0, 0, canvas.Width(), canvas.Height());
    sheet.Draw(canvas, kPixelsPerMm, 0, 0);
    return canvas.Document();
}

FileDialogRequest LinesPlanSvgDialog(const std::string& designFile)
{
    FileDialogRequest request;
    request.title = "Export Lines Plan";
    request.filter = "SVG drawing (*.svg)|*.svg|All files (*.*)|*.*";
    request.defaultExtension = "svg";
    request.fileName = SuggestedExportName(designFile, request.defaultExtension);
    request.confirmOverwrite = true;
    return request;
}

bool WriteSvgFile(const std::filesystem::path& path, const std::string& svg)
{
    TextFileWriter writer(path);
    if (!writer.Open()) return false;
    std::istringstream lines(svg);
    std::string line;
    while (std::getline(lines, line))
        if (!writer.WriteLine(line)) return false;
    return writer.Commit();
}

}  // namespace sloopform
