#pragma once
#include <array>
#include <optional>
#include <vector>

#include "analysis/ExtendedBSpline.h"
#include "analysis/ImmersedSection.h"
#include "model/HullRecord.h"

namespace sloopform {

// A section measured on its own curve below the design waterline (both sides).
struct ExactStation {
    long double Depth = 0;          // Tc - KeelHeight
    long double WaterlineBeam = 0;  // where the curve meets the design waterline
    long double SectionArea = 0;
    long double SectionVca = 0;     // m above the base line; 0 without area
    long double Girth = 0;          // wetted length of the section, keel to waterline
    long double SurfaceGirth = 0;   // wetted surface per metre of length there
};

// How finely the figures are found: pieces of each knot span of a section
// curve in the search for the waterline, and the Gauss points of the two end
// spacings and of each spacing between them along the length. The loft is a
// cubic in each inner spacing, so four points integrate it closely; at the
// ends the waterline closes like a square root, which needs more. The defaults are fine enough that doubling
// them changes no figure by 0.01 %.
struct ExactResolution {
    int SectionPieces = kImmersedSectionResolution;
    int EndPoints = 16;
    int InteriorPoints = 4;
    // AreaAndMoment leaves the girths and the wetted surface 0: for a search
    // that needs the volume, its centres and the waterplane alone.
    ImmersedMeasures Measures = ImmersedMeasures::All;
};

// The hydrostatics of the hull's own section curves in extended precision:
// each section integrated accurately in height, and the sections lofted
// between the stations integrated along the length with a Gauss rule in each
// station spacing. Simpson's rule over the 21 stations alone misses the
// waterline's steep closing at the ends by several tenths of a per cent in the
// waterplane figures. Same units and references as Hydrostatics, plus the
// wetted surface of the canoe body: the area of the lofted surface itself below
// the waterline, which the section girths alone underestimate where the hull
// slopes along its length.
struct ExactHydrostatics {
    long double Volume = 0;          // m³
    long double Displacement = 0;    // kg
    long double LCB = 0;             // % of Lwl aft of station 0
    long double VCB = 0;             // m above the base line
    long double WaterplaneArea = 0;  // m²
    long double KgPerCm = 0;         // kg per centimetre of immersion
    long double LCF = 0;             // % of Lwl aft of station 0
    long double MidshipArea = 0;     // m²
    long double Cm = 0;
    long double Cb = 0;
    long double Cp = 0;
    long double Cwl = 0;
    long double BMT = 0;             // m
    long double BML = 0;             // m
    long double MCT = 0;             // kg m to change trim one centimetre
    long double WettedSurface = 0;   // m²
    std::array<ExactStation, kStationCount> Stations;  // the 21 stations themselves
};

// A section outline (six control points of the cubic section curve, y and z)
// measured up to the level; nothing when the curve never reaches the level.
// `slope`: how the control points move per metre along the length (empty: a
// prismatic hull there).
std::optional<ExactStation> MeasureSectionOutline(const std::vector<ExtendedPoint>& outline,
                                                  long double level,
                                                  int pieces = kImmersedSectionResolution,
                                                  const std::vector<ExtendedPoint>& slope = {},
                                                  ImmersedMeasures measures = ImmersedMeasures::All);

// Reads the generated stations as they are. A section that does not reach the
// design waterline throws, naming its station; a zero volume, waterplane or
// midship section raises an arithmetic fault.
ExactHydrostatics ComputeExactHydrostatics(const HullRecord& hull,
                                           const ExactResolution& resolution = {});

}  // namespace sloopform
