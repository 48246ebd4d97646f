#pragma once
#include <optional>

#include "analysis/ExtendedBSpline.h"

namespace sloopform {

// One side of a section below a waterline level, measured on the exact curve
// (a = half-breadth, b = height above the base line) from its start on the
// centre plane up to where it first reaches the level.
struct ImmersedSection {
    long double HalfBreadth = 0;  // where the curve reaches the level
    long double HalfArea = 0;     // between the curve and the centre plane
    long double AreaMoment = 0;   // first moment of that area about the base line
    long double HalfGirth = 0;    // length of the curve up to the level
    // Area of the hull surface per metre of length up to the level: the girth
    // stretched where the section moves sideways or up along the length.
    long double HalfSurfaceGirth = 0;
};

// Sub-intervals per knot span in the search for the level.
constexpr int kImmersedSectionResolution = 2;

// What a measure takes: everything, or the half-breadth, the area and its
// moment alone (the girths left 0), which are all that a volume, its centres
// and the waterplane need.
enum class ImmersedMeasures { All, AreaAndMoment };

// Each knot span up to the level is integrated with a five-point Gauss rule.
// Area and moment are exact: their integrands are polynomials on each span.
// The girths are not, but a section's span is smooth: on the generated hulls
// the wetted surface from whole spans differs from that of eighths of spans by
// less than 3e-6 of itself. Nothing when the curve never reaches the level. A
// curve starting at or above the level has no immersed part: all measures 0.
// `slope` is the curve of how the control points move per metre along the
// length (same order and count); without it the surface girth is the girth.
std::optional<ImmersedSection> MeasureImmersedSection(
    const ExtendedBSpline& curve, long double level,
    int resolution = kImmersedSectionResolution, const ExtendedBSpline* slope = nullptr,
    ImmersedMeasures measures = ImmersedMeasures::All);

// Where the curve first reaches the level, as the measure above finds it:
// its start when that is at or above the level; nothing when it never does.
std::optional<long double> ImmersedHalfBreadth(const ExtendedBSpline& curve, long double level,
                                               int resolution = kImmersedSectionResolution);

}  // namespace sloopform
