#pragma once
#include <array>
#include <vector>

#include "model/HullRecord.h"
#include "model/StationOutline.h"

namespace sloopform {

struct NetPoint {
    long double x;
    long double y;
    long double z;
};

// The six control points of a cubic section curve on the stations' knot
// vector (0, 0, 0, 0, 1, 2, 3, 3, 3, 3), from the centre plane to the sheer.
using SectionPoles = std::array<NetPoint, kStationOutlinePoints>;

// The starboard hull surface from the stem head to the transom as the control
// net of one B-spline surface, cubic both ways, in the coordinates of the DXF
// export. Across, every row is a section on the stations' knots. Along the
// length the surface is one cubic per span between two consecutive sections,
// joined with multiplicity-3 knots: rows 3k are the sections, rows 3k + 1 and
// 3k + 2 the inner control points of span k. Between stations 0 and 20 the
// spans are those of the station loft the exact hydrostatics integrate, so the
// surface passes through every station curve. Ahead of station 0 and aft of
// station 20 the sections run from the profile to the sheer, shaped between
// the stem head and station 0, and between station 20 and the transom outline.
struct HullSurfaceNet {
    std::vector<SectionPoles> Rows;
    int Spans() const { return static_cast<int>(Rows.size() - 1) / 3; }
};

// Spans of each overhang, from the stem head to station 0 and from station 20
// to the transom: with eight the surface keeps within 0.3 mm of the stem, the
// counter and the sheer on the bundled designs.
constexpr int kOverhangSpans = 8;
// The span at whose start station s lies.
constexpr int StationSpan(int s) { return kOverhangSpans + s; }

constexpr const char* kNoHullMessage = "No Data Available, Run Generator";
constexpr const char* kDeckEndsForwardMessage =
    "The transom's top stands forward of the waterline's aft end: no surfaces are made for a deck that ends "
    "before the hull does";

// Whether a run has left the complete hull: profile, sheer, sections and transom.
bool HullReadyForCad(const HullRecord& hull);

// Throws std::runtime_error with kNoHullMessage when the hull is not ready,
// with kDeckEndsForwardMessage when the sheer ends forward of the last
// station (a transom raked far forward), or naming the curve when its
// overhangs cannot be laid out.
HullSurfaceNet BuildHullSurfaceNet(const HullRecord& hull);

// The transom plane: x = Loa − (z − Tc − TransomRise) · TransomSlope, and its
// unit normal pointing aft.
long double TransomSlope(const HullRecord& hull);
NetPoint TransomNormal(const HullRecord& hull);

}  // namespace sloopform
