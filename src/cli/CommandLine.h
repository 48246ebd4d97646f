#pragma once
#include <optional>
#include <string>
#include <vector>

#include "analysis/Offsets.h"
#include "analysis/VelocityConversion.h"
#include "generator/RunGeneration.h"

namespace sloopform::batch {

enum class Command { Run, Resistance, Optimise, QuickCalc, Stability, Help, Version };

struct Speed {
    SpeedUnit unit = SpeedUnit::FroudeNumber;
    std::string text;  // as typed; converted like the optimisation dialog does
};

struct Goals {
    long double dimension = 0.001L;
    long double percentage = 0.1L;
    long double coefficient = 0.01L;
};

struct BatchOptions {
    Command command = Command::Help;
    std::string project;
    Goals goals;
    std::optional<std::string> report, dxf, dxfPlan, step, iges, stl, gf1, svg, svg3d, json, apply;
    std::optional<long double> stlToleranceMm;  // unset: the mesh's default chord deviation
    double timeoutSeconds = 60;
    bool quiet = false;
    bool exact = false;  // the report gains the exact hydrostatics block
    std::optional<GeneratorMethod> method;  // unset: the project's own
    std::optional<Speed> speed;
    bool optimiseCp = true;
    bool optimiseLcb = true;
    std::optional<std::string> offsets;
    OffsetLevels offsetLevels;  // empty lists: the project's levels of that kind
    std::optional<int> scale;   // N of --scale 1:N: the SVG drawn to that scale on paper
    bool combs = false;         // the SVG lines plan with curvature combs on every curve
    std::optional<std::string> curve;  // the resistance over a range of speeds, as CSV
    SpeedUnit curveUnit = SpeedUnit::FroudeNumber;
    std::optional<long double> curveFrom, curveTo, curveStep;  // unset: the unit's default
    std::optional<double> vcg;                  // unset: the project's own
    std::optional<std::vector<double>> angles;  // unset: 0 to 180 every 5
};

struct ParsedCommandLine {
    std::optional<BatchOptions> options;
    std::string error;  // set when the command line is unusable
};

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments);

const char* UsageText();

}  // namespace sloopform::batch
