#pragma once
#include <filesystem>
#include <string>

#include "model/HullRecord.h"
#include "platform/UiServices.h"
#include "views/DrawingSettings.h"

namespace sloopform {

constexpr int kMaxSvgSize = 100000;  // pixels, either way
// The size of a lines plan or 3D view drawn without a scale.
constexpr int kViewSvgWidth = 1600;
constexpr int kViewSvgHeight = 1000;

// A standalone SVG document of the lines plan (construction lines and hull
// outlines and what the switches add, fitted to width x height pixels on the
// background colour). Throws std::invalid_argument for a size outside
// 1..kMaxSvgSize.
std::string LinesPlanSvg(const HullRecord& hull, int width, int height, const DrawingSettings& settings,
                         const DisplaySwitches& switches = DisplaySwitches{});

// A standalone SVG document of the 3D view from the given direction, in
// perspective as the 3D viewer starts, fitted to width x height pixels.
std::string ThreeDViewSvg(const HullRecord& hull, int width, int height, int elevation, int azimuth,
                          const DrawingSettings& settings);

class ScaledSheet;

// A standalone SVG document of the sheet, in millimetres on paper.
std::string ScaledSheetSvg(const ScaledSheet& sheet);

// The save dialog of an SVG drawing of the lines plan, named after the design.
FileDialogRequest LinesPlanSvgDialog(const std::string& designFile);

// Writes a document to `path` (safely: the old file survives a failure).
bool WriteSvgFile(const std::filesystem::path& path, const std::string& svg);

}  // namespace sloopform
